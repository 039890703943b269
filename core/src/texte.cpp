#include "vantrel/texte.h"

#include <array>
#include <cstdint>

namespace vantrel {

namespace {

constexpr char32_t Remplacement = U'\uFFFD';

// Code points of Windows-1252 codes 0x80 to 0x9F; 0 where the page assigns nothing.
constexpr std::array<char32_t, 32> Ansi80a9F = {
    U'\u20AC', 0,         U'\u201A', U'\u0192', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u02C6', U'\u2030', U'\u0160', U'\u2039', U'\u0152', 0,         U'\u017D', 0,
    0,         U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    U'\u02DC', U'\u2122', U'\u0161', U'\u203A', U'\u0153', 0,         U'\u017E', U'\u0178',
};

// Capital of a Windows-1252 code, or the code itself when it is no lower-case letter with a
// capital in the page.
unsigned char MajusculeAnsi(unsigned char code) {
    if ((code >= 'a' && code <= 'z') || (code >= 0xE0 && code <= 0xFE && code != 0xF7)) {
        return code - 0x20; // a-z and à-þ (÷ excepted) sit 32 codes above their capitals
    }
    switch (code) {
    case 0x9A:
        return 0x8A; // š
    case 0x9C:
        return 0x8C; // œ
    case 0x9E:
        return 0x8E; // ž
    case 0xFF:
        return 0x9F; // ÿ
    default:
        return code;
    }
}

void AjouteUtf8(std::string& sortie, char32_t c) {
    if (c < 0x80) {
        sortie += static_cast<char>(c);
    } else if (c < 0x800) {
        sortie += static_cast<char>(0xC0 | (c >> 6));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        sortie += static_cast<char>(0xE0 | (c >> 12));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        sortie += static_cast<char>(0xF0 | (c >> 18));
        sortie += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        sortie += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        sortie += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Code points of a UTF-8 text; each byte of a malformed sequence becomes U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string sortie;
    sortie.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto octet = static_cast<unsigned char>(utf8[i]);
        int suite = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (octet < 0x80) {
            sortie += octet;
            ++i;
            continue;
        } else if (octet >= 0xC2 && octet <= 0xDF) {
            suite = 1, c = octet & 0x1F, minimum = 0x80;
        } else if (octet >= 0xE0 && octet <= 0xEF) {
            suite = 2, c = octet & 0x0F, minimum = 0x800;
        } else if (octet >= 0xF0 && octet <= 0xF4) {
            suite = 3, c = octet & 0x07, minimum = 0x10000;
        } else {
            sortie += Remplacement;
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        for (; j < utf8.size() && j <= i + suite; ++j) {
            const auto o = static_cast<unsigned char>(utf8[j]);
            if ((o & 0xC0) != 0x80) {
                break;
            }
            c = (c << 6) | (o & 0x3F);
        }
        const bool complet = j == i + 1 + suite;
        if (complet && c >= minimum && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF)) {
            sortie += c;
            i = j;
        } else {
            // Only the leading byte is replaced; what follows is read again on its own.
            sortie += Remplacement;
            ++i;
        }
    }
    return sortie;
}

// UTF-8 form of code points as DecodeUtf8 gives them: all of them Unicode scalar values.
std::string EncodeUtf8(std::u32string_view texte) {
    std::string sortie;
    sortie.reserve(texte.size());
    for (char32_t c : texte) {
        AjouteUtf8(sortie, c);
    }
    return sortie;
}

// Windows-1252 code of a code point, or CodeInconnu.
unsigned char CodeAnsi(char32_t caractere) {
    if (caractere < 0x80 || (caractere >= 0xA0 && caractere <= 0xFF)) {
        return static_cast<unsigned char>(caractere);
    }
    for (std::size_t i = 0; i < Ansi80a9F.size(); ++i) {
        if (Ansi80a9F[i] == caractere) { // never 0: the test above took it
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return CodeInconnu;
}

// Code point of a Windows-1252 code the page assigns (as CodeAnsi gives them).
char32_t CaractereAnsi(unsigned char code) {
    return code < 0x80 || code >= 0xA0 ? code : Ansi80a9F[code - 0x80];
}

} // namespace

std::vector<unsigned char> CodesAnsi(std::string_view utf8) {
    std::vector<unsigned char> codes;
    for (char32_t c : DecodeUtf8(utf8)) {
        codes.push_back(CodeAnsi(c));
    }
    return codes;
}

std::string Majuscule(std::string_view utf8) {
    std::u32string texte = DecodeUtf8(utf8);
    for (char32_t& c : texte) {
        const unsigned char code = CodeAnsi(c);
        if (code != CodeInconnu || c == CodeInconnu) {
            c = CaractereAnsi(MajusculeAnsi(code));
        }
    }
    return EncodeUtf8(texte);
}

std::string_view EnleveEspaces(std::string_view texte) {
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string_view::npos) {
        return {};
    }
    return texte.substr(debut, texte.find_last_not_of(' ') - debut + 1);
}

} // namespace vantrel
