// What must hold of whatever the arithmetic is given: checked by the fuzz targets, which abort
// on the first violation so that libFuzzer keeps the input.
#pragma once

#include "centre_locator.h"
#include "champs_enregistres.h"
#include "vantrel/controle.h"
#include "vantrel/messages.h"
#include "vantrel/position.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace vantrel::fuzz {

inline void Exige(bool condition, const char* quoi, std::string_view detail = {}) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s [%.*s]\n", quoi, static_cast<int>(detail.size()),
                     detail.data());
        std::abort();
    }
}

/// The display text of a coordinate whose subsquare centre lies at `centre` degrees, in squares
/// of `carre` degrees: the square's edge in whole degrees, the minutes from it, floored.
inline std::string TexteAttendu(double centre, int carre, const char* positif,
                                const char* negatif) {
    const double bord = std::floor(centre / carre) * carre;
    return std::to_string(static_cast<int>(std::abs(bord))) + "° " +
           std::to_string(static_cast<int>((centre - bord) * 60)) + "' " +
           (centre < 0 ? negatif : positif);
}

/// An accepted locator: its alphabet, and the display texts of its centre.
inline void VerifieAccepte(const Locator& locator) {
    const std::string& t = locator.texte();
    Exige(t.size() == 6 && t[0] >= 'A' && t[0] <= 'R' && t[1] >= 'A' && t[1] <= 'R' &&
              t[2] >= '0' && t[2] <= '9' && t[3] >= '0' && t[3] <= '9' && t[4] >= 'A' &&
              t[4] <= 'X' && t[5] >= 'A' && t[5] <= 'X',
          "locator alphabet", t);
    const essais::Degres centre = essais::CentreLocator(t);
    Exige(TexteCoordonnee(LatitudeLocator(locator)) ==
                  TexteAttendu(centre.latitude, 1, "Nord", "Sud") &&
              TexteCoordonnee(LongitudeLocator(locator)) ==
                  TexteAttendu(centre.longitude, 2, "Est", "Ouest"),
          "display texts", t);
}

} // namespace vantrel::fuzz
