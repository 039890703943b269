// From a position in degrees, minutes and seconds to its locator.
#pragma once

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

/// How the user writes numbers: the decimal separator of his locale, as the window reads it
/// from the system ("," in French, "." in English).
struct FormatNombres {
    std::string separateurDecimal = ".";
};

/// A number as typed: blanks (spaces, tabs) around it, an optional sign, digits with at most
/// one decimal separator of the format, an optional exponent (1,5e1). No result for anything
/// else, or for a value beyond the range of a double.
std::optional<double> LitNombre(std::string_view texte, const FormatNombres& format);

/// The six-character locator of a position. No result when a number does not read, or when
/// the position lies beyond 180° of longitude or 90° of latitude. The closed edges 180° East
/// and 90° North belong to the last field.
std::optional<std::string> locator(const PositionDMS& position, const FormatNombres& format);

} // namespace vantrel
