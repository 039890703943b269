#include "champs_enregistres.h"
#include "vantrel/controle.h"
#include "vantrel/distance.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::ChampsEnregistres;
using test::Ecrit;

struct Resultat {
    std::string distance, azimut;
    bool operator==(const Resultat&) const = default;
    friend std::ostream& operator<<(std::ostream& os, const Resultat& r) {
        return os << r.distance << " km, " << r.azimut << "°";
    }
};

Resultat Calcule(EtatCalcul& etat, const char* monLocator, const char* sonLocator) {
    ChampsEnregistres champs;
    EXPECT_TRUE(ControleLocator(monLocator, etat, champs));
    champs.textes[Champ::SonLocator] = sonLocator;
    tally(etat, champs);
    EXPECT_TRUE(champs.messages().empty());
    return {champs[Champ::Distance], champs[Champ::Azimut]};
}

struct CasDistance {
    const char* mon;
    const char* son;
    Resultat attendu;
};

class Distances : public testing::TestWithParam<CasDistance> {};

TEST_P(Distances, DistanceEtAzimutDepuisUnEtatNeuf) {
    EtatCalcul etat;
    EXPECT_EQ(Calcule(etat, GetParam().mon, GetParam().son), GetParam().attendu);
}

// The same results whatever was computed before: no value of an earlier computation leaks in.
TEST_P(Distances, DistanceEtAzimutApresUnAutreCalcul) {
    EtatCalcul etat;
    Calcule(etat, "JN38DM", "FN20XR");
    Calcule(etat, "AA00AA", "RR99XX");
    EXPECT_EQ(Calcule(etat, GetParam().mon, GetParam().son), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Paires, Distances,
    testing::Values(
        CasDistance{"JN38DM", "FN20XR", {"6126", "295"}},
        CasDistance{"FN20XR", "JN38DM", {"6126", "52"}},
        CasDistance{"JN38DM", "JN48DM", {"147", "89"}},
        CasDistance{"JN38DM", "IN98DM", {"590", "273"}},
        CasDistance{"JN38DM", "PF95AA", {"15838", "87"}},
        // The short way round crosses the ±180° meridian: east and west as seen along it.
        CasDistance{"RP90XA", "AP00AA", {"5", "89"}}, CasDistance{"AP00AA", "RP90XA", {"5", "271"}},
        CasDistance{"PM95UQ", "FN20XR", {"10858", "25"}},
        CasDistance{"FN20XR", "PM95UQ", {"10858", "333"}},
        CasDistance{"QF56OD", "FN20XR", {"16004", "65"}},
        // Due north, due south, the same place.
        CasDistance{"JN38DM", "JO38DM", {"1113", "360"}},
        CasDistance{"JN38DM", "JM38DM", {"1113", "180"}},
        CasDistance{"JN38DM", "JN38DM", {"0", "0"}}, CasDistance{"AA00AA", "AA00AA", {"0", "0"}},
        CasDistance{"RR99XX", "RR99XX", {"0", "0"}}, CasDistance{"JJ00AA", "JJ00AA", {"0", "0"}}));

TEST(Tally, EcritSesQuatreChampsDansLOrdrePuisAzimutUneSecondeFois) {
    EtatCalcul etat;
    ChampsEnregistres champs;
    ASSERT_TRUE(ControleLocator("JN38DM", etat, champs));
    champs.journal.clear();
    champs.textes[Champ::SonLocator] = "FN20XR";
    tally(etat, champs);
    EXPECT_EQ(champs.journal,
              (std::vector{Ecrit(Champ::SaLati, "40° 43' Nord"),
                           Ecrit(Champ::SaLongi, "76° 117' Ouest"), Ecrit(Champ::Distance, "6126"),
                           Ecrit(Champ::Azimut, "295"), Ecrit(Champ::Azimut, "295")}));
    EXPECT_EQ(etat.SaLatDeg, 40);
    EXPECT_EQ(etat.SaLonDeg, -76);
    EXPECT_EQ(etat.Hemisphere, "Ouest");
    EXPECT_EQ(etat.Pi, 3.1415926535);
}

// Whoever comes to the distance with an unaccepted correspondent gets the check's prompt, and
// nothing else happens: no field written, the state as it was.
TEST(Tally, UnLocatorCorrespondantRefuseNeChangeRien) {
    const std::pair<const char*, const char*> cas[] = {
        {"", "Le locator est vide !"},
        {" JN3", "JN3 : Un Locator est composé de deux lettres, deux chiffres, deux lettres, "
                 "comme JN38DM."},
        {"SX38DM", "83 : Le premier caractère n'est pas une lettre valide."},
        {"JN3800", "48 : Le cinquième caractère n'est pas une lettre valide."},
        {"jn38dé", "201 : Le sixième caractère n'est pas une lettre valide."},
    };
    for (const auto& [texte, message] : cas) {
        EtatCalcul etat;
        ChampsEnregistres champs;
        Calcule(etat, "JN38DM", "FN20XR");
        const EtatCalcul avant = etat;
        champs.textes[Champ::SonLocator] = texte;
        tally(etat, champs);
        EXPECT_EQ(champs.journal, std::vector{test::Invite(message)}) << texte;
        EXPECT_EQ(etat.SaLatMin, avant.SaLatMin);
        EXPECT_EQ(etat.SaLonDeg, avant.SaLonDeg);
        EXPECT_EQ(etat.AngleDist, avant.AngleDist);
        EXPECT_EQ(etat.AngleAzimut, avant.AngleAzimut);
        EXPECT_EQ(etat.Hemisphere, avant.Hemisphere);
    }
}

} // namespace
} // namespace vantrel
