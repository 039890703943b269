// The distance and azimuth against an exact geodesic on a sphere of the program's radius,
// computed by GeographicLib, over a large deterministic sample of locator pairs.
#include "champs_enregistres.h"
#include "vantrel/constantes.h"
#include "vantrel/controle.h"
#include "vantrel/distance.h"

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace vantrel {
namespace {

// Centre of a locator's subsquare in degrees, from the grid's definition.
struct Centre {
    double latitude, longitude;
};
Centre CentreDe(const std::string& l) {
    return {(l[1] - 'A') * 10.0 - 90 + (l[3] - '0') + ((l[5] - 'A') * 2.5 + 1.25) / 60,
            (l[0] - 'A') * 20.0 - 180 + (l[2] - '0') * 2 + ((l[4] - 'A') * 5 + 2.5) / 60};
}

// Smallest angle between two bearings in degrees.
double EcartAngulaire(double a, double b) {
    const double ecart = std::fmod(std::fabs(a - b), 360.0);
    return std::min(ecart, 360 - ecart);
}

TEST(Geodesique, DistanceEtAzimutCommeLaGeodesiqueExacteDeLaSphere) {
    const double rayonMetres = CirconferenceTerre * 1000 / (2 * M_PI);
    const GeographicLib::Geodesic sphere(rayonMetres, 0);
    std::mt19937 alea(20261207);
    const auto lettre = [&](int n) { return char('A' + alea() % n); };
    const auto chiffre = [&] { return char('0' + alea() % 10); };
    const auto locatorAuHasard = [&] {
        return std::string{lettre(18), lettre(18), chiffre(), chiffre(), lettre(24), lettre(24)};
    };

    constexpr int Paires = 100'000;
    int ecarts = 0;
    EtatCalcul etat;
    for (int i = 0; i < Paires && ecarts < 10; ++i) {
        const std::string mon = locatorAuHasard(), son = locatorAuHasard();
        if (mon == son) {
            continue; // no direction to compare
        }
        test::ChampsEnregistres champs;
        ASSERT_TRUE(ControleLocator(mon, etat, champs));
        champs.textes[Champ::SonLocator] = son;
        tally(etat, champs);

        const Centre a = CentreDe(mon), b = CentreDe(son);
        double metres = 0, azimut = 0, azimutArrivee = 0;
        sphere.Inverse(a.latitude, a.longitude, b.latitude, b.longitude, metres, azimut,
                       azimutArrivee);
        const double distance = std::stod(champs[Champ::Distance]);
        const double azimutAffiche = std::stod(champs[Champ::Azimut]);
        // The shown distance is rounded, the azimuth truncated to whole degrees.
        const bool juste = std::fabs(distance - metres / 1000) <= 1 &&
                           EcartAngulaire(azimutAffiche, azimut) <= 1.0001;
        if (!juste) {
            ++ecarts;
            ADD_FAILURE() << mon << " -> " << son << ": shown " << distance << " km, "
                          << azimutAffiche << "°; geodesic " << metres / 1000 << " km, " << azimut
                          << "°";
        }
    }
}

} // namespace
} // namespace vantrel
