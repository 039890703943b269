// Two arbitrary locator texts, malformed UTF-8 included, through the window's path: leave the
// user's field or not, then ask for the distance; once on a fresh window, once after an earlier
// computation.
#include "invariants.h"
#include "vantrel/constantes.h"
#include "vantrel/distance.h"
#include "vantrel/evenements.h"
#include "vantrel/texte.h"

#include <cmath>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <tuple>

using namespace vantrel;
using namespace vantrel::fuzz;

namespace {

essais::ChampsEnregistres Demande(EtatCalcul& etat, const std::string& mon, const std::string& son,
                                  bool quitteDAbord) {
    essais::ChampsEnregistres champs;
    champs[Champ::MonLocator] = mon;
    champs[Champ::SonLocator] = son;
    if (quitteDAbord) {
        QuitteMonLocator(etat, champs);
    }
    champs.journal.clear(); // the request's own writes and prompts alone
    DemandeDistance(etat, champs);
    return champs;
}

void VerifieDemande(const EtatCalcul& etat, essais::ChampsEnregistres& champs) {
    const Verdict son = VerifieLocator(champs[Champ::SonLocator]);
    if (champs[Champ::Distance].empty()) {
        Exige(champs.messages().size() == 1, "one prompt when nothing is computed");
        // An empty field's prompt, or the check's refusal of a field's text.
        const std::string m = champs.messages().front();
        Exige(m == messages::MonLocatorVide || m == messages::SonLocatorVide ||
                  m == VerifieLocator(champs[Champ::MonLocator]).message || m == son.message,
              "a prompt of the program", m);
        return;
    }
    // Computed only from the locators the fields show, both accepted.
    const std::string mon = NormaliseLocator(champs[Champ::MonLocator]);
    Exige(champs.messages().empty() && son && mon == etat.MonLocatorAccepte,
          "from the locators shown", mon);
    VerifieAccepte(*son.locator);
    Exige(champs[Champ::SaLati] == TexteCoordonnee(LatitudeLocator(*son.locator)), "his position");

    // At most half the circumference; 0 and 0 for one place.
    const int distance = std::stoi(champs[Champ::Distance]);
    const int azimut = std::stoi(champs[Champ::Azimut]);
    Exige(distance >= 0 && distance <= ArrondiDistance(CirconferenceTerre / 2) && azimut >= 0 &&
              azimut <= 360,
          "ranges");
    const std::string& s = son.locator->texte();
    Exige((distance == 0 && azimut == 0) == (mon == s), "zero only for one place");
    // The needle points east exactly when he lies east along the short way round.
    const double ecart = std::remainder(
        essais::CentreLocator(s).longitude - essais::CentreLocator(mon).longitude, 360.0);
    if (std::abs(ecart) > 1e-9 && std::abs(ecart) < 180 - 1e-9 && mon != s) {
        Exige(ecart > 0 ? azimut <= 180 : azimut >= 180, "east or west", mon + " " + s);
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
    essais::ChampsEnregistres seul = Demande(neuf, mon, son, quitteDAbord);
    VerifieDemande(neuf, seul);

    // No value of an earlier computation reaches a later result.
    EtatCalcul etat;
    Demande(etat, monAvant, sonAvant, true);
    essais::ChampsEnregistres apres = Demande(etat, mon, son, quitteDAbord);
    VerifieDemande(etat, apres);
    const auto issue = [](essais::ChampsEnregistres& c) {
        return std::tuple(c[Champ::SaLati], c[Champ::SaLongi], c[Champ::Distance], c[Champ::Azimut],
                          c.messages());
    };
    Exige(issue(seul) == issue(apres), "same outcome after an earlier computation");
    return 0;
}
