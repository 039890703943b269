// Constants of the locator grid and of the distance computation, named once.
#pragma once

namespace vantrel {

/// Character codes the locator characters are built from.
inline constexpr int CodeA = 65;
inline constexpr int CodeZero = 48;

/// The value of pi the distance and azimuth are computed with (ten decimals).
inline constexpr double Pi = 3.1415926535;

/// The Earth's circumference in kilometres.
inline constexpr double CirconferenceTerre = 40076.59;

/// Degrees in a full turn.
inline constexpr double TourComplet = 360;

/// Grid steps: a field is 20° × 10°, a square 2° × 1°, a subsquare 5' × 2.5'.
inline constexpr int LongitudeChamp = 20;
inline constexpr int LatitudeChamp = 10;
inline constexpr int LongitudeCarre = 2;
inline constexpr int LatitudeCarre = 1;
inline constexpr double MinutesLongitudeSousCarre = 5;
inline constexpr double MinutesLatitudeSousCarre = 2.5;

/// Fields per axis (A to R), squares per field (0 to 9), subsquares per square (A to X).
inline constexpr int NombreChamps = 18;
inline constexpr int NombreCarres = 10;
inline constexpr int NombreSousCarres = 24;

/// Code of the first field letter north of the equator and east of Greenwich ("J").
inline constexpr int CodePremierChampNordEst = CodeA + NombreChamps / 2;

/// Origin of the grid: 180° West, 90° South.
inline constexpr int LongitudeOrigine = 180;
inline constexpr int LatitudeOrigine = 90;

} // namespace vantrel
