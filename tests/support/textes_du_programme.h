// The program's prompts written out by hand, to the letter (its spelling, its spaces), as the
// user reads them: the tests hold the program to these, never to its own texts.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vantrel::essais {

inline constexpr std::string_view LocatorVide = "Le locator est vide !";
inline constexpr std::string_view MonLocatorVide = "Mon locator est vide";
inline constexpr std::string_view SonLocatorVide = "Son locator est vide";
inline constexpr std::string_view SaisieIncorrecte = "Saise incorrect ";

/// The prompt that refuses the character `code` at `position` (1 to 6).
inline std::string Refus(int code, int position) {
    constexpr std::array<std::string_view, 6> suites = {
        " : Le premier caractère n'est pas une lettre valide.",
        " : Le second caractère n'est pas une lettre valide.",
        " : Le troisième caractère n'est pas un chiffre.",
        " : Le quatrième caractère n'est pas un chiffre.",
        " : Le cinquième caractère n'est pas une lettre valide.",
        " : Le sixième caractère n'est pas une lettre valide.",
    };
    return std::to_string(code) + std::string(suites.at(static_cast<std::size_t>(position - 1)));
}

/// The prompt that refuses a text of the wrong length.
inline std::string Longueur(std::string_view texte) {
    return std::string(texte) +
           " : Un Locator est composé de deux lettres, deux chiffres, deux lettres, comme JN38DM.";
}

} // namespace vantrel::essais
