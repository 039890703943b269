#include "vantrel/distance.h"

#include "vantrel/constantes.h"
#include "vantrel/controle.h"
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

double EnRadians(std::int16_t degres, double minutes) {
    return (degres + minutes / 60) * Pi / 180;
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

std::string Entier(double valeur) {
    return std::to_string(static_cast<long long>(valeur));
}

} // namespace

void tally(EtatCalcul& etat, InterfaceChamps& champs) {
    const Controle controle = VerifieLocator(champs.LitChamp(Champ::SonLocator));
    if (!controle) {
        champs.AfficheMessage(controle.message);
        return;
    }
    const Locator& sonLocator = *controle.locator;

    etat.Pi = Pi;
    etat.MaLatRad = EnRadians(etat.MaLatDeg, etat.MaLatMin);
    etat.MaLonRad = EnRadians(etat.MaLonDeg, etat.MaLonMin);

    champs.EcritChamp(Champ::SaLati, RetientCoordonnee(LatitudeLocator(sonLocator), etat.SaLatDeg,
                                                       etat.SaLatMin, etat.Hemisphere));
    etat.SaLatRad = EnRadians(etat.SaLatDeg, etat.SaLatMin);
    champs.EcritChamp(Champ::SaLongi, RetientCoordonnee(LongitudeLocator(sonLocator), etat.SaLonDeg,
                                                        etat.SaLonMin, etat.Hemisphere));
    etat.SaLonRad = EnRadians(etat.SaLonDeg, etat.SaLonMin);

    // Spherical law of cosines on the co-latitudes.
    const bool confondus = etat.MaLatRad == etat.SaLatRad && etat.MaLonRad == etat.SaLonRad;
    etat.CosDist =
        confondus ? 1
                  : std::cos(etat.MaLonRad - etat.SaLonRad) * std::sin(Pi / 2 - etat.SaLatRad) *
                            std::sin(Pi / 2 - etat.MaLatRad) +
                        std::cos(Pi / 2 - etat.SaLatRad) * std::cos(Pi / 2 - etat.MaLatRad);
    etat.AngleDist = ArcCosinus(etat.CosDist);
    champs.EcritChamp(Champ::Distance,
                      Entier(math_floor(etat.AngleDist * CirconferenceTerre / 2 / Pi + 0.5)));

    if (etat.AngleDist == 0) {
        // One place: no direction to point in.
        etat.CosAzimut = 1;
        etat.AngleAzimut = 0;
        champs.EcritChamp(Champ::Azimut, "0");
    } else {
        etat.CosAzimut =
            (std::sin(etat.SaLatRad) - std::sin(etat.MaLatRad) * std::cos(etat.AngleDist)) /
            std::sin(etat.AngleDist) / std::cos(etat.MaLatRad);
        etat.AngleAzimut = ArcCosinus(etat.CosAzimut);
        const double degres = math_floor(etat.AngleAzimut * 180 / Pi);
        // East along the short great circle: the angle as it is; otherwise measured the other
        // way round.
        champs.EcritChamp(
            Champ::Azimut,
            Entier(VersEst(etat.MaLonRad, etat.SaLonRad) ? degres : TourComplet - degres));
    }
    // Assigned once more with its own text, so the needle follows every computation.
    champs.EcritChamp(Champ::Azimut, champs.LitChamp(Champ::Azimut));
}

} // namespace vantrel
