#include "champs_enregistres.h"
#include "vantrel/complements.h"
#include "vantrel/evenements.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(PointCardinal, SecteursDe22Degres5CentresSurChaquePoint) {
    const std::pair<double, const char*> cas[] = {
        {0, "N"},       {11.24, "N"},   {11.25, "NNE"},  {22.5, "NNE"}, {45, "NE"},
        {90, "E"},      {135, "SE"},    {168.74, "SSE"}, {168.75, "S"}, {180, "S"},
        {202.5, "SSO"}, {225, "SO"},    {247.5, "OSO"},  {270, "O"},    {295, "ONO"},
        {315, "NO"},    {337.5, "NNO"}, {348.74, "NNO"}, {348.75, "N"}, {360, "N"},
        {-11.24, "N"},  {-90, "O"},     {720 + 90, "E"},
    };
    for (const auto& [azimut, point] : cas) {
        EXPECT_EQ(PointCardinal(azimut), point) << azimut;
    }
}

TEST(AzimutCheminLong, UnDemiTourRameneEntre0Et359) {
    const std::pair<int, int> cas[] = {{0, 180},   {295, 115}, {52, 232}, {180, 0},
                                       {179, 359}, {360, 180}, {359, 179}};
    for (const auto& [azimut, inverse] : cas) {
        EXPECT_EQ(AzimutCheminLong(azimut), inverse) << azimut;
    }
}

struct CasComplements {
    const char* mon;
    const char* son;
    const char* distance;
    const char* azimut;
};

class Complements : public testing::TestWithParam<CasComplements> {};

TEST_P(Complements, CheminLongMillesEtPointCardinalDApresLeCalcul) {
    EtatCalcul etat;
    test::ChampsEnregistres champs;
    champs.textes[Champ::MonLocator] = GetParam().mon;
    champs.textes[Champ::SonLocator] = GetParam().son;
    DemandeDistance(etat, champs);
    const auto textes = DecritCalcul(etat, champs[Champ::Azimut]);
    ASSERT_TRUE(textes);
    EXPECT_EQ(textes->distance, GetParam().distance);
    EXPECT_EQ(textes->azimut, GetParam().azimut);
}

INSTANTIATE_TEST_SUITE_P(
    Paires, Complements,
    testing::Values(
        CasComplements{"JN38DM", "FN20XR", "6126 km (3807 milles) — chemin long : 33950 km",
                       "295° ONO — chemin long : 115° ESE"},
        CasComplements{"FN20XR", "JN38DM", "6126 km (3807 milles) — chemin long : 33950 km",
                       "52° NE — chemin long : 232° SO"},
        CasComplements{"JN38DM", "PF95AA", "15838 km (9841 milles) — chemin long : 24239 km",
                       "87° E — chemin long : 267° O"},
        CasComplements{"JN38DM", "JO38DM", "1113 km (692 milles) — chemin long : 38963 km",
                       "360° N — chemin long : 180° S"},
        CasComplements{"JN38DM", "JN38DM", "0 km (0 milles) — chemin long : —",
                       "0° N — chemin long : —"}));

TEST(DecritCalcul, RienApresUnEffacement) {
    EXPECT_FALSE(DecritCalcul(EtatCalcul{}, ""));
    EXPECT_FALSE(DecritCalcul(EtatCalcul{}, "12abc"));
}

} // namespace
} // namespace vantrel
