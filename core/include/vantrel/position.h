// Decoding a locator into the centre of its subsquare, and the texts that show a position.
#pragma once

#include "vantrel/champs.h"
#include "vantrel/controle.h"
#include "vantrel/etat_calcul.h"

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

    /// The coordinate in degrees (degrees + minutes / 60).
    double enDegres() const { return degres + minutes / 60; }
};

CoordonneeLocator LatitudeLocator(const Locator& locator);
CoordonneeLocator LongitudeLocator(const Locator& locator);

/// Display text: absolute degrees, "° ", floored minutes, "' ", the hemisphere word
/// (48° 31' Nord).
std::string TexteCoordonnee(const CoordonneeLocator& coordonnee);

/// Keeps a decoded coordinate in three fields of the state and gives its display text.
std::string RetientCoordonnee(const CoordonneeLocator& coordonnee, std::int16_t& degres,
                              double& minutes, std::string& hemisphere);

/// Makes an accepted locator the user's position and shows it in MaLati and MaLongi.
void PositionMonLocator(const Locator& locator, EtatCalcul& etat, InterfaceChamps& champs);

} // namespace vantrel
