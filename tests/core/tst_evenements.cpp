#include "champs_enregistres.h"
#include "vantrel/evenements.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ChampsEnregistres;
using test::Ecrit;
using test::Invite;

const std::string LongueurJN3 =
    "JN3 : Un Locator est composé de deux lettres, deux chiffres, deux lettres, comme JN38DM.";

TEST(QuitteMonLocator, MetLeChampEnMajusculesPuisLeControle) {
    EtatCalcul etat;
    ChampsEnregistres champs;
    champs.textes[Champ::MonLocator] = " jn38dm";
    QuitteMonLocator(etat, champs);
    EXPECT_EQ(champs.journal, (std::vector{Ecrit(Champ::MonLocator, " JN38DM"),
                                           Ecrit(Champ::MaLati, "48° 31' Nord"),
                                           Ecrit(Champ::MaLongi, "6° 17' Est")}));

    champs.journal.clear();
    champs.textes[Champ::MonLocator] = " ";
    QuitteMonLocator(etat, champs);
    EXPECT_EQ(champs.journal,
              (std::vector{Ecrit(Champ::MonLocator, " "), Invite("Le locator est vide !")}));
    EXPECT_EQ(etat.MonLocatorAccepte, "JN38DM");
}

struct CasDemande {
    const char* nom;
    const char* monLocator;
    const char* sonLocator;
    bool monDejaQuitte; // the field was left (and checked) before the click
    std::vector<std::string> messages;
    const char* distance; // "" when nothing is computed
};

class Demande : public testing::TestWithParam<CasDemande> {};

TEST_P(Demande, DistanceSeulementDepuisLeLocatorQueMontreLeChamp) {
    const CasDemande& cas = GetParam();
    EtatCalcul etat;
    ChampsEnregistres champs;
    // An earlier locator was accepted: it must never serve for another text in the field.
    champs.textes[Champ::MonLocator] = "JN38DM";
    QuitteMonLocator(etat, champs);

    champs.textes[Champ::MonLocator] = cas.monLocator;
    if (cas.monDejaQuitte) {
        QuitteMonLocator(etat, champs);
    }
    champs.textes[Champ::SonLocator] = cas.sonLocator;
    champs.journal.clear();
    DemandeDistance(etat, champs);

    EXPECT_EQ(champs.messages(), cas.messages);
    EXPECT_EQ(champs[Champ::Distance], cas.distance);
}

INSTANTIATE_TEST_SUITE_P(
    Clics, Demande,
    testing::Values(
        CasDemande{"Accepte", "JN38DM", "FN20XR", true, {}, "6126"},
        CasDemande{"NonEncoreControle", "fn20xr", "JN38DM", false, {}, "6126"},
        CasDemande{"MonVide", "", "FN20XR", false, {"Mon locator est vide"}, ""},
        CasDemande{"SonVide", "JN38DM", "", true, {"Son locator est vide"}, ""},
        CasDemande{"EspaceDeDepart", " ", "FN20XR", false, {"Le locator est vide !"}, ""},
        CasDemande{"RefuseNonQuitte", "JN3", "FN20XR", false, {LongueurJN3}, ""},
        // Left with its message, then clicked: the click checks again, nothing computed.
        CasDemande{"RefuseDejaQuitte", "JN3", "FN20XR", true, {LongueurJN3}, ""},
        CasDemande{"SonRefuse",
                   "JN38DM",
                   "JN38",
                   true,
                   {"JN38 : Un Locator est composé de deux lettres, deux chiffres, deux "
                    "lettres, comme JN38DM."},
                   ""}),
    [](const auto& info) { return info.param.nom; });

TEST(DemandeDistance, MetSonLocatorEnMajusculesAvantToutControle) {
    EtatCalcul etat;
    ChampsEnregistres champs;
    champs.textes[Champ::SonLocator] = "fn20xr";
    DemandeDistance(etat, champs);
    EXPECT_EQ(champs.journal,
              (std::vector{Ecrit(Champ::SonLocator, "FN20XR"), Invite("Mon locator est vide")}));
}

TEST(DemandeDistance, UnLocatorDejaAccepteNEstPasRedecode) {
    EtatCalcul etat;
    ChampsEnregistres champs;
    champs.textes[Champ::MonLocator] = " jn38dm";
    QuitteMonLocator(etat, champs);
    champs.textes[Champ::SonLocator] = "FN20XR";
    champs.journal.clear();
    DemandeDistance(etat, champs);
    EXPECT_EQ(champs.journal.front(), Ecrit(Champ::SonLocator, "FN20XR"));
    EXPECT_EQ(champs.journal.at(1), Ecrit(Champ::SaLati, "40° 43' Nord"));
}

struct CasCoordonnees {
    std::array<const char*, 8> textes;
    const char* attendu; // TxtLocator afterwards
    bool refuse;
};

class DemandeLocatorTest : public testing::TestWithParam<CasCoordonnees> {};

TEST_P(DemandeLocatorTest, LocatorOuSaisieIncorrecte) {
    ChampsEnregistres champs;
    champs.textes[Champ::TxtLocator] = "AVANT";
    const Champ ordre[] = {Champ::Dlo, Champ::Mlo, Champ::Slo, Champ::Elo,
                           Champ::Dla, Champ::Mla, Champ::Sla, Champ::Ela};
    for (int i = 0; i < 8; ++i) {
        champs.textes[ordre[i]] = GetParam().textes[i];
    }
    DemandeLocator(champs, std::locale::classic());
    EXPECT_EQ(champs[Champ::TxtLocator], GetParam().attendu);
    EXPECT_EQ(champs.messages(), GetParam().refuse ? std::vector<std::string>{"Saise incorrect "}
                                                   : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Clics, DemandeLocatorTest,
    testing::Values(
        CasCoordonnees{{"006", "7", "0", "Est", "48", "35", "0", "Nord"}, "JN38BO", false},
        CasCoordonnees{{"006", "", "0", "Est", "48", "35", "0", "Nord"}, "AVANT", true},
        CasCoordonnees{{"006", "7", "0", "Est", "48", "35", "0", ""}, "AVANT", true},
        CasCoordonnees{{"006", "7", "0", "", "48", "35", "0", "Nord"}, "AVANT", true},
        CasCoordonnees{{"006", "7", "0", "Est", "48", "35", " ", "Nord"}, "AVANT", true},
        CasCoordonnees{{"6x", "7", "0", "Est", "48", "35", "0", "Nord"}, "AVANT", true},
        CasCoordonnees{{"190", "0", "0", "Est", "48", "35", "0", "Nord"}, "AVANT", true}));

TEST(EffaceLocators, VideLeCoteLocatorsDansLOrdreEtGardeLEtat) {
    EtatCalcul etat;
    ChampsEnregistres champs;
    champs.textes[Champ::MonLocator] = "JN38DM";
    QuitteMonLocator(etat, champs);
    champs.textes[Champ::TxtLocator] = "JN38BO";
    champs.journal.clear();
    EffaceLocators(champs);
    EXPECT_EQ(champs.journal,
              (std::vector{Ecrit(Champ::MonLocator, ""), Ecrit(Champ::SonLocator, ""),
                           Ecrit(Champ::MaLongi, ""), Ecrit(Champ::SaLongi, ""),
                           Ecrit(Champ::MaLati, ""), Ecrit(Champ::SaLati, ""),
                           Ecrit(Champ::Distance, ""), Ecrit(Champ::Azimut, "")}));
    EXPECT_EQ(champs[Champ::TxtLocator], "JN38BO");
    EXPECT_EQ(etat.MonLocatorAccepte, "JN38DM");

    // The field is empty now, whatever the state still holds.
    champs.textes[Champ::SonLocator] = "FN20XR";
    champs.journal.clear();
    DemandeDistance(etat, champs);
    EXPECT_EQ(champs.messages(), std::vector<std::string>{"Mon locator est vide"});
}

} // namespace
} // namespace vantrel
