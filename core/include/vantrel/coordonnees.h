// From a position in degrees, minutes and seconds to its locator.
#pragma once

#include <locale>
#include <optional>
#include <string>

namespace vantrel {

/// A position as typed: degrees, minutes, seconds and hemisphere of the longitude, then of the
/// latitude. Exactly "Ouest" means West and exactly "Sud" means South; any other text East or
/// North.
struct PositionDMS {
    std::string Dlo, Mlo, Slo, Elo;
    std::string Dla, Mla, Sla, Ela;
};

/// A number typed under the given locale (its decimal separator, a leading minus, blanks
/// around it); no result for anything else, or for a value beyond the range of a double.
std::optional<double> LitNombre(const std::string& texte, const std::locale& langue);

/// The user's locale from the environment, or the classic one when it names no installed
/// locale.
std::locale LocaleUtilisateur();

/// The six-character locator of a position. No result when a number does not read, or when
/// the position lies beyond 180° of longitude or 90° of latitude. The closed edges 180° East
/// and 90° North belong to the last field.
std::optional<std::string> locator(const PositionDMS& position, const std::locale& langue);

} // namespace vantrel
