// What the tooltips add to a result: the long path, statute miles, compass points.
#include "champs_enregistres.h"
#include "vantrel/complements.h"
#include "vantrel/constantes.h"
#include "vantrel/evenements.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(PointCardinal, SecteursDe22Degres5CentresSurChaquePoint) {
    // clang-format off
    const std::pair<double, const char*> cas[] = {
        {0, "N"}, {11.24, "N"}, {11.25, "NNE"}, {45, "NE"}, {67.5, "ENE"}, {90, "E"},
        {112.5, "ESE"}, {135, "SE"}, {157.5, "SSE"}, {168.74, "SSE"}, {168.75, "S"},
        {202.5, "SSO"}, {225, "SO"}, {247.5, "OSO"}, {270, "O"}, {295, "ONO"}, {315, "NO"},
        {337.5, "NNO"}, {348.74, "NNO"}, {348.75, "N"}, {360, "N"}, {-90, "O"}, {810, "E"}};
    // clang-format on
    for (const auto& [azimut, point] : cas) {
        EXPECT_EQ(PointCardinal(azimut), point) << azimut;
    }
}

// A coordinate shown from its square's edge, in the usual notation: degrees, minutes and
// seconds from the equator or Greenwich, and signed decimal degrees.
TEST(NotationUsuelle, DepuisLEquateurEtGreenwich) {
    // clang-format off
    const std::tuple<int, double, bool, const char*> cas[] = {
        {-76, 117.5, false, "74° 2' 30\" Ouest (−74,0417°)"},
        {40, 43.75, true, "40° 43' 45\" Nord (40,7292°)"},
        {-180, 2.5, false, "179° 57' 30\" Ouest (−179,9583°)"},
        {0, 1.25, true, "0° 1' 15\" Nord (0,0208°)"}, {-2, 117.5, false, "0° 2' 30\" Ouest (−0,0417°)"}};
    // clang-format on
    for (const auto& [degres, minutes, latitude, texte] : cas) {
        EXPECT_EQ(NotationUsuelle(static_cast<std::int16_t>(degres), minutes, latitude), texte);
    }
}

// The long path leaves in the opposite direction and goes the rest of the way round.
TEST(CheminLong, DemiTourEtResteDuTour) {
    for (int azimut = 0; azimut <= 360; ++azimut) {
        const int inverse = AzimutCheminLong(azimut);
        EXPECT_TRUE(inverse >= 0 && inverse < 360 && (inverse - azimut + 540) % 360 == 0) << azimut;
    }
    for (double court : {0.0, 0.4, 6126.3, CirconferenceTerre / 2}) {
        // The international mile is 1.609344 km.
        EXPECT_NEAR(Milles(court), court / 1.609344, 0.5 + 1e-3) << court;
    }
}

TEST(DecritCalcul, LesTextesDesBullesApresUnCalcul) {
    const auto decrit = [](const char* mon, const char* son) {
        EtatCalcul etat;
        essais::ChampsEnregistres champs;
        champs[Champ::MonLocator] = mon;
        champs[Champ::SonLocator] = son;
        DemandeDistance(etat, champs);
        return DecritCalcul(etat.calcul->chemin);
    };
    // Due north, a 36th of the circumference: 1113.24 km, 691.7 miles; the long path leaves
    // due south for the rest of the way round.
    const TextesComplements nord = decrit("JN38DM", "JO38DM");
    EXPECT_EQ(nord.distance, "1113 km (692 milles) — chemin long : 38963 km");
    EXPECT_EQ(nord.azimut, "360° N — chemin long : 180° S");
    const TextesComplements ici = decrit("JN38DM", "JN38DM");
    EXPECT_EQ(ici.distance, "0 km (0 milles) — chemin long : —");
    EXPECT_EQ(ici.azimut, "0° N — chemin long : —");
    EXPECT_EQ(ici.description, "Aiguille à 0 degrés, N, pour 0 kilomètres ; pas de chemin long");
}

} // namespace
} // namespace vantrel
