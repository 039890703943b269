// Distance and azimuth: against an exact geodesic on the program's sphere, computed by
// GeographicLib, and the worked pairs of the tool's users as data rows.
#include "centre_locator.h"
#include "champs_enregistres.h"
#include "vantrel/constantes.h"
#include "vantrel/evenements.h"

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

namespace vantrel {
namespace {

// The distance and azimuth texts from one locator to another, through the handlers.
std::pair<std::string, std::string> Calcule(EtatCalcul& etat, const std::string& mon,
                                            const std::string& son) {
    essais::ChampsEnregistres champs;
    champs[Champ::MonLocator] = mon;
    champs[Champ::SonLocator] = son;
    DemandeDistance(etat, champs);
    EXPECT_EQ(champs.messages(), std::vector<std::string>{}) << mon << " -> " << son;
    return {champs[Champ::Distance], champs[Champ::Azimut]};
}

// The shown distance is rounded to the nearest kilometre, within half of one of the exact value
// (a truncation would be a whole one off); the azimuth truncated to whole degrees, within one.
// 100,000 pairs, the same on every run; the first pair off stops the test.
TEST(Geodesique, DistanceEtAzimutCommeLaGeodesiqueExacteDeLaSphere) {
    const GeographicLib::Geodesic sphere(CirconferenceTerre * 1000 / (2 * std::numbers::pi), 0);
    std::mt19937 alea(20261207);
    const auto hasard = [&] {
        const auto lettre = [&](int n) { return char('A' + alea() % n); };
        const auto chiffre = [&] { return char('0' + alea() % 10); };
        return std::string{lettre(18), lettre(18), chiffre(), chiffre(), lettre(24), lettre(24)};
    };
    EtatCalcul etat;
    for (int i = 0; i < 100'000; ++i) {
        const std::string mon = hasard(), son = hasard();
        if (mon == son) {
            continue; // no direction to compare
        }
        const auto [distance, azimut] = Calcule(etat, mon, son);
        const auto [lat1, lon1] = essais::CentreLocator(mon);
        const auto [lat2, lon2] = essais::CentreLocator(son);
        double metres = 0, exact = 0, arrivee = 0;
        sphere.Inverse(lat1, lon1, lat2, lon2, metres, exact, arrivee);
        const double ecart = std::fmod(std::fabs(std::stod(azimut) - exact), 360.0);
        ASSERT_NEAR(std::stod(distance), metres / 1000, 0.5 + 1e-6) << mon << " -> " << son;
        ASSERT_LE(std::min(ecart, 360 - ecart), 1.0001)
            << mon << " -> " << son << ": " << azimut << "°, geodesic " << exact << "°";
    }
}

// The worked pairs of the tool's users.
TEST(Distances, LesPairesDesUtilisateurs) {
    // clang-format off
    const std::tuple<const char*, const char*, const char*, const char*> cas[] = {
        {"JN38DM", "FN20XR", "6126", "295"}, {"FN20XR", "JN38DM", "6126", "52"},
        {"JN38DM", "JN48DM", "147", "89"},   {"JN38DM", "IN98DM", "590", "273"},
        {"JN38DM", "PF95AA", "15838", "87"},
        // The short way round crosses the ±180° meridian.
        {"RP90XA", "AP00AA", "5", "89"}, {"AP00AA", "RP90XA", "5", "271"},
        {"PM95UQ", "FN20XR", "10858", "25"}, {"QF56OD", "FN20XR", "16004", "65"},
        // Due north, due south, the same place.
        {"JN38DM", "JO38DM", "1113", "360"}, {"JN38DM", "JM38DM", "1113", "180"},
        {"JN38DM", "JN38DM", "0", "0"}, {"RR99XX", "RR99XX", "0", "0"}};
    // clang-format on
    for (const auto& [mon, son, distance, azimut] : cas) {
        EtatCalcul etat;
        EXPECT_EQ(Calcule(etat, mon, son), (std::pair<std::string, std::string>{distance, azimut}));
    }
}

} // namespace
} // namespace vantrel
