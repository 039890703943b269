// The texts the program can show, as predicates: the fuzz targets and the window's soak test
// check every prompt and every result against them.
#pragma once

#include "vantrel/messages.h"
#include "vantrel/texte.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>

namespace vantrel::essais {

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
        return NombreCaracteres(message.substr(0, message.size() - LongueurLocator.size())) != 6;
    }
    // Each position's refusal, with the codes it accepts.
    struct Refus {
        std::string_view texte;
        int minimum, maximum;
    };
    static constexpr std::array<Refus, 6> refus = {{
        {" : Le premier caractère n'est pas une lettre valide.", 'A', 'R'},
        {" : Le second caractère n'est pas une lettre valide.", 'A', 'R'},
        {" : Le troisième caractère n'est pas un chiffre.", '0', '9'},
        {" : Le quatrième caractère n'est pas un chiffre.", '0', '9'},
        {" : Le cinquième caractère n'est pas une lettre valide.", 'A', 'X'},
        {" : Le sixième caractère n'est pas une lettre valide.", 'A', 'X'},
    }};
    const auto code = Nombre(message);
    if (!code || code->first > 255) {
        return false;
    }
    return std::any_of(refus.begin(), refus.end(), [&](const Refus& r) {
        return code->second == r.texte && (code->first < r.minimum || code->first > r.maximum);
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
