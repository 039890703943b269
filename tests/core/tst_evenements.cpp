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
    // Due north and due south of JN38DM, ten degrees of latitude away: a 36th of the
    // circumference, 1113 km.
    const std::tuple<const char*, const char*, Journal> cas[] = {
        {"JN38DM",
         "jo38dm",
         {Ecrit(Champ::SonLocator, "JO38DM"), Ecrit(Champ::SaLati, "58° 31' Nord"),
          Ecrit(Champ::SaLongi, "6° 17' Est"), Ecrit(Champ::Distance, "1113"),
          Ecrit(Champ::Azimut, "360"), Ecrit(Champ::Azimut, "360")}},
        {"jo38dm",
         "JN38DM",
         {Ecrit(Champ::SonLocator, "JN38DM"), Ecrit(Champ::MaLati, "58° 31' Nord"),
          Ecrit(Champ::MaLongi, "6° 17' Est"), Ecrit(Champ::SaLati, "48° 31' Nord"),
          Ecrit(Champ::SaLongi, "6° 17' Est"), Ecrit(Champ::Distance, "1113"),
          Ecrit(Champ::Azimut, "180"), Ecrit(Champ::Azimut, "180")}},
        {"",
         "fn20xr",
         {Ecrit(Champ::SonLocator, "FN20XR"), Invite(std::string(essais::MonLocatorVide))}},
        {"JN38DM", "", {Ecrit(Champ::SonLocator, ""), Invite(std::string(essais::SonLocatorVide))}},
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
            EXPECT_FALSE(etat.calcul.has_value());
            EXPECT_EQ(etat.MonLocatorAccepte, avant.MonLocatorAccepte);
        }
    }
}

// The position's hemispheres are the lists' words to the letter: a near miss is refused, never
// read as East or North. 58° 23' W, 34° 36' S is GF05TJ (121.6° from 180° W: field 6 (G),
// square 0, 0.81 × 24 = 19.4 subsquares (T); 55.4° from 90° S: F, 5, 0.4 × 24 = 9.6 (J)); East
// and North, 238.4° and 124.6°, are LM94EO.
TEST(DemandeLocator, SeulementLesMotsDesListes) {
    const std::tuple<const char*, const char*, Journal> cas[] = {
        {"Ouest", "Sud", {Ecrit(Champ::TxtLocator, "GF05TJ")}},
        {"Est", "Nord", {Ecrit(Champ::TxtLocator, "LM94EO")}},
        {"ouest", "Sud", {Invite("Saise incorrect ")}},
        {"Ouest", "Sud ", {Invite("Saise incorrect ")}},
        {"Ouest", "Nord ", {Invite("Saise incorrect ")}},
        {"Sud", "Ouest", {Invite("Saise incorrect ")}},
        {"West", "South", {Invite("Saise incorrect ")}}};
    for (const auto& [elo, ela, journal] : cas) {
        ChampsEnregistres champs;
        const std::pair<Champ, const char*> saisie[] = {
            {Champ::Dlo, "58"}, {Champ::Mlo, "23"}, {Champ::Slo, "0"}, {Champ::Elo, elo},
            {Champ::Dla, "34"}, {Champ::Mla, "36"}, {Champ::Sla, "0"}, {Champ::Ela, ela}};
        for (const auto& [champ, texte] : saisie) {
            champs[champ] = texte;
        }
        DemandeLocator(champs, FormatNombres{});
        EXPECT_EQ(champs.journal, journal) << elo << ", " << ela;
    }
}

} // namespace
} // namespace vantrel
