// The texts the program shows, each written once for the tests and the fuzz targets: its
// prompts, and what a display text of a decoded locator looks like.
#pragma once

#include "vantrel/messages.h"
#include "vantrel/texte.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vantrel::essais {

/// What follows the code of a character that position 1 to 6 refuses, and the codes it takes.
struct RefusPosition {
    std::string_view texte;
    int minimum, maximum;
};
inline constexpr std::array<RefusPosition, 6> RefusPositions = {{
    {" : Le premier caractère n'est pas une lettre valide.", 'A', 'R'},
    {" : Le second caractère n'est pas une lettre valide.", 'A', 'R'},
    {" : Le troisième caractère n'est pas un chiffre.", '0', '9'},
    {" : Le quatrième caractère n'est pas un chiffre.", '0', '9'},
    {" : Le cinquième caractère n'est pas une lettre valide.", 'A', 'X'},
    {" : Le sixième caractère n'est pas une lettre valide.", 'A', 'X'},
}};

/// The prompt that refuses the character `code` at `position` (1 to 6).
inline std::string Refus(int code, int position) {
    return std::to_string(code) + std::string(RefusPositions[position - 1].texte);
}

/// The prompt that refuses a text of the wrong length.
inline std::string Longueur(std::string_view texte) {
    return std::string(texte) + std::string(messages::LongueurLocator);
}

/// A whole number of one to `chiffres` digits at the start of a text, and what follows it.
inline std::optional<std::pair<int, std::string_view>> Nombre(std::string_view texte,
                                                              std::size_t chiffres = 3) {
    if (texte.empty() || texte.front() < '0' || texte.front() > '9') {
        return std::nullopt;
    }
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    const auto lus = static_cast<std::size_t>(fin - texte.data());
    if (erreur != std::errc() || lus > chiffres) {
        return std::nullopt;
    }
    return std::pair{valeur, texte.substr(lus)};
}

/// Whether a prompt is one the program can give: a fixed text, the length message after a
/// text that is not six characters long, or the code of a character that its position refuses.
inline bool EstMessageDuProgramme(std::string_view message) {
    using namespace messages;
    if (message == LocatorVide || message == MonLocatorVide || message == SonLocatorVide ||
        message == SaisieIncorrecte) {
        return true;
    }
    if (message.size() > LongueurLocator.size() && message.ends_with(LongueurLocator)) {
        return CodesAnsi(message.substr(0, message.size() - LongueurLocator.size())).size() != 6;
    }
    const auto code = Nombre(message);
    return code && code->first <= 255 &&
           std::any_of(RefusPositions.begin(), RefusPositions.end(), [&](const RefusPosition& r) {
               return code->second == r.texte &&
                      (code->first < r.minimum || code->first > r.maximum);
           });
}

/// Whether a display text is one that a decoded locator gives: "48° 31' Nord",
/// "76° 117' Ouest". The degrees are those of the square's edge (0 to 89 north, 1 to 90 south;
/// 0 to 179 east, 1 to 180 west), the minutes the floored centre of one of the 24 subsquares
/// counted from that edge (steps of 2.5' in latitude, 5' in longitude).
inline bool EstTexteCoordonnee(std::string_view texte, bool latitude) {
    const auto degres = Nombre(texte);
    if (!degres || !degres->second.starts_with("° ")) {
        return false;
    }
    const auto minutes = Nombre(degres->second.substr(std::string_view("° ").size()));
    if (!minutes) {
        return false;
    }
    const int d = degres->first, m = minutes->first;
    const std::string_view mot = minutes->second;
    const double pas = latitude ? 2.5 : 5;
    bool centre = false;
    for (int k = 0; k < 24; ++k) {
        centre = centre || m == static_cast<int>(std::floor(k * pas + pas / 2));
    }
    const int limite = latitude ? 90 : 180;
    const bool positif = mot == (latitude ? "' Nord" : "' Est");
    const bool negatif = mot == (latitude ? "' Sud" : "' Ouest");
    return centre && ((positif && d < limite) || (negatif && d >= 1 && d <= limite));
}

} // namespace vantrel::essais
