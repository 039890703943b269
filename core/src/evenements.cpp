#include "vantrel/evenements.h"

#include "vantrel/controle.h"
#include "vantrel/coordonnees.h"
#include "vantrel/distance.h"
#include "vantrel/messages.h"
#include "vantrel/texte.h"

#include <array>

namespace vantrel {

void QuitteMonLocator(EtatCalcul& etat, InterfaceChamps& champs) {
    champs.EcritChamp(Champ::MonLocator, Majuscule(champs.LitChamp(Champ::MonLocator)));
    ControleLocator(champs.LitChamp(Champ::MonLocator), etat, champs);
}

void DemandeDistance(EtatCalcul& etat, InterfaceChamps& champs) {
    champs.EcritChamp(Champ::SonLocator, Majuscule(champs.LitChamp(Champ::SonLocator)));
    const std::string monLocator = champs.LitChamp(Champ::MonLocator);
    if (monLocator.empty()) {
        champs.AfficheMessage(messages::MonLocatorVide);
        return;
    }
    if (champs.LitChamp(Champ::SonLocator).empty()) {
        champs.AfficheMessage(messages::SonLocatorVide);
        return;
    }
    // The distance starts from the locator the field shows, checked and stored if need be.
    const bool dejaAccepte =
        !etat.MonLocatorAccepte.empty() && NormaliseLocator(monLocator) == etat.MonLocatorAccepte;
    if (!dejaAccepte && !ControleLocator(monLocator, etat, champs)) {
        return;
    }
    tally(etat, champs);
}

void DemandeLocator(InterfaceChamps& champs, const std::locale& langue) {
    constexpr std::array ordre = {Champ::Dlo, Champ::Mlo, Champ::Slo, Champ::Elo,
                                  Champ::Dla, Champ::Mla, Champ::Sla, Champ::Ela};
    std::array<std::string, ordre.size()> textes;
    for (std::size_t i = 0; i < ordre.size(); ++i) {
        textes[i] = champs.LitChamp(ordre[i]);
        if (textes[i].empty()) {
            champs.AfficheMessage(messages::SaisieIncorrecte);
            return;
        }
    }
    const auto resultat = locator(
        {textes[0], textes[1], textes[2], textes[3], textes[4], textes[5], textes[6], textes[7]},
        langue);
    if (!resultat) {
        champs.AfficheMessage(messages::SaisieIncorrecte);
        return;
    }
    champs.EcritChamp(Champ::TxtLocator, *resultat);
}

void EffaceLocators(InterfaceChamps& champs) {
    for (Champ champ : {Champ::MonLocator, Champ::SonLocator, Champ::MaLongi, Champ::SaLongi,
                        Champ::MaLati, Champ::SaLati, Champ::Distance, Champ::Azimut}) {
        champs.EcritChamp(champ, "");
    }
}

} // namespace vantrel
