// The number a text starts with, as the needle reads the azimuth it is given.
#pragma once

#include <string_view>

namespace vantrel {

/// Numeric value of a text, read from its start: spaces, tabs and line feeds are skipped
/// wherever they stand, "." is the only decimal separator, an exponent may follow ("1.5e1" is
/// 15, "d" marks one as "e" does), and reading stops at the first character that cannot
/// continue the number. No number at all, or one beyond the range of a double, counts as 0.
double ValeurTexte(std::string_view texte);

} // namespace vantrel
