// What the tests and the fuzz targets know of the program's prompts: how they are put
// together from its messages.
#pragma once

#include "vantrel/controle.h"
#include "vantrel/messages.h"

#include <string>
#include <string_view>

namespace vantrel::essais {

/// The prompt that refuses the character `code` at `position` (1 to 6).
inline std::string Refus(int code, int position) {
    return std::to_string(code) + std::string(ReglesLocator[position - 1].refus);
}

/// The prompt that refuses a text of the wrong length.
inline std::string Longueur(std::string_view texte) {
    return std::string(texte) + std::string(messages::LongueurLocator);
}

} // namespace vantrel::essais
