// The locator of eight arbitrary texts, read in the classic and the French locale.
#include "invariants.h"
#include "vantrel/coordonnees.h"

#include <cmath>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>

using namespace vantrel;
using namespace vantrel::fuzz;

namespace {

const std::locale& Langue(bool francais) {
    static const std::locale classique = std::locale::classic();
    static const std::locale fr = [] {
        try {
            return std::locale("fr_FR.UTF-8");
        } catch (const std::runtime_error&) {
            Viole("the fr_FR.UTF-8 locale is installed");
        }
    }();
    return francais ? fr : classique;
}

// The position the texts give, in degrees; no value when a number does not read.
std::optional<double> Angle(const std::string& d, const std::string& m, const std::string& s,
                            bool negatif, const std::locale& langue) {
    const auto D = LitNombre(d, langue), M = LitNombre(m, langue), S = LitNombre(s, langue);
    if (!D || !M || !S) {
        return std::nullopt;
    }
    const double a = (*D + *M / 60) + *S / 3600;
    return negatif ? -a : a;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider fournisseur(donnees, taille);
    const bool francais = fournisseur.ConsumeBool();
    PositionDMS p;
    for (std::string* texte : {&p.Dlo, &p.Mlo, &p.Slo, &p.Elo, &p.Dla, &p.Mla, &p.Sla, &p.Ela}) {
        *texte = fournisseur.ConsumeRandomLengthString(16);
    }
    const std::locale& langue = Langue(francais);
    const auto resultat = locator(p, langue);
    if (!resultat) {
        return 0;
    }
    const Controle controle = VerifieLocator(*resultat);
    Exige(controle && controle.locator->texte() == *resultat, "a locator the check accepts",
          *resultat);
    VerifieAccepte(*controle.locator);

    // The position lies in the square the locator names (to rounding, on its edges).
    const auto lon = Angle(p.Dlo, p.Mlo, p.Slo, p.Elo == "Ouest", langue);
    const auto lat = Angle(p.Dla, p.Mla, p.Sla, p.Ela == "Sud", langue);
    Exige(lon && lat, "numbers read when a locator comes out");
    const CoordonneeLocator x = LongitudeLocator(*controle.locator);
    const CoordonneeLocator y = LatitudeLocator(*controle.locator);
    const double ouest = x.enDegres() - 2.5 / 60, sud = y.enDegres() - 1.25 / 60;
    constexpr double tolerance = 1e-9;
    Exige(*lon >= ouest - tolerance && *lon <= ouest + 5.0 / 60 + tolerance, "longitude inside",
          *resultat);
    Exige(*lat >= sud - tolerance && *lat <= sud + 2.5 / 60 + tolerance, "latitude inside",
          *resultat);
    return 0;
}
