// The program's own prompts, to the letter.
#pragma once

#include <array>
#include <string_view>

namespace vantrel::messages {

inline constexpr std::string_view LocatorVide = "Le locator est vide !";
inline constexpr std::string_view LongueurLocator =
    " : Un Locator est composé de deux lettres, deux chiffres, deux lettres, comme JN38DM.";
/// What follows the code of a character that position 1 to 6 of a locator refuses.
inline constexpr std::array<std::string_view, 6> CaractereRefuse = {
    " : Le premier caractère n'est pas une lettre valide.",
    " : Le second caractère n'est pas une lettre valide.",
    " : Le troisième caractère n'est pas un chiffre.",
    " : Le quatrième caractère n'est pas un chiffre.",
    " : Le cinquième caractère n'est pas une lettre valide.",
    " : Le sixième caractère n'est pas une lettre valide.",
};
inline constexpr std::string_view MonLocatorVide = "Mon locator est vide";
inline constexpr std::string_view SonLocatorVide = "Son locator est vide";
// The program's text as it stands, spelling and trailing space included.
inline constexpr std::string_view SaisieIncorrecte = "Saise incorrect ";

} // namespace vantrel::messages
