// What the tests and the fuzz targets know of the program's prompts: how they are put
// together from its messages.
#pragma once

#include "vantrel/messages.h"
#include "vantrel/texte.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

namespace vantrel::essais {

/// The prompt that refuses the character `code` at `position` (1 to 6).
inline std::string Refus(int code, int position) {
    return std::to_string(code) + std::string(messages::CaractereRefuse[position - 1]);
}

/// The prompt that refuses a text of the wrong length.
inline std::string Longueur(std::string_view texte) {
    return std::string(texte) + std::string(messages::LongueurLocator);
}

/// Whether a prompt is one the program can give: a fixed text, the length message after a
/// text that is not six characters long, or a character code before a position's refusal.
inline bool EstMessageDuProgramme(std::string_view message) {
    using namespace messages;
    if (message == LocatorVide || message == MonLocatorVide || message == SonLocatorVide ||
        message == SaisieIncorrecte) {
        return true;
    }
    if (message.size() > LongueurLocator.size() && message.ends_with(LongueurLocator)) {
        return CodesAnsi(message.substr(0, message.size() - LongueurLocator.size())).size() != 6;
    }
    // One to three digits, the code (0 to 255), then a position's refusal.
    int code = -1;
    const char* debut = message.data();
    const auto [fin, erreur] =
        std::from_chars(debut, debut + std::min<std::size_t>(3, message.size()), code);
    return erreur == std::errc() && code >= 0 && code <= 255 &&
           std::ranges::find(CaractereRefuse, message.substr(fin - debut)) != CaractereRefuse.end();
}

} // namespace vantrel::essais
