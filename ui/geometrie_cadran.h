// Geometry of the dial picture (cadran.jpg), shared by the window's layout and needle and by the
// picture's generator in tools/. Plain constexpr C++, no Qt.
//
// The window shows the 182 × 182 picture stretched into a 2130 × 1740 twip rectangle and draws
// the needle in that frame's twips; the face is drawn centred on the needle's pivot as it lands
// in picture pixels.
#pragma once

namespace vantrel::cadran {

/// Side of the square picture, in pixels.
inline constexpr int CotePixels = 182;

/// The picture's rectangle in its frame, in twips.
inline constexpr int ImageGauche = 120;
inline constexpr int ImageHaut = 330;
inline constexpr int ImageLargeur = 2130;
inline constexpr int ImageHauteur = 1740;

/// The needle in the same frame: pivot and length, in twips.
inline constexpr int PivotX = 1272;
inline constexpr int PivotY = 1116;
inline constexpr int LongueurAiguille = 636;

/// Picture pixels per twip along each axis (the stretch is not uniform).
inline constexpr double EchelleX = double(CotePixels) / ImageLargeur;
inline constexpr double EchelleY = double(CotePixels) / ImageHauteur;

/// The pivot in picture pixels: the centre of the face (≈ 98.4, 82.2).
inline constexpr double CentreX = (PivotX - ImageGauche) * EchelleX;
inline constexpr double CentreY = (PivotY - ImageHaut) * EchelleY;

/// How far the needle's tip reaches in picture pixels: sideways ≈ 54.3, straight up ≈ 66.5.
/// The tip traces an ellipse with these semi-axes over the circular graduations.
inline constexpr double PorteeHorizontale = LongueurAiguille * EchelleX;
inline constexpr double PorteeVerticale = LongueurAiguille * EchelleY;

/// Radii from the centre, in picture pixels.
/// Outer end of every graduation: the needle touches it pointing north or south.
inline constexpr double RayonGraduations = 66;
/// Inner end of the 10° graduations: the needle reaches just short of it pointing east or west.
inline constexpr double RayonGrandesGraduations = 56;
/// Inner end of the 5° graduations.
inline constexpr double RayonPetitesGraduations = 60;
/// Where the letters and numbers are centred.
inline constexpr double RayonChiffres = 46;
/// Edge of the black face.
inline constexpr double RayonFace = 74;
/// Outer edge of the dark ring around the face; the grey bezel starts beyond it.
inline constexpr double RayonLunette = 79;
/// Half the wingspan of the aircraft drawn in the middle.
inline constexpr double DemiEnvergure = 21;

static_assert(PorteeVerticale >= RayonGraduations && PorteeVerticale < RayonFace,
              "pointing north or south, the tip should reach the outer end of the graduations");
static_assert(PorteeHorizontale > RayonGrandesGraduations - 2 &&
                  PorteeHorizontale < RayonGraduations,
              "pointing east or west, the tip should reach the long graduations");
static_assert(CentreX - RayonLunette > 0 && CentreX + RayonLunette < CotePixels &&
                  CentreY - RayonLunette > 0 && CentreY + RayonLunette < CotePixels,
              "the dial must fit inside the picture");
static_assert(DemiEnvergure < RayonChiffres - 10, "the aircraft must clear the numbers");

} // namespace vantrel::cadran
