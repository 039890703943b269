// What each handler writes and prompts, in order, through the window's fields.
#include "champs_enregistres.h"
#include "textes_du_programme.h"
#include "vantrel/evenements.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using essais::Ecrit;
using essais::Invite;
using Journal = std::vector<essais::Evenement>;
using enum Champ;

// An earlier locator was accepted first: it must never serve for another text in the field,
// and a refused click computes and keeps nothing.
TEST(DemandeDistance, SeulementDepuisLesLocatorsQueMontrentLesChamps) {
    // Due north and due south of JN38DM, ten degrees of latitude away: a 36th of the
    // circumference, 1113 km.
    const std::tuple<const char*, const char*, Journal> cas[] = {
        {"JN38DM",
         "jo38dm",
         {Ecrit(SonLocator, "JO38DM"), Ecrit(SaLati, "58° 31' Nord"), Ecrit(SaLongi, "6° 17' Est"),
          Ecrit(Distance, "1113"), Ecrit(Azimut, "360"), Ecrit(Azimut, "360")}},
        {"jo38dm",
         "JN38DM",
         {Ecrit(SonLocator, "JN38DM"), Ecrit(MaLati, "58° 31' Nord"), Ecrit(MaLongi, "6° 17' Est"),
          Ecrit(SaLati, "48° 31' Nord"), Ecrit(SaLongi, "6° 17' Est"), Ecrit(Distance, "1113"),
          Ecrit(Azimut, "180"), Ecrit(Azimut, "180")}},
        {"", "fn20xr", {Ecrit(SonLocator, "FN20XR"), Invite(essais::MonLocatorVide)}},
        {"JN38DM", "", {Ecrit(SonLocator, ""), Invite(essais::SonLocatorVide)}},
        {"JN38DM", "JN38", {Ecrit(SonLocator, "JN38"), Invite(essais::Longueur("JN38"))}}};
    for (const auto& [mon, son, journal] : cas) {
        EtatCalcul etat;
        essais::ChampsEnregistres champs;
        champs[MonLocator] = "JN38DM";
        QuitteMonLocator(etat, champs);
        champs[MonLocator] = mon;
        champs[SonLocator] = son;
        champs.journal.clear();
        DemandeDistance(etat, champs);
        EXPECT_EQ(champs.journal, journal) << mon << " -> " << son;
        if (champs[Distance].empty()) {
            EXPECT_FALSE(etat.calcul.has_value());
            EXPECT_EQ(etat.MonLocatorAccepte, "JN38DM");
        }
    }
}

// The position's hemispheres are the lists' words to the letter: a near miss is refused, never
// read as East or North. 58° 23' W, 34° 36' S is GF05TJ (121.6° from 180° W: field 6 (G),
// square 0, 0.81 × 24 = 19.4 subsquares (T); 55.4° from 90° S: F, 5, 0.4 × 24 = 9.6 (J)); East
// and North, 238.4° and 124.6°, are LM94EO.
TEST(DemandeLocator, SeulementLesMotsDesListes) {
    const std::tuple<const char*, const char*, Journal> cas[] = {
        {"Ouest", "Sud", {Ecrit(TxtLocator, "GF05TJ")}},
        {"Est", "Nord", {Ecrit(TxtLocator, "LM94EO")}},
        {"ouest", "Sud", {Invite(essais::SaisieIncorrecte)}},
        {"Ouest", "Sud ", {Invite(essais::SaisieIncorrecte)}},
        {"Sud", "Ouest", {Invite(essais::SaisieIncorrecte)}}};
    for (const auto& [elo, ela, journal] : cas) {
        essais::ChampsEnregistres champs;
        const std::pair<Champ, const char*> saisie[] = {{Dlo, "58"}, {Mlo, "23"}, {Slo, "0"},
                                                        {Elo, elo},  {Dla, "34"}, {Mla, "36"},
                                                        {Sla, "0"},  {Ela, ela}};
        for (const auto& [champ, texte] : saisie) {
            champs[champ] = texte;
        }
        DemandeLocator(champs, FormatNombres{});
        EXPECT_EQ(champs.journal, journal) << elo << ", " << ela;
    }
}

} // namespace
} // namespace vantrel
