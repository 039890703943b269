// The centre of a locator's subsquare in degrees, from its six characters and the grid's
// definition alone: fields of 20° × 10° from 180° W and 90° S, squares of 2° × 1°, subsquares of
// 5' × 2.5'.
#pragma once

#include <string_view>

namespace vantrel::essais {

struct Degres {
    double latitude, longitude;
};

inline Degres CentreLocator(std::string_view l) {
    return {(l[1] - 'A') * 10.0 - 90 + (l[3] - '0') + ((l[5] - 'A') * 2.5 + 1.25) / 60,
            (l[0] - 'A') * 20.0 - 180 + (l[2] - '0') * 2 + ((l[4] - 'A') * 5 + 2.5) / 60};
}

} // namespace vantrel::essais
