// The window's computation state: it carries the user's position from the moment the user's
// locator is accepted to the distance computation, and keeps every intermediate result. The
// handlers (evenements.h) fill it, one place per routine; the arithmetic never sees it.
#pragma once

#include <cstdint>
#include <string>

namespace vantrel {

struct EtatCalcul {
    // The user's square: whole degrees of its southern / western edge, minutes added
    // northward / eastward to them. The distance starts from these.
    std::int16_t MaLatDeg = 0;
    double MaLatMin = 0;
    std::int16_t MaLonDeg = 0;
    double MaLonMin = 0;

    // The same for the correspondent. Kept as the record of the last computation.
    std::int16_t SaLatDeg = 0;
    double SaLatMin = 0;
    std::int16_t SaLonDeg = 0;
    double SaLonMin = 0;

    // Both positions in radians. Kept as the record of the last computation.
    double MaLatRad = 0;
    double MaLonRad = 0;
    double SaLatRad = 0;
    double SaLonRad = 0;

    // Intermediate results of the distance and azimuth. AngleDist feeds the tooltips; the
    // others are kept as the record of the last computation.
    double CosDist = 0;
    double AngleDist = 0;
    double CosAzimut = 0;
    double AngleAzimut = 0;
    double Pi = 0;

    /// The last hemisphere word built ("Nord", "Sud", "Est" or "Ouest"). Kept as a record.
    std::string Hemisphere;

    /// The user's locator last accepted (upper-case, six characters); empty before the first.
    std::string MonLocatorAccepte;
};

} // namespace vantrel
