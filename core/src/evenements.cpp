#include "vantrel/evenements.h"

#include "vantrel/distance.h"
#include "vantrel/hemispheres.h"
#include "vantrel/messages.h"
#include "vantrel/position.h"
#include "vantrel/texte.h"

#include <array>

namespace vantrel {

bool ControleLocator(std::string_view texte, EtatCalcul& etat, InterfaceChamps& champs) {
    const Verdict verdict = VerifieLocator(texte);
    if (!verdict) {
        champs.AfficheMessage(verdict.message);
        return false;
    }
    PositionMonLocator(*verdict.locator, etat, champs);
    return true;
}

void PositionMonLocator(const Locator& locator, EtatCalcul& etat, InterfaceChamps& champs) {
    const CoordonneeLocator latitude = LatitudeLocator(locator);
    const CoordonneeLocator longitude = LongitudeLocator(locator);
    etat.MaLatDeg = latitude.degres;
    etat.MaLatMin = latitude.minutes;
    etat.MaLonDeg = longitude.degres;
    etat.MaLonMin = longitude.minutes;
    etat.MonLocatorAccepte = locator.texte();

    champs.EcritChamp(Champ::MaLati, TexteCoordonnee(latitude));
    champs.EcritChamp(Champ::MaLongi, TexteCoordonnee(longitude));
}

void tally(EtatCalcul& etat, InterfaceChamps& champs) {
    const Verdict verdict = VerifieLocator(champs.LitChamp(Champ::SonLocator));
    if (!verdict) {
        champs.AfficheMessage(verdict.message);
        return;
    }
    const CoordonneeLocator latitude = LatitudeLocator(*verdict.locator);
    const CoordonneeLocator longitude = LongitudeLocator(*verdict.locator);
    const Calcul calcul{
        .SaLatDeg = latitude.degres,
        .SaLatMin = latitude.minutes,
        .SaLonDeg = longitude.degres,
        .SaLonMin = longitude.minutes,
        .chemin = CalculeChemin(EnRadians(etat.MaLatDeg, etat.MaLatMin),
                                EnRadians(etat.MaLonDeg, etat.MaLonMin),
                                EnRadians(latitude.degres, latitude.minutes),
                                EnRadians(longitude.degres, longitude.minutes)),
    };
    etat.calcul = calcul;

    champs.EcritChamp(Champ::SaLati, TexteCoordonnee(latitude));
    champs.EcritChamp(Champ::SaLongi, TexteCoordonnee(longitude));
    champs.EcritChamp(Champ::Distance, std::to_string(calcul.chemin.kilometres));
    champs.EcritChamp(Champ::Azimut, std::to_string(calcul.chemin.azimut));
    // Assigned once more with its own text, so the needle follows every computation.
    champs.EcritChamp(Champ::Azimut, champs.LitChamp(Champ::Azimut));
}

bool QuitteMonLocator(EtatCalcul& etat, InterfaceChamps& champs) {
    champs.EcritChamp(Champ::MonLocator, Majuscule(champs.LitChamp(Champ::MonLocator)));
    return ControleLocator(champs.LitChamp(Champ::MonLocator), etat, champs);
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
    // The distance starts from the locator the field shows, checked and kept if need be.
    const bool dejaAccepte =
        !etat.MonLocatorAccepte.empty() && NormaliseLocator(monLocator) == etat.MonLocatorAccepte;
    if (!dejaAccepte && !ControleLocator(monLocator, etat, champs)) {
        return;
    }
    tally(etat, champs);
}

void DemandeLocator(InterfaceChamps& champs, const FormatNombres& format) {
    PositionDMS position;
    const std::array<std::pair<Champ, std::string*>, 8> lus = {{
        {Champ::Dlo, &position.Dlo},
        {Champ::Mlo, &position.Mlo},
        {Champ::Slo, &position.Slo},
        {Champ::Elo, &position.Elo},
        {Champ::Dla, &position.Dla},
        {Champ::Mla, &position.Mla},
        {Champ::Sla, &position.Sla},
        {Champ::Ela, &position.Ela},
    }};
    for (const auto& [champ, texte] : lus) {
        *texte = champs.LitChamp(champ);
        if (texte->empty()) {
            champs.AfficheMessage(messages::SaisieIncorrecte);
            return;
        }
    }
    // The lists offer their words alone: any other text is refused, never taken for East or
    // North.
    const auto resultat = hemisphere::EstUnDe(hemisphere::Longitude, position.Elo) &&
                                  hemisphere::EstUnDe(hemisphere::Latitude, position.Ela)
                              ? locator(position, format)
                              : std::nullopt;
    if (!resultat) {
        champs.AfficheMessage(messages::SaisieIncorrecte);
        return;
    }
    champs.EcritChamp(Champ::TxtLocator, *resultat);
}

void EffaceLocators(EtatCalcul& etat, InterfaceChamps& champs) {
    etat.calcul.reset();
    for (Champ champ : {Champ::MonLocator, Champ::SonLocator, Champ::MaLongi, Champ::SaLongi,
                        Champ::MaLati, Champ::SaLati, Champ::Distance, Champ::Azimut}) {
        champs.EcritChamp(champ, "");
    }
}

} // namespace vantrel
