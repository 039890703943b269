// What a computed distance and azimuth also tell: the long path round the other side of the
// earth, the distance in statute miles, and the compass point of the azimuth.
#pragma once

#include "vantrel/distance.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

/// Statute miles in a kilometre.
inline constexpr double MillesParKilometre = 0.621371;

/// Long-path distance: the circumference less the unrounded short path, rounded half up.
long long DistanceCheminLong(double cheminCourt);

/// Long-path azimuth: the shown azimuth turned by 180°, folded into 0 to 359.
int AzimutCheminLong(int azimut);

/// Statute miles of the unrounded short path, rounded half up.
long long Milles(double cheminCourt);

/// The 16-point French compass point (N, NNE, ... NNO) of an azimuth in degrees: sectors of
/// 22.5° centred on each point.
std::string_view PointCardinal(double azimut);

/// A decoded coordinate (the square's edge in whole degrees, the minutes from it) in the usual
/// notation of maps: "74° 2' 30\" Ouest (−74,0417°)" for 76° 117' West.
std::string NotationUsuelle(std::int16_t degres, double minutes, bool latitude);

/// Texts that say more about a computation, for tooltips and screen readers.
struct TextesComplements {
    std::string distance;    // "6126 km (3807 milles) — chemin long : 33950 km"
    std::string azimut;      // "295° ONO — chemin long : 115° ESE"
    std::string description; // the same in words, for the dial
};

/// The texts for the path the window shows. Without one (fields cleared, or nothing computed
/// yet) the distance and azimuth texts are empty and the needle is described pointing up.
TextesComplements DecritCalcul(const std::optional<Chemin>& chemin);

} // namespace vantrel
