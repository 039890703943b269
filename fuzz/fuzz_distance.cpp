// Two arbitrary locator texts through the window's path: leave the user's field, then ask for
// the distance. The same pair is asked once on a fresh window and once after an earlier
// computation, which must not change the outcome.
#include "invariants.h"
#include "vantrel/evenements.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace vantrel;
using namespace vantrel::fuzz;

namespace {

std::optional<int> Entier(const std::string& texte) {
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (texte.empty() || erreur != std::errc() || fin != texte.data() + texte.size()) {
        return std::nullopt;
    }
    return valeur;
}

constexpr std::array ChampsResultat = {Champ::SaLati, Champ::SaLongi, Champ::Distance,
                                       Champ::Azimut};

// What the window shows of the pair (mon, son) after the flow, starting from the state given.
ChampsFuzz Demande(EtatCalcul& etat, const std::string& mon, const std::string& son,
                   bool quitteDAbord) {
    ChampsFuzz champs;
    champs.textes[Champ::MonLocator] = mon;
    champs.textes[Champ::SonLocator] = son;
    if (quitteDAbord) {
        QuitteMonLocator(etat, champs);
    }
    champs.ecrits.clear();
    champs.messages.clear();
    DemandeDistance(etat, champs);
    return champs;
}

void VerifieDemande(const EtatCalcul& etat, ChampsFuzz& champs) {
    for (Champ c : champs.ecrits) {
        Exige(c == Champ::SonLocator || c == Champ::MaLati || c == Champ::MaLongi ||
                  c == Champ::SaLati || c == Champ::SaLongi || c == Champ::Distance ||
                  c == Champ::Azimut,
              "only the distance side is written", NomChamp(c));
    }
    const auto ecrit = [&](Champ c) {
        return std::find(champs.ecrits.begin(), champs.ecrits.end(), c) != champs.ecrits.end();
    };
    if (!ecrit(Champ::Distance)) {
        // Refused: one prompt, and no result field written.
        Exige(champs.messages.size() == 1, "one prompt when nothing is computed");
        for (Champ c : ChampsResultat) {
            Exige(!ecrit(c), "no result without a computation", NomChamp(c));
        }
        return;
    }
    Exige(champs.messages.empty(), "no prompt when a result is shown");
    const std::vector<Champ> fin(
        champs.ecrits.end() - std::min<std::size_t>(5, champs.ecrits.size()), champs.ecrits.end());
    Exige(fin == std::vector{Champ::SaLati, Champ::SaLongi, Champ::Distance, Champ::Azimut,
                             Champ::Azimut},
          "results written in order");

    // Computed only from the locators the fields show, both accepted.
    const std::string monAffiche = NormaliseLocator(champs.textes[Champ::MonLocator]);
    Exige(monAffiche == etat.MonLocatorAccepte, "from the user's field", monAffiche);
    const Controle son = VerifieLocator(champs.textes[Champ::SonLocator]);
    Exige(son.locator.has_value(), "from an accepted correspondent");
    VerifieAccepte(*son.locator);
    Exige(EstTexteCoordonnee(champs.textes[Champ::SaLati], true), "SaLati text",
          champs.textes[Champ::SaLati]);
    Exige(EstTexteCoordonnee(champs.textes[Champ::SaLongi], false), "SaLongi text",
          champs.textes[Champ::SaLongi]);
    Exige(champs.textes[Champ::SaLati] == TexteCoordonnee(LatitudeLocator(*son.locator)) &&
              champs.textes[Champ::SaLongi] == TexteCoordonnee(LongitudeLocator(*son.locator)),
          "the correspondent's position is the one his field shows");

    // The largest angle the arc cosine gives is Pi (or pi/2 + Pi/2, 5e-11 more, through the
    // arc tangent): at most 20038.2950 km, which rounds to 20038.
    const auto distance = Entier(champs.textes[Champ::Distance]);
    Exige(distance && *distance >= 0 && *distance <= 20038, "distance in 0..20038",
          champs.textes[Champ::Distance]);
    const auto azimut = Entier(champs.textes[Champ::Azimut]);
    Exige(azimut && *azimut >= 0 && *azimut <= 360, "azimuth in 0..360",
          champs.textes[Champ::Azimut]);
    if (monAffiche == son.locator->texte()) {
        Exige(*distance == 0 && *azimut == 0, "one place gives 0 and 0");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider fournisseur(donnees, taille);
    const bool quitteDAbord = fournisseur.ConsumeBool();
    const std::string mon = fournisseur.ConsumeRandomLengthString(12);
    const std::string son = fournisseur.ConsumeRandomLengthString(12);
    const std::string monAvant = fournisseur.ConsumeRandomLengthString(12);
    const std::string sonAvant = fournisseur.ConsumeRandomLengthString(12);

    EtatCalcul neuf;
    ChampsFuzz seul = Demande(neuf, mon, son, quitteDAbord);
    VerifieDemande(neuf, seul);

    // No value of an earlier computation reaches a later result.
    EtatCalcul etat;
    Demande(etat, monAvant, sonAvant, true);
    ChampsFuzz apres = Demande(etat, mon, son, quitteDAbord);
    VerifieDemande(etat, apres);
    for (Champ c : ChampsResultat) {
        Exige(seul.LitChamp(c) == apres.LitChamp(c), "same result after an earlier one",
              NomChamp(c));
    }
    Exige(seul.messages == apres.messages, "same prompts after an earlier computation");
    return 0;
}
