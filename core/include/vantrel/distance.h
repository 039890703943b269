// Great-circle distance and initial azimuth between two positions on the sphere.
#pragma once

#include <cstdint>

namespace vantrel {

/// A coordinate in degrees and minutes, in radians (computed with the ten-decimal Pi).
double EnRadians(std::int16_t degres, double minutes);

/// The path from one position to another: its angle, from which the long path and the miles
/// are worked out, and the two numbers shown.
struct Chemin {
    double AngleDist;     // the angle at the earth's centre, radians
    long long kilometres; // the distance as shown: rounded half up
    int azimut;           // the azimuth as shown: whole degrees, 1 to 360 (0 for one place)
};

/// The short great-circle path between two positions in radians (latitude, longitude).
Chemin CalculeChemin(double MaLatRad, double MaLonRad, double SaLatRad, double SaLonRad);

/// The short path in kilometres for a distance angle, unrounded.
double KilometresCheminCourt(double AngleDist);

/// A distance in kilometres rounded half up, as the window shows it.
long long ArrondiDistance(double kilometres);

} // namespace vantrel
