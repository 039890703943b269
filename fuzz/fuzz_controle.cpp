// The locator check on arbitrary bytes, malformed UTF-8 included, through the handler that
// leaves the user's field.
#include "invariants.h"
#include "vantrel/evenements.h"
#include "vantrel/texte.h"

#include <cstdint>

using namespace vantrel;
using namespace vantrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    Exige(CodesAnsi(Majuscule(texte)).size() == CodesAnsi(texte).size(),
          "upper-casing keeps the characters");

    EtatCalcul etat;
    essais::ChampsEnregistres champs;
    champs[Champ::MonLocator] = texte;
    const bool accepte = QuitteMonLocator(etat, champs);
    const Verdict verdict = VerifieLocator(texte);
    Exige(accepte == bool(verdict), "the handler's verdict is the check's");
    if (accepte) {
        VerifieAccepte(*verdict.locator);
        Exige(verdict.locator->texte() == NormaliseLocator(texte), "accepted as normalised");
        Exige(champs.journal.size() == 3 && champs.messages().empty(), "field and position");
    } else {
        Exige(champs.messages().size() == 1 && champs.journal.size() == 2, "one prompt");
        Exige(essais::EstMessageDuProgramme(verdict.message), "a prompt of the program",
              verdict.message);
        Exige(etat.MonLocatorAccepte.empty(), "state untouched");
    }
    return 0;
}
