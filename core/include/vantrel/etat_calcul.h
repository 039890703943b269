// The window's computation state: it carries the user's position from the moment the user's
// locator is accepted to the distance computation, and keeps the last computation whole. The
// handlers (evenements.h) fill it, one place per routine; the arithmetic never sees it.
#pragma once

#include "vantrel/distance.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vantrel {

/// What tally computed last: the correspondent's square and the path to it. Recorded by one
/// assignment, so that no part of it is older than another.
struct Calcul {
    std::int16_t SaLatDeg = 0;
    double SaLatMin = 0;
    std::int16_t SaLonDeg = 0;
    double SaLonMin = 0;
    Chemin chemin{};
};

struct EtatCalcul {
    // The user's square: whole degrees of its southern / western edge, minutes added
    // northward / eastward to them. The distance starts from these.
    std::int16_t MaLatDeg = 0;
    double MaLatMin = 0;
    std::int16_t MaLonDeg = 0;
    double MaLonMin = 0;

    /// The computation the window shows: none before the first, nor once the fields that
    /// showed it are cleared.
    std::optional<Calcul> calcul;

    /// The user's locator last accepted (upper-case, six characters); empty before the first.
    std::string MonLocatorAccepte;
};

} // namespace vantrel
