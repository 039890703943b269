// Decoding a locator into the centre of its subsquare, and the text that shows a coordinate.
#pragma once

#include "vantrel/controle.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vantrel {

/// Largest whole number not greater than Valeur (rounding toward minus infinity).
double math_floor(double Valeur);

/// One coordinate of a locator's centre in the grid's own frame: the signed whole degrees of
/// the square's southern or western edge, the minutes counted northward or eastward from it.
struct CoordonneeLocator {
    std::int16_t degres;
    double minutes;
    std::string_view hemisphere;
};

CoordonneeLocator LatitudeLocator(const Locator& locator);
CoordonneeLocator LongitudeLocator(const Locator& locator);

/// Display text: absolute degrees, "° ", floored minutes, "' ", the hemisphere word
/// (48° 31' Nord).
std::string TexteCoordonnee(const CoordonneeLocator& coordonnee);

} // namespace vantrel
