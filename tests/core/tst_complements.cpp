// What the tooltips add to a result: the long path, statute miles, compass points.
#include "vantrel/complements.h"

#include <gtest/gtest.h>
#include <numbers>

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
// seconds from the equator or Greenwich, and signed decimal degrees. (The centres of JN38DM and
// FN20XR, as the window's tooltips show them: tests/ui/tst_frmvantrel.cpp.)
TEST(NotationUsuelle, DepuisLEquateurEtGreenwich) {
    // clang-format off
    const std::tuple<int, double, bool, const char*> cas[] = {
        {-180, 2.5, false, "179° 57' 30\" Ouest (−179,9583°)"},
        {0, 1.25, true, "0° 1' 15\" Nord (0,0208°)"}, {-2, 117.5, false, "0° 2' 30\" Ouest (−0,0417°)"}};
    // clang-format on
    for (const auto& [degres, minutes, latitude, texte] : cas) {
        EXPECT_EQ(NotationUsuelle(static_cast<std::int16_t>(degres), minutes, latitude), texte);
    }
}

// The long path leaves in the opposite direction (its length, and the miles: DecritCalcul below).
TEST(CheminLong, DemiTourEtResteDuTour) {
    for (int azimut = 0; azimut <= 360; ++azimut) {
        const int inverse = AzimutCheminLong(azimut);
        EXPECT_TRUE(inverse >= 0 && inverse < 360 && (inverse - azimut + 540) % 360 == 0) << azimut;
    }
}

// The texts of a computed path, as the distance computation gives it.
TEST(DecritCalcul, LesTextesDesBullesApresUnCalcul) {
    // JN38DM to JO38DM (tests/core/tst_distance.cpp): due north, a 36th of the circumference,
    // 1113.24 km, 691.7 miles; the long path leaves due south for the rest of the way round.
    const TextesComplements nord = DecritCalcul(Chemin{std::numbers::pi / 18, 1113, 360});
    EXPECT_EQ(nord.distance, "1113 km (692 milles) — chemin long : 38963 km");
    EXPECT_EQ(nord.azimut, "360° N — chemin long : 180° S");
    // One place: no angle, nothing else.
    const TextesComplements ici = DecritCalcul(Chemin{0, 0, 0});
    EXPECT_EQ(ici.distance, "0 km (0 milles) — chemin long : —");
    EXPECT_EQ(ici.azimut, "0° N — chemin long : —");
    EXPECT_EQ(ici.description, "Aiguille à 0 degrés, N, pour 0 kilomètres ; pas de chemin long");
}

} // namespace
} // namespace vantrel
