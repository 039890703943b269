// The locator check on arbitrary bytes, malformed UTF-8 included.
#include "invariants.h"
#include "vantrel/texte.h"

#include <cstdint>

using namespace vantrel;
using namespace vantrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);

    const std::string majuscules = Majuscule(texte);
    Exige(NombreCaracteres(majuscules) == NombreCaracteres(texte), "upper-casing keeps length");
    Exige(EncodeUtf8(DecodeUtf8(majuscules)) == majuscules, "upper-case text is valid UTF-8");

    const Controle controle = VerifieLocator(texte);
    if (controle) {
        VerifieAccepte(*controle.locator);
        Exige(controle.locator->texte() == NormaliseLocator(texte), "accepted as normalised");
        Exige(VerifieLocator(controle.locator->texte()).locator.has_value(), "idempotent");
    } else {
        Exige(EstMessageDuProgramme(controle.message), "rejection message", controle.message);
    }

    // Through the window's path: an accepted locator writes the two display fields, a
    // rejected one prompts once and writes nothing.
    EtatCalcul etat;
    ChampsFuzz champs;
    const bool accepte = ControleLocator(texte, etat, champs);
    Exige(accepte == static_cast<bool>(controle), "same verdict");
    if (accepte) {
        Exige(champs.ecrits == std::vector{Champ::MaLati, Champ::MaLongi}, "writes on success");
        Exige(EstTexteCoordonnee(champs.textes[Champ::MaLati], true), "MaLati text");
        Exige(EstTexteCoordonnee(champs.textes[Champ::MaLongi], false), "MaLongi text");
    } else {
        Exige(champs.ecrits.empty() && champs.messages.size() == 1, "one prompt, no write");
        Exige(etat.MonLocatorAccepte.empty() && etat.MaLatDeg == 0, "state untouched");
    }
    return 0;
}
