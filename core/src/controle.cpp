#include "vantrel/controle.h"

#include "vantrel/messages.h"
#include "vantrel/texte.h"

#include <vector>

namespace vantrel {

namespace {

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
    // The code of each character in the window's code page.
    const std::vector<unsigned char> codes = CodesAnsi(locator);
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
