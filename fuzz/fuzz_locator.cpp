// The locator of eight arbitrary texts, with a point or a comma for decimal separator.
#include "invariants.h"
#include "vantrel/coordonnees.h"

#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace vantrel;
using namespace vantrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider fournisseur(donnees, taille);
    const FormatNombres format{fournisseur.ConsumeBool() ? "," : "."};
    PositionDMS p;
    for (std::string* texte : {&p.Dlo, &p.Mlo, &p.Slo, &p.Elo, &p.Dla, &p.Mla, &p.Sla, &p.Ela}) {
        *texte = fournisseur.ConsumeRandomLengthString(16);
    }
    const auto resultat = locator(p, format);
    if (!resultat) {
        return 0;
    }
    const Verdict verdict = VerifieLocator(*resultat);
    Exige(verdict && verdict.locator->texte() == *resultat, "a locator the check accepts",
          *resultat);
    VerifieAccepte(*verdict.locator);

    // The position lies in the subsquare the locator names (to rounding, on its edges).
    const auto angle = [&](const std::string& d, const std::string& m, const std::string& s,
                           bool negatif) {
        const double a =
            (*LitNombre(d, format) + *LitNombre(m, format) / 60) + *LitNombre(s, format) / 3600;
        return negatif ? -a : a;
    };
    const double lon = angle(p.Dlo, p.Mlo, p.Slo, p.Elo == "Ouest");
    const double lat = angle(p.Dla, p.Mla, p.Sla, p.Ela == "Sud");
    Exige(std::abs(lon - essais::CentreLocator(*resultat).longitude) <= 2.5 / 60 + 1e-9 &&
              std::abs(lat - essais::CentreLocator(*resultat).latitude) <= 1.25 / 60 + 1e-9,
          "the position inside its subsquare", *resultat);
    return 0;
}
