// Texts as the locator rules see them: UTF-8 in, characters counted and compared by their
// Windows-1252 code, the code page in which the rules were written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

/// Code given to a character that Windows-1252 cannot represent: "?".
inline constexpr unsigned char CodeInconnu = 63;

/// Code points of a UTF-8 text; each byte of a malformed sequence becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);

/// UTF-8 form of code points (the inverse of DecodeUtf8 for well-formed texts).
std::string EncodeUtf8(std::u32string_view texte);

/// Windows-1252 code of a code point, or CodeInconnu.
unsigned char CodeAnsi(char32_t caractere);

/// Code point of a Windows-1252 code (U+FFFD for the five codes the page leaves unassigned).
char32_t CaractereAnsi(unsigned char code);

/// Windows-1252 codes of the characters of a UTF-8 text, one per character.
std::vector<unsigned char> CodesAnsi(std::string_view utf8);

/// Number of characters (not bytes) of a UTF-8 text, a malformed byte counting as one.
std::size_t NombreCaracteres(std::string_view utf8);

/// Upper-case form: every lower-case letter that Windows-1252 has becomes its capital
/// (a-z, à-þ, š, œ, ž, ÿ), whatever the process locale; other characters are kept.
std::string Majuscule(std::string_view utf8);

/// The text without its leading and trailing spaces (U+0020 only; tabs and other blanks stay).
std::string_view EnleveEspaces(std::string_view texte);

} // namespace vantrel
