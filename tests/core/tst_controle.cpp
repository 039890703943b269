#include "champs_enregistres.h"
#include "vantrel/controle.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ChampsEnregistres;

TEST(MetMajuscule, SeulesLesLettresMinusculesNonAccentueesChangent) {
    const std::pair<std::int16_t, std::int16_t> cas[] = {
        {97, 65}, {122, 90},  {109, 77}, {96, 96}, {123, 123},
        {65, 65}, {233, 233}, {0, 0},    {-1, -1}, {32, 32},
    };
    for (const auto& [touche, attendu] : cas) {
        EXPECT_EQ(MetMajuscule(touche), attendu) << touche;
    }
}

struct CasControle {
    const char* texte;
    const char* message; // empty when accepted
    const char* locator = "";
};

class Verification : public testing::TestWithParam<CasControle> {};

TEST_P(Verification, PremiereRegleEnfreinteEtSonMessage) {
    const Controle controle = VerifieLocator(GetParam().texte);
    EXPECT_EQ(controle.message, GetParam().message);
    ASSERT_EQ(static_cast<bool>(controle), *GetParam().message == '\0');
    if (controle) {
        EXPECT_EQ(controle.locator->texte(), GetParam().locator);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Locators, Verification,
    testing::Values(
        CasControle{"JN38DM", "", "JN38DM"}, CasControle{" jn38dm", "", "JN38DM"},
        CasControle{"  Rr99xX  ", "", "RR99XX"}, CasControle{"AA00AA", "", "AA00AA"},
        CasControle{"", "Le locator est vide !"}, CasControle{"   ", "Le locator est vide !"},
        CasControle{"JN38D", "JN38D : Un Locator est composé de deux lettres, deux chiffres, deux "
                             "lettres, comme JN38DM."},
        CasControle{"jn38dmx",
                    "JN38DMX : Un Locator est composé de deux lettres, deux chiffres, deux "
                    "lettres, comme JN38DM."},
        // Tabs are not trimmed, so they count.
        CasControle{"\tJN38DM",
                    "\tJN38DM : Un Locator est composé de deux lettres, deux chiffres, deux "
                    "lettres, comme JN38DM."},
        CasControle{"JN 38DM",
                    "JN 38DM : Un Locator est composé de deux lettres, deux chiffres, deux "
                    "lettres, comme JN38DM."},
        CasControle{"1N38DM", "49 : Le premier caractère n'est pas une lettre valide."},
        CasControle{"SX38DM", "83 : Le premier caractère n'est pas une lettre valide."},
        CasControle{"JS38DM", "83 : Le second caractère n'est pas une lettre valide."},
        CasControle{"JY38DM", "89 : Le second caractère n'est pas une lettre valide."},
        CasControle{"J@38DM", "64 : Le second caractère n'est pas une lettre valide."},
        CasControle{"JNA8DM", "65 : Le troisième caractère n'est pas un chiffre."},
        CasControle{"JN3XDM", "88 : Le quatrième caractère n'est pas un chiffre."},
        CasControle{"JN38YM", "89 : Le cinquième caractère n'est pas une lettre valide."},
        CasControle{"JN38D1", "49 : Le sixième caractère n'est pas une lettre valide."},
        CasControle{"JN38DX", "", "JN38DX"},
        // A character's code is its Windows-1252 code, after upper-casing.
        CasControle{"éN38DM", "201 : Le premier caractère n'est pas une lettre valide."},
        CasControle{"JN38Dœ", "140 : Le sixième caractère n'est pas une lettre valide."},
        CasControle{"JN38D€", "128 : Le sixième caractère n'est pas une lettre valide."},
        CasControle{"JжN38D", "63 : Le second caractère n'est pas une lettre valide."},
        CasControle{"JN38\xFF"
                    "M",
                    "63 : Le cinquième caractère n'est pas une lettre valide."},
        // Later rules are not reached once one fails.
        CasControle{"ZZZZZZ", "90 : Le premier caractère n'est pas une lettre valide."}));

TEST(ControleLocator, UnLocatorAccepteDevientLaPositionDeLUtilisateur) {
    EtatCalcul etat;
    ChampsEnregistres champs;
    EXPECT_TRUE(ControleLocator(" jn38dm", etat, champs));
    EXPECT_EQ(champs[Champ::MaLati], "48° 31' Nord");
    EXPECT_EQ(champs[Champ::MaLongi], "6° 17' Est");
    EXPECT_EQ(etat.MonLocatorAccepte, "JN38DM");
    EXPECT_TRUE(champs.messages().empty());
}

TEST(ControleLocator, UnLocatorRefuseGardeLaPositionPrecedente) {
    EtatCalcul etat;
    ChampsEnregistres champs;
    ASSERT_TRUE(ControleLocator("FN20XR", etat, champs));
    const EtatCalcul avant = etat;
    const auto journalAvant = champs.journal.size();

    for (const char* refuse : {"", "JN38D", "SX38DM", "JN38D1"}) {
        EXPECT_FALSE(ControleLocator(refuse, etat, champs)) << refuse;
    }
    EXPECT_EQ(champs.messages().size(), 4u);
    EXPECT_EQ(champs.journal.size(), journalAvant + 4); // prompts only, no field written
    EXPECT_EQ(etat.MaLatDeg, avant.MaLatDeg);
    EXPECT_EQ(etat.MaLonDeg, avant.MaLonDeg);
    EXPECT_EQ(etat.MaLatMin, avant.MaLatMin);
    EXPECT_EQ(etat.MaLonMin, avant.MaLonMin);
    EXPECT_EQ(etat.MonLocatorAccepte, "FN20XR");
}

} // namespace
} // namespace vantrel
