// What each handler writes and prompts, in order, through the window's fields.
#include "champs_enregistres.h"
#include "textes_du_programme.h"
#include "vantrel/evenements.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using essais::ChampsEnregistres;
using essais::Ecrit;
using essais::Invite;
using essais::Longueur;
using Journal = std::vector<essais::Evenement>;

TEST(QuitteMonLocator, MetLeChampEnMajusculesPuisLeControle) {
    EtatCalcul etat;
    ChampsEnregistres champs;
    champs[Champ::MonLocator] = " jn38dm";
    EXPECT_TRUE(QuitteMonLocator(etat, champs));
    EXPECT_EQ(champs.journal,
              (Journal{Ecrit(Champ::MonLocator, " JN38DM"), Ecrit(Champ::MaLati, "48° 31' Nord"),
                       Ecrit(Champ::MaLongi, "6° 17' Est")}));

    champs.journal.clear();
    champs[Champ::MonLocator] = " ";
    EXPECT_FALSE(QuitteMonLocator(etat, champs));
    EXPECT_EQ(champs.journal,
              (Journal{Ecrit(Champ::MonLocator, " "), Invite(std::string(messages::LocatorVide))}));
}

struct CasDemande {
    const char* nom;
    const char* monLocator;
    const char* sonLocator;
    bool monDejaQuitte; // the field was left (and checked) before the click
    Journal journal;    // what the click writes and prompts
};

class Demande : public testing::TestWithParam<CasDemande> {};

// An earlier locator was accepted first: it must never serve for another text in the field.
TEST_P(Demande, DistanceSeulementDepuisLeLocatorQueMontreLeChamp) {
    const CasDemande& cas = GetParam();
    EtatCalcul etat;
    ChampsEnregistres champs;
    champs[Champ::MonLocator] = "JN38DM";
    QuitteMonLocator(etat, champs);
    champs[Champ::MonLocator] = cas.monLocator;
    if (cas.monDejaQuitte) {
        QuitteMonLocator(etat, champs);
    }
    champs[Champ::SonLocator] = cas.sonLocator;
    const EtatCalcul avant = etat;
    champs.journal.clear();
    DemandeDistance(etat, champs);
    EXPECT_EQ(champs.journal, cas.journal);
    if (champs[Champ::Distance].empty()) {
        EXPECT_EQ(etat.AngleDist, avant.AngleDist); // nothing computed, nothing kept
        EXPECT_EQ(etat.MonLocatorAccepte, avant.MonLocatorAccepte);
    }
}

const Journal Calcul = {Ecrit(Champ::SaLati, "40° 43' Nord"),
                        Ecrit(Champ::SaLongi, "76° 117' Ouest"), Ecrit(Champ::Distance, "6126"),
                        Ecrit(Champ::Azimut, "295"), Ecrit(Champ::Azimut, "295")};

Journal Puis(Journal debut, const Journal& suite) {
    debut.insert(debut.end(), suite.begin(), suite.end());
    return debut;
}

INSTANTIATE_TEST_SUITE_P(
    Clics, Demande,
    testing::Values(
        CasDemande{"Accepte", "JN38DM", "fn20xr", true,
                   Puis({Ecrit(Champ::SonLocator, "FN20XR")}, Calcul)},
        CasDemande{"NonEncoreControle",
                   "fn20xr",
                   "JN38DM",
                   false,
                   {Ecrit(Champ::SonLocator, "JN38DM"), Ecrit(Champ::MaLati, "40° 43' Nord"),
                    Ecrit(Champ::MaLongi, "76° 117' Ouest"), Ecrit(Champ::SaLati, "48° 31' Nord"),
                    Ecrit(Champ::SaLongi, "6° 17' Est"), Ecrit(Champ::Distance, "6126"),
                    Ecrit(Champ::Azimut, "52"), Ecrit(Champ::Azimut, "52")}},
        CasDemande{
            "MonVide",
            "",
            "fn20xr",
            false,
            {Ecrit(Champ::SonLocator, "FN20XR"), Invite(std::string(messages::MonLocatorVide))}},
        CasDemande{"SonVide",
                   "JN38DM",
                   "",
                   true,
                   {Ecrit(Champ::SonLocator, ""), Invite(std::string(messages::SonLocatorVide))}},
        CasDemande{
            "EspaceDeDepart",
            " ",
            "FN20XR",
            false,
            {Ecrit(Champ::SonLocator, "FN20XR"), Invite(std::string(messages::LocatorVide))}},
        // Left with its prompt, then clicked: checked again, nothing computed.
        CasDemande{"RefuseDejaQuitte",
                   "JN3",
                   "FN20XR",
                   true,
                   {Ecrit(Champ::SonLocator, "FN20XR"), Invite(Longueur("JN3"))}},
        CasDemande{"SonRefuse",
                   "JN38DM",
                   "JN38",
                   true,
                   {Ecrit(Champ::SonLocator, "JN38"), Invite(Longueur("JN38"))}}),
    [](const auto& info) { return info.param.nom; });

struct CasCoordonnees {
    std::array<const char*, 8> textes;
    const char* attendu; // TxtLocator afterwards
};

class DemandeLocatorTest : public testing::TestWithParam<CasCoordonnees> {};

TEST_P(DemandeLocatorTest, LocatorOuSaisieIncorrecte) {
    ChampsEnregistres champs;
    champs[Champ::TxtLocator] = "AVANT";
    const Champ ordre[] = {Champ::Dlo, Champ::Mlo, Champ::Slo, Champ::Elo,
                           Champ::Dla, Champ::Mla, Champ::Sla, Champ::Ela};
    for (int i = 0; i < 8; ++i) {
        champs[ordre[i]] = GetParam().textes[i];
    }
    DemandeLocator(champs, {","});
    const bool refuse = GetParam().attendu == std::string("AVANT");
    EXPECT_EQ(champs.journal, refuse ? Journal{Invite(std::string(messages::SaisieIncorrecte))}
                                     : Journal{Ecrit(Champ::TxtLocator, GetParam().attendu)});
}

INSTANTIATE_TEST_SUITE_P(
    Clics, DemandeLocatorTest,
    testing::Values(CasCoordonnees{{"006", "7", "0", "Est", "48", "35", "0", "Nord"}, "JN38BO"},
                    CasCoordonnees{{"6,5", "0", "0", "Est", "48,5", "0", "0", "Nord"}, "JN38FL"},
                    CasCoordonnees{{"", "7", "0", "Est", "48", "35", "0", "Nord"}, "AVANT"},
                    CasCoordonnees{{"006", "7", "0", "Est", "48", "35", "0", ""}, "AVANT"},
                    CasCoordonnees{{"006", "7", "0", "", "48", "35", "0", "Nord"}, "AVANT"},
                    CasCoordonnees{{"006", "7", "0", "Est", "48", "35", " ", "Nord"}, "AVANT"},
                    CasCoordonnees{{"6.5", "7", "0", "Est", "48", "35", "0", "Nord"}, "AVANT"},
                    CasCoordonnees{{"190", "0", "0", "Est", "48", "35", "0", "Nord"}, "AVANT"}));

TEST(EffaceLocators, VideLeCoteLocatorsDansLOrdreEtGardeLEtat) {
    EtatCalcul etat;
    ChampsEnregistres champs;
    champs[Champ::MonLocator] = "JN38DM";
    QuitteMonLocator(etat, champs);
    champs[Champ::TxtLocator] = "JN38BO";
    champs.journal.clear();
    EffaceLocators(champs);
    EXPECT_EQ(champs.journal, (Journal{Ecrit(Champ::MonLocator, ""), Ecrit(Champ::SonLocator, ""),
                                       Ecrit(Champ::MaLongi, ""), Ecrit(Champ::SaLongi, ""),
                                       Ecrit(Champ::MaLati, ""), Ecrit(Champ::SaLati, ""),
                                       Ecrit(Champ::Distance, ""), Ecrit(Champ::Azimut, "")}));
    EXPECT_EQ(champs[Champ::TxtLocator], "JN38BO");
    EXPECT_EQ(etat.MonLocatorAccepte, "JN38DM");
}

} // namespace
} // namespace vantrel
