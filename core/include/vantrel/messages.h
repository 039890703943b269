// The program's own prompts, to the letter (a refused character's beside its rule, controle.h).
#pragma once

#include <string_view>

namespace vantrel::messages {

inline constexpr std::string_view LocatorVide = "Le locator est vide !";
inline constexpr std::string_view LongueurLocator =
    " : Un Locator est composé de deux lettres, deux chiffres, deux lettres, comme JN38DM.";
inline constexpr std::string_view MonLocatorVide = "Mon locator est vide";
inline constexpr std::string_view SonLocatorVide = "Son locator est vide";
// The program's text as it stands, spelling and trailing space included.
inline constexpr std::string_view SaisieIncorrecte = "Saise incorrect ";

} // namespace vantrel::messages
