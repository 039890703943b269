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
using Journal = std::vector<essais::Evenement>;

// An earlier locator was accepted first: it must never serve for another text in the field,
// and a refused click computes and keeps nothing.
TEST(DemandeDistance, SeulementDepuisLesLocatorsQueMontrentLesChamps) {
    const std::tuple<const char*, const char*, Journal> cas[] = {
        {"JN38DM",
         "fn20xr",
         {Ecrit(Champ::SonLocator, "FN20XR"), Ecrit(Champ::SaLati, "40° 43' Nord"),
          Ecrit(Champ::SaLongi, "76° 117' Ouest"), Ecrit(Champ::Distance, "6126"),
          Ecrit(Champ::Azimut, "295"), Ecrit(Champ::Azimut, "295")}},
        {"fn20xr",
         "JN38DM",
         {Ecrit(Champ::SonLocator, "JN38DM"), Ecrit(Champ::MaLati, "40° 43' Nord"),
          Ecrit(Champ::MaLongi, "76° 117' Ouest"), Ecrit(Champ::SaLati, "48° 31' Nord"),
          Ecrit(Champ::SaLongi, "6° 17' Est"), Ecrit(Champ::Distance, "6126"),
          Ecrit(Champ::Azimut, "52"), Ecrit(Champ::Azimut, "52")}},
        {"",
         "fn20xr",
         {Ecrit(Champ::SonLocator, "FN20XR"), Invite(std::string(messages::MonLocatorVide))}},
        {"JN38DM",
         "",
         {Ecrit(Champ::SonLocator, ""), Invite(std::string(messages::SonLocatorVide))}},
        {"JN38DM", "JN38", {Ecrit(Champ::SonLocator, "JN38"), Invite(essais::Longueur("JN38"))}}};
    for (const auto& [mon, son, journal] : cas) {
        EtatCalcul etat;
        ChampsEnregistres champs;
        champs[Champ::MonLocator] = "JN38DM";
        QuitteMonLocator(etat, champs);
        champs[Champ::MonLocator] = mon;
        champs[Champ::SonLocator] = son;
        const EtatCalcul avant = etat;
        champs.journal.clear();
        DemandeDistance(etat, champs);
        EXPECT_EQ(champs.journal, journal) << mon << " -> " << son;
        if (champs[Champ::Distance].empty()) {
            EXPECT_EQ(etat.AngleDist, avant.AngleDist);
            EXPECT_EQ(etat.MonLocatorAccepte, avant.MonLocatorAccepte);
        }
    }
}

TEST(DemandeLocator, LocatorOuSaisieIncorrecte) {
    const std::pair<std::array<const char*, 8>, const char*> cas[] = {
        {{"006", "7", "0", "Est", "48", "35", "0", "Nord"}, "JN38BO"},
        {{"6,5", "0", "0", "Est", "48,5", "0", "0", "Nord"}, "JN38FL"},
        {{"6.5", "7", "0", "Est", "48", "35", "0", "Nord"}, nullptr}};
    const Champ ordre[] = {Champ::Dlo, Champ::Mlo, Champ::Slo, Champ::Elo,
                           Champ::Dla, Champ::Mla, Champ::Sla, Champ::Ela};
    for (const auto& [textes, attendu] : cas) {
        ChampsEnregistres champs;
        for (int i = 0; i < 8; ++i) {
            champs[ordre[i]] = textes[i];
        }
        DemandeLocator(champs, {","});
        EXPECT_EQ(champs.journal, attendu
                                      ? Journal{Ecrit(Champ::TxtLocator, attendu)}
                                      : Journal{Invite(std::string(messages::SaisieIncorrecte))});
    }
}

TEST(EffaceLocators, VideLeCoteLocatorsDansLOrdreEtGardeLEtat) {
    EtatCalcul etat;
    ChampsEnregistres champs;
    champs[Champ::MonLocator] = "JN38DM";
    QuitteMonLocator(etat, champs);
    champs.journal.clear();
    EffaceLocators(champs);
    EXPECT_EQ(champs.journal, (Journal{Ecrit(Champ::MonLocator, ""), Ecrit(Champ::SonLocator, ""),
                                       Ecrit(Champ::MaLongi, ""), Ecrit(Champ::SaLongi, ""),
                                       Ecrit(Champ::MaLati, ""), Ecrit(Champ::SaLati, ""),
                                       Ecrit(Champ::Distance, ""), Ecrit(Champ::Azimut, "")}));
    EXPECT_EQ(etat.MonLocatorAccepte, "JN38DM");
}

} // namespace
} // namespace vantrel
