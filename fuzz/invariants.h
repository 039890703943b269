// What must hold of whatever the arithmetic is given: checked by the fuzz targets, which abort
// on the first violation so that libFuzzer keeps the input.
#pragma once

#include "vantrel/champs.h"
#include "vantrel/controle.h"
#include "vantrel/messages.h"
#include "vantrel/position.h"
#include "vantrel/texte.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel::fuzz {

[[noreturn]] inline void Viole(const char* quoi, std::string_view detail = {}) {
    std::fprintf(stderr, "invariant broken: %s [%.*s]\n", quoi, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

inline void Exige(bool condition, const char* quoi, std::string_view detail = {}) {
    if (!condition) {
        Viole(quoi, detail);
    }
}

// A whole number of one to three digits at the start of a text, and what follows it.
inline std::optional<std::pair<int, std::string_view>> Nombre(std::string_view texte) {
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    const auto chiffres = static_cast<std::size_t>(fin - texte.data());
    if (erreur != std::errc() || chiffres > 3 || texte.front() < '0' || texte.front() > '9') {
        return std::nullopt;
    }
    return std::pair{valeur, texte.substr(chiffres)};
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
    const auto code = message.empty() ? std::nullopt : Nombre(message);
    if (!code || code->first > 255) {
        return false;
    }
    return std::any_of(refus.begin(), refus.end(), [&](const Refus& r) {
        return code->second == r.texte && (code->first < r.minimum || code->first > r.maximum);
    });
}

/// Whether a display text is one that a decoded locator gives: "48° 31' Nord", "76° 117' Ouest".
inline bool EstTexteCoordonnee(std::string_view texte, bool latitude) {
    const auto degres = texte.empty() ? std::nullopt : Nombre(texte);
    if (!degres || !degres->second.starts_with("° ")) {
        return false;
    }
    const std::string_view suite = degres->second.substr(std::string_view("° ").size());
    const auto minutes = suite.empty() ? std::nullopt : Nombre(suite);
    if (!minutes) {
        return false;
    }
    const int d = degres->first, m = minutes->first;
    const std::string_view mot = minutes->second;
    // Whole degrees of the square's edge; floored minutes of the subsquare's centre from it.
    return latitude ? d <= 90 && m >= 1 && m <= 58 && (mot == "' Nord" || mot == "' Sud")
                    : d <= 180 && m >= 2 && m <= 117 && (mot == "' Est" || mot == "' Ouest");
}

/// An accepted locator: its alphabet, and a centre within the earth's ranges.
inline void VerifieAccepte(const Locator& locator) {
    const std::string& t = locator.texte();
    Exige(t.size() == 6, "accepted locator of six bytes", t);
    Exige(t[0] >= 'A' && t[0] <= 'R' && t[1] >= 'A' && t[1] <= 'R', "field letters A-R", t);
    Exige(t[2] >= '0' && t[2] <= '9' && t[3] >= '0' && t[3] <= '9', "square digits", t);
    Exige(t[4] >= 'A' && t[4] <= 'X' && t[5] >= 'A' && t[5] <= 'X', "subsquare letters A-X", t);
    const double lat = LatitudeLocator(locator).enDegres();
    const double lon = LongitudeLocator(locator).enDegres();
    Exige(lat > -90 && lat < 90 && lon > -180 && lon < 180, "centre on the earth", t);
}

/// A window stand-in that holds texts and records prompts and the fields written.
class ChampsFuzz : public InterfaceChamps {
public:
    std::map<Champ, std::string> textes;
    std::vector<Champ> ecrits;
    std::vector<std::string> messages;

    std::string LitChamp(Champ champ) const override {
        const auto it = textes.find(champ);
        return it == textes.end() ? std::string() : it->second;
    }
    void EcritChamp(Champ champ, std::string_view texte) override {
        textes[champ] = std::string(texte);
        ecrits.push_back(champ);
    }
    void AfficheMessage(std::string_view invite) override {
        messages.emplace_back(invite);
        Exige(EstMessageDuProgramme(messages.back()), "a prompt of the program", invite);
    }
};

} // namespace vantrel::fuzz
