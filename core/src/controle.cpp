#include "vantrel/controle.h"

#include "vantrel/messages.h"
#include "vantrel/texte.h"

#include <array>
#include <span>
#include <vector>

namespace vantrel {

namespace {

// What each of the six positions accepts, and the text that follows the code of a character
// it refuses. Field letters run from A to R (18 fields), subsquare letters from A to X.
struct RegleCaractere {
    unsigned char minimum;
    unsigned char maximum;
    std::string_view refus;
};

constexpr std::array<RegleCaractere, 6> ReglesLocator = {{
    {'A', 'R', " : Le premier caractère n'est pas une lettre valide."},
    {'A', 'R', " : Le second caractère n'est pas une lettre valide."},
    {'0', '9', " : Le troisième caractère n'est pas un chiffre."},
    {'0', '9', " : Le quatrième caractère n'est pas un chiffre."},
    {'A', 'X', " : Le cinquième caractère n'est pas une lettre valide."},
    {'A', 'X', " : Le sixième caractère n'est pas une lettre valide."},
}};

Verdict Refuse(std::string message) {
    return {std::nullopt, std::move(message)};
}

} // namespace

std::int16_t MetMajuscule(std::int16_t KeyAscii) {
    if (KeyAscii > 'z' || KeyAscii < 'a') {
        return KeyAscii;
    }
    return static_cast<std::int16_t>(KeyAscii + ('A' - 'a'));
}

std::string NormaliseLocator(std::string_view texte) {
    return std::string(EnleveEspaces(Majuscule(texte)));
}

Verdict VerifieLocator(std::string_view texte) {
    std::string locator = NormaliseLocator(texte);
    if (locator.empty()) {
        return Refuse(std::string(messages::LocatorVide));
    }
    // The code of each character in the window's code page; an ASCII text is its own.
    std::vector<unsigned char> converti;
    std::span<const unsigned char> codes(reinterpret_cast<const unsigned char*>(locator.data()),
                                         locator.size());
    if (!EstAscii(locator)) {
        converti = CodesAnsi(locator);
        codes = converti;
    }
    if (codes.size() != ReglesLocator.size()) {
        return Refuse(locator + std::string(messages::LongueurLocator));
    }
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const RegleCaractere& regle = ReglesLocator[i];
        if (codes[i] < regle.minimum || codes[i] > regle.maximum) {
            return Refuse(std::to_string(codes[i]) + std::string(regle.refus));
        }
    }
    // Every accepted character is ASCII, so the text holds exactly six bytes.
    return {Locator(std::move(locator)), {}};
}

} // namespace vantrel
