// What must hold of whatever the arithmetic is given: checked by the fuzz targets, which abort
// on the first violation so that libFuzzer keeps the input.
#pragma once

#include "textes_du_programme.h"
#include "vantrel/champs.h"
#include "vantrel/controle.h"
#include "vantrel/messages.h"
#include "vantrel/position.h"
#include "vantrel/texte.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::fuzz {

using essais::EstMessageDuProgramme;
using essais::EstTexteCoordonnee;

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
