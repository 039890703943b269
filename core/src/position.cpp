#include "vantrel/position.h"

#include "vantrel/constantes.h"
#include "vantrel/hemispheres.h"

#include <cmath>
#include <cstdlib>

namespace vantrel {

double math_floor(double Valeur) {
    return std::floor(Valeur);
}

CoordonneeLocator LatitudeLocator(const Locator& locator) {
    const int c2 = locator.code(2), c4 = locator.code(4), c6 = locator.code(6);
    return {
        static_cast<std::int16_t>((c2 - CodeA) * LatitudeChamp - LatitudeOrigine +
                                  (c4 - CodeZero) * LatitudeCarre),
        (c6 - CodeA) * MinutesLatitudeSousCarre + MinutesLatitudeSousCarre / 2,
        c2 < CodePremierChampNordEst ? hemisphere::Sud : hemisphere::Nord,
    };
}

CoordonneeLocator LongitudeLocator(const Locator& locator) {
    const int c1 = locator.code(1), c3 = locator.code(3), c5 = locator.code(5);
    return {
        static_cast<std::int16_t>((c1 - CodeA) * LongitudeChamp - LongitudeOrigine +
                                  (c3 - CodeZero) * LongitudeCarre),
        (c5 - CodeA) * MinutesLongitudeSousCarre + MinutesLongitudeSousCarre / 2,
        c1 < CodePremierChampNordEst ? hemisphere::Ouest : hemisphere::Est,
    };
}

std::string TexteCoordonnee(const CoordonneeLocator& coordonnee) {
    return std::to_string(std::abs(coordonnee.degres)) + "° " +
           std::to_string(static_cast<long long>(math_floor(coordonnee.minutes))) + "' " +
           std::string(coordonnee.hemisphere);
}

} // namespace vantrel
