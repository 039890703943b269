// The window's client area, below its menu bar: 8850 × 4440 twips, 590 × 296 pixels.
#pragma once

#include "twips.h"

#include <QSize>

namespace vantrel::ui {

inline constexpr int LargeurClient = 8850;
inline constexpr int HauteurClient = 4440;

/// Its size in logical pixels.
inline QSize TailleClient() {
    return {EnPixels(LargeurClient), EnPixels(HauteurClient)};
}

} // namespace vantrel::ui
