// What must hold of whatever the arithmetic is given: checked by the fuzz targets, which abort
// on the first violation so that libFuzzer keeps the input.
#pragma once

#include "champs_enregistres.h"
#include "textes_du_programme.h"
#include "vantrel/controle.h"
#include "vantrel/position.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vantrel::fuzz {

inline void Exige(bool condition, const char* quoi, std::string_view detail = {}) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s [%.*s]\n", quoi, static_cast<int>(detail.size()),
                     detail.data());
        std::abort();
    }
}

/// The centre of a locator in degrees, from its characters alone.
inline double Longitude(std::string_view l) {
    return (l[0] - 'A') * 20.0 - 180 + (l[2] - '0') * 2 + ((l[4] - 'A') * 5 + 2.5) / 60;
}
inline double Latitude(std::string_view l) {
    return (l[1] - 'A') * 10.0 - 90 + (l[3] - '0') + ((l[5] - 'A') * 2.5 + 1.25) / 60;
}

/// An accepted locator: its alphabet, and display texts of a decoded locator.
inline void VerifieAccepte(const Locator& locator) {
    const std::string& t = locator.texte();
    Exige(t.size() == 6 && t[0] >= 'A' && t[0] <= 'R' && t[1] >= 'A' && t[1] <= 'R' &&
              t[2] >= '0' && t[2] <= '9' && t[3] >= '0' && t[3] <= '9' && t[4] >= 'A' &&
              t[4] <= 'X' && t[5] >= 'A' && t[5] <= 'X',
          "locator alphabet", t);
    Exige(essais::EstTexteCoordonnee(TexteCoordonnee(LatitudeLocator(locator)), true) &&
              essais::EstTexteCoordonnee(TexteCoordonnee(LongitudeLocator(locator)), false),
          "display texts", t);
}

} // namespace vantrel::fuzz
