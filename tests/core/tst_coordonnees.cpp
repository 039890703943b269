#include "vantrel/controle.h"
#include "vantrel/coordonnees.h"
#include "vantrel/position.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace vantrel {
namespace {

const std::locale& Classique() {
    return std::locale::classic();
}

// The tests read French numbers too; a machine without the locale fails them rather than
// skipping them.
std::locale Francais() {
    try {
        return std::locale("fr_FR.UTF-8");
    } catch (const std::runtime_error&) {
        ADD_FAILURE() << "the fr_FR.UTF-8 locale is not installed (localedef -i fr_FR -f UTF-8 "
                         "fr_FR.UTF-8)";
        return std::locale::classic();
    }
}

struct CasLocator {
    PositionDMS position;
    std::optional<std::string> attendu;
};

class Encodage : public testing::TestWithParam<CasLocator> {};

TEST_P(Encodage, SixCaracteresOuRien) {
    EXPECT_EQ(locator(GetParam().position, Classique()), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, Encodage,
    testing::Values(CasLocator{{"006", "7", "0", "Est", "48", "35", "0", "Nord"}, "JN38BO"},
                    CasLocator{{"6", "7", "0", "Est", "48", "35", "0", "Nord"}, "JN38BO"},
                    CasLocator{{"77", "2", "0", "Ouest", "38", "54", "0", "Nord"}, "FM18LV"},
                    CasLocator{{"151", "12", "0", "Est", "33", "52", "0", "Sud"}, "QF56OD"},
                    CasLocator{{"58", "23", "0", "Ouest", "34", "36", "0", "Sud"}, "GF05TJ"},
                    CasLocator{{"2", "20", "14", "Est", "48", "51", "24", "Nord"}, "JN18EU"},
                    CasLocator{{"0", "0", "0", "Est", "0", "0", "0", "Nord"}, "JJ00AA"},
                    CasLocator{{"0", "0", "0", "Ouest", "0", "0", "0", "Sud"}, "JJ00AA"},
                    CasLocator{{"180", "0", "0", "Ouest", "90", "0", "0", "Sud"}, "AA00AA"},
                    CasLocator{{"179", "59", "59", "Est", "89", "59", "59", "Nord"}, "RR99XX"},
                    // The closed edges 180° E and 90° N fall in the last field.
                    CasLocator{{"180", "0", "0", "Est", "90", "0", "0", "Nord"}, "RR99XX"},
                    CasLocator{{"180", "0", "0", "Est", "48", "35", "0", "Nord"}, "RN98XO"},
                    // Hemisphere words are compared exactly.
                    CasLocator{{"006", "7", "0", "ouest", "48", "35", "0", "sud"}, "JN38BO"},
                    CasLocator{{"6", "67", "0", "Est", "48", "35", "0", "Nord"}, "JN38NO"},
                    CasLocator{{"7", "7", "0", "Est", "48", "35", "0", "Nord"}, "JN38NO"},
                    CasLocator{{"-6", "7", "0", "Est", "48", "35", "0", "Nord"}, "IN78BO"},
                    CasLocator{{"6", "7", "0", "Ouest", "48", "35", "0", "Nord"}, "IN68WO"},
                    // Boundaries land where the double-precision steps put them.
                    CasLocator{{"6", "30", "0", "Est", "48", "30", "0", "Nord"}, "JN38FL"},
                    CasLocator{{"006", "7", "0", "Est", "48", "35", "0", "Sud"}, "JE31BJ"},
                    CasLocator{{" 6 ", "7", "0", "Est", "48", "35", "0", "Nord"}, "JN38BO"},
                    // Beyond the earth's ranges, or not numbers: no locator.
                    CasLocator{{"181", "0", "0", "Est", "0", "0", "0", "Nord"}, std::nullopt},
                    CasLocator{{"180", "0", "1", "Ouest", "0", "0", "0", "Nord"}, std::nullopt},
                    CasLocator{{"0", "0", "0", "Est", "90", "1", "0", "Nord"}, std::nullopt},
                    CasLocator{{"999", "0", "0", "Est", "0", "0", "0", "Nord"}, std::nullopt},
                    CasLocator{{"-999", "0", "0", "Est", "0", "0", "0", "Nord"}, std::nullopt},
                    CasLocator{{"abc", "0", "0", "Est", "0", "0", "0", "Nord"}, std::nullopt},
                    CasLocator{{"6", "7", "0", "Est", "48", "3x", "0", "Nord"}, std::nullopt},
                    CasLocator{{"6", "7", " ", "Est", "48", "35", "0", "Nord"}, std::nullopt},
                    CasLocator{{"1e999", "0", "0", "Est", "0", "0", "0", "Nord"}, std::nullopt},
                    CasLocator{{"nan", "0", "0", "Est", "0", "0", "0", "Nord"}, std::nullopt},
                    CasLocator{{"inf", "0", "0", "Est", "0", "0", "0", "Nord"}, std::nullopt}));

struct CasNombre {
    const char* texte;
    std::optional<double> classique, francais;
};

class Nombres : public testing::TestWithParam<CasNombre> {};

TEST_P(Nombres, LeSeparateurDecimalEstCeluiDeLaLangue) {
    EXPECT_EQ(LitNombre(GetParam().texte, Classique()), GetParam().classique);
    EXPECT_EQ(LitNombre(GetParam().texte, Francais()), GetParam().francais);
}

INSTANTIATE_TEST_SUITE_P(
    Textes, Nombres,
    testing::Values(CasNombre{"48", 48, 48}, CasNombre{"006", 6, 6}, CasNombre{"-6", -6, -6},
                    CasNombre{"48.5", 48.5, std::nullopt}, CasNombre{"48,5", std::nullopt, 48.5},
                    CasNombre{" 7 ", 7, 7}, CasNombre{"", std::nullopt, std::nullopt},
                    CasNombre{"-", std::nullopt, std::nullopt},
                    CasNombre{"4 8", std::nullopt, std::nullopt},
                    CasNombre{"0x10", std::nullopt, std::nullopt},
                    // Separators at either end, a plus sign, an exponent, a second separator.
                    CasNombre{"5.", 5, std::nullopt}, CasNombre{",5", std::nullopt, 0.5},
                    CasNombre{"-,5", std::nullopt, -0.5}, CasNombre{"+5", 5, 5},
                    CasNombre{"1e2", 100, 100}, CasNombre{"1,5,5", std::nullopt, std::nullopt},
                    CasNombre{"--5", std::nullopt, std::nullopt},
                    CasNombre{"5-", std::nullopt, std::nullopt},
                    // Longer than the usual, and beyond a double.
                    CasNombre{"000000000000000000000000000000000000048", 48, 48},
                    CasNombre{"1e999", std::nullopt, std::nullopt}));

// Whatever path reads a number, it gives what the locale's own stream reader gives.
TEST(Nombres, CommeLeLecteurDeLaLangue) {
    const auto parFlux = [](const std::string& texte,
                            const std::locale& langue) -> std::optional<double> {
        std::istringstream flux(texte);
        flux.imbue(langue);
        double valeur = 0;
        flux >> valeur;
        if (flux.fail() || !(flux >> std::ws).eof()) {
            return std::nullopt;
        }
        return valeur;
    };
    for (const char* texte : {"0",
                              "7",
                              "-7",
                              "48.5",
                              "48,5",
                              "0.1",
                              "0,1",
                              "-0",
                              "-0.0",
                              "123456789.123456789",
                              "3,14159265358979",
                              "179.99999999999999",
                              ".5",
                              ",5",
                              "5.",
                              "5,",
                              "-.5",
                              "-,5",
                              "00.50",
                              "1.5e1",
                              "1,5e1"}) {
        for (const std::locale& langue : {Classique(), Francais()}) {
            EXPECT_EQ(LitNombre(texte, langue), parFlux(texte, langue))
                << texte << " in " << langue.name();
        }
    }
}

TEST(Encodage, UnFrancaisTapeSesDecimalesAvecUneVirgule) {
    const std::locale fr = Francais();
    EXPECT_EQ(locator({"6,116667", "0", "0", "Est", "48,58334", "0", "0", "Nord"}, fr), "JN38BO");
    EXPECT_EQ(locator({"6.116667", "0", "0", "Est", "48.583333", "0", "0", "Nord"}, fr),
              std::nullopt);
}

TEST(LocaleUtilisateur, UneLangueInconnueDonneLaLocaleClassique) {
    const char* ancienne = std::getenv("LC_ALL");
    const std::string sauvee = ancienne ? ancienne : "";
    setenv("LC_ALL", "xx_YY.inexistante", 1);
    EXPECT_EQ(LocaleUtilisateur(), std::locale::classic());
    if (ancienne) {
        setenv("LC_ALL", sauvee.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
}

// The centre of every subsquare, written in degrees, minutes and seconds with its
// hemispheres, encodes back to its own locator. Every field and square is visited, with
// subsquares spread over all 24 × 24.
TEST(AllerRetour, LeCentreDUnLocatorRedonneCeLocator) {
    const auto dms = [](const CoordonneeLocator& c, const char* positif, const char* negatif) {
        // Centres fall on whole seconds: minutes are multiples of 1.25'.
        const long secondes = std::lround(c.degres * 3600.0 + c.minutes * 60);
        const long absolues = std::labs(secondes);
        return std::array<std::string, 4>{
            std::to_string(absolues / 3600), std::to_string(absolues % 3600 / 60),
            std::to_string(absolues % 60), secondes < 0 ? negatif : positif};
    };
    int verifies = 0;
    for (int champ = 0; champ < 18 * 18; ++champ) {
        for (int carre = 0; carre < 100; ++carre) {
            for (int k = 0; k < 4; ++k) {
                const int sx = (champ + carre * 7 + k * 5) % 24;
                const int sy = (champ * 5 + carre * 11 + k * 13) % 24;
                const std::string texte{char('A' + champ / 18), char('A' + champ % 18),
                                        char('0' + carre / 10), char('0' + carre % 10),
                                        char('A' + sx),         char('A' + sy)};
                const Controle controle = VerifieLocator(texte);
                ASSERT_TRUE(controle) << texte;
                const auto lon = dms(LongitudeLocator(*controle.locator), "Est", "Ouest");
                const auto lat = dms(LatitudeLocator(*controle.locator), "Nord", "Sud");
                ASSERT_EQ(locator({lon[0], lon[1], lon[2], lon[3], lat[0], lat[1], lat[2], lat[3]},
                                  Classique()),
                          texte);
                ++verifies;
            }
        }
    }
    EXPECT_EQ(verifies, 18 * 18 * 100 * 4);
}

} // namespace
} // namespace vantrel
