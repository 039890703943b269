// Texts as the locator rules see them: UTF-8 in, characters counted and compared by their
// Windows-1252 code, the code page in which the rules were written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// Code given to a character that Windows-1252 cannot represent, and to each byte of a
/// malformed UTF-8 sequence: "?".
inline constexpr unsigned char CodeInconnu = 63;

/// Windows-1252 codes of the characters of a UTF-8 text, one per character.
std::vector<unsigned char> CodesAnsi(std::string_view utf8);

/// Upper-case form: every lower-case letter that Windows-1252 has becomes its capital
/// (a-z, à-þ, š, œ, ž, ÿ), whatever the process locale; other characters are kept.
std::string Majuscule(std::string_view utf8);

/// The text without its leading and trailing spaces (U+0020 only; tabs and other blanks stay).
std::string_view EnleveEspaces(std::string_view texte);

} // namespace vantrel
