#include "vantrel/distance.h"

#include "vantrel/constantes.h"
#include "vantrel/position.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

// Arc cosine in the frame of Pi: written through the arc tangent, as every published distance
// and azimuth of this tool was computed, with the two ends (where that form divides by zero)
// given their limits. The cosine is clamped first, so rounding beyond ±1 cannot fail.
double ArcCosinus(double cosinus) {
    cosinus = std::clamp(cosinus, -1.0, 1.0);
    if (cosinus == 1) {
        return 0;
    }
    if (cosinus == -1) {
        return Pi;
    }
    return -std::atan(cosinus / std::sqrt(1 - cosinus * cosinus)) + Pi / 2;
}

// Whether the second longitude lies east of the first along the short way round: their
// difference folded into (-Pi, Pi] is positive. Equal longitudes are not east.
bool VersEst(double deLongitude, double versLongitude) {
    double ecart = versLongitude - deLongitude;
    if (ecart > Pi) {
        ecart -= 2 * Pi;
    } else if (ecart <= -Pi) {
        ecart += 2 * Pi;
    }
    return ecart > 0;
}

} // namespace

double EnRadians(std::int16_t degres, double minutes) {
    return (degres + minutes / 60) * Pi / 180;
}

double KilometresCheminCourt(double AngleDist) {
    return AngleDist * CirconferenceTerre / 2 / Pi;
}

long long ArrondiDistance(double kilometres) {
    return static_cast<long long>(math_floor(kilometres + 0.5));
}

Chemin CalculeChemin(double MaLatRad, double MaLonRad, double SaLatRad, double SaLonRad) {
    Chemin chemin{};
    // Spherical law of cosines on the co-latitudes; one place is exactly 1.
    const bool confondus = MaLatRad == SaLatRad && MaLonRad == SaLonRad;
    const double CosDist = confondus
                               ? 1
                               : std::cos(MaLonRad - SaLonRad) * std::sin(Pi / 2 - SaLatRad) *
                                         std::sin(Pi / 2 - MaLatRad) +
                                     std::cos(Pi / 2 - SaLatRad) * std::cos(Pi / 2 - MaLatRad);
    chemin.AngleDist = ArcCosinus(CosDist);
    chemin.kilometres = ArrondiDistance(KilometresCheminCourt(chemin.AngleDist));

    if (chemin.AngleDist == 0) {
        // One place: no direction to point in.
        chemin.azimut = 0;
        return chemin;
    }
    const double CosAzimut =
        (std::sin(SaLatRad) - std::sin(MaLatRad) * std::cos(chemin.AngleDist)) /
        std::sin(chemin.AngleDist) / std::cos(MaLatRad);
    // The angle from north, 0 to Pi, either side.
    const double AngleAzimut = ArcCosinus(CosAzimut);
    const auto degres = static_cast<int>(math_floor(AngleAzimut * 180 / Pi));
    // East along the short great circle: the angle as it is; otherwise measured the other way
    // round (due north, equal longitudes, shows 360).
    chemin.azimut = VersEst(MaLonRad, SaLonRad) ? degres : static_cast<int>(TourComplet) - degres;
    return chemin;
}

} // namespace vantrel
