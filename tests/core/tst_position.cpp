#include "champs_enregistres.h"
#include "vantrel/position.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ChampsEnregistres;
using test::Ecrit;

TEST(MathFloor, ArronditVersMoinsLInfiniSansToucherSonArgument) {
    const std::pair<double, double> cas[] = {{1.25, 1}, {117.5, 117},  {0.5, 0}, {3, 3},
                                             {0, 0},    {-41.25, -42}, {-3, -3}, {58.75, 58}};
    for (auto [valeur, attendu] : cas) {
        const double avant = valeur;
        EXPECT_EQ(math_floor(valeur), attendu) << valeur;
        EXPECT_EQ(valeur, avant);
    }
}

Locator Accepte(const char* texte) {
    return *VerifieLocator(texte).locator;
}

struct CasPosition {
    const char* locator;
    const char* maLati;
    const char* maLongi;
    double latitude, longitude; // centre of the subsquare, in degrees
    int latDeg, lonDeg;
};

class Decodage : public testing::TestWithParam<CasPosition> {};

TEST_P(Decodage, CentreDuSousCarreEtTextesAffiches) {
    const CasPosition& cas = GetParam();
    EtatCalcul etat;
    ChampsEnregistres champs;
    PositionMonLocator(Accepte(cas.locator), etat, champs);

    EXPECT_EQ(champs.journal,
              (std::vector{Ecrit(Champ::MaLati, cas.maLati), Ecrit(Champ::MaLongi, cas.maLongi)}));
    EXPECT_EQ(etat.MaLatDeg, cas.latDeg);
    EXPECT_EQ(etat.MaLonDeg, cas.lonDeg);
    EXPECT_NEAR(etat.MaLatDeg + etat.MaLatMin / 60, cas.latitude, 1e-4);
    EXPECT_NEAR(etat.MaLonDeg + etat.MaLonMin / 60, cas.longitude, 1e-4);
    EXPECT_EQ(etat.Hemisphere, cas.maLongi + std::string(cas.maLongi).rfind(' ') + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Locators, Decodage,
    testing::Values(
        CasPosition{"JN38DM", "48° 31' Nord", "6° 17' Est", 48.5208, 6.2917, 48, 6},
        CasPosition{"JN38SM", "48° 31' Nord", "6° 92' Est", 48.5208, 7.5417, 48, 6},
        CasPosition{"PF95AA", "35° 1' Sud", "138° 2' Est", -34.9792, 138.0417, -35, 138},
        CasPosition{"FN20XR", "40° 43' Nord", "76° 117' Ouest", 40.7292, -74.0417, 40, -76},
        CasPosition{"AA00AA", "90° 1' Sud", "180° 2' Ouest", -89.9792, -179.9583, -90, -180},
        CasPosition{"JA00AA", "90° 1' Sud", "0° 2' Est", -89.9792, 0.0417, -90, 0},
        CasPosition{"JJ00AA", "0° 1' Nord", "0° 2' Est", 0.0208, 0.0417, 0, 0},
        CasPosition{"IA00AA", "90° 1' Sud", "20° 2' Ouest", -89.9792, -19.9583, -90, -20},
        CasPosition{"RR99XX", "89° 58' Nord", "178° 117' Est", 89.9792, 179.9583, 89, 178}));

} // namespace
} // namespace vantrel
