#include "vantrel/champs.h"

namespace vantrel {

std::string_view NomChamp(Champ champ) {
    switch (champ) {
    case Champ::MonLocator:
        return "MonLocator";
    case Champ::SonLocator:
        return "SonLocator";
    case Champ::MaLati:
        return "MaLati";
    case Champ::MaLongi:
        return "MaLongi";
    case Champ::SaLati:
        return "SaLati";
    case Champ::SaLongi:
        return "SaLongi";
    case Champ::Distance:
        return "Distance";
    case Champ::Azimut:
        return "Azimut";
    case Champ::Dlo:
        return "Dlo";
    case Champ::Mlo:
        return "Mlo";
    case Champ::Slo:
        return "Slo";
    case Champ::Elo:
        return "Elo";
    case Champ::Dla:
        return "Dla";
    case Champ::Mla:
        return "Mla";
    case Champ::Sla:
        return "Sla";
    case Champ::Ela:
        return "Ela";
    case Champ::TxtLocator:
        return "TxtLocator";
    }
    return {};
}

} // namespace vantrel
