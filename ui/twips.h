// The window's geometry is written in twips (1440 an inch); these are the only conversions to
// logical pixels.
#pragma once

#include <QPointF>
#include <QRect>
#include <cmath>

namespace vantrel::ui {

/// Twips per logical pixel (1440 twips an inch at 96 pixels an inch).
inline constexpr int TwipsParPixel = 15;

inline int EnPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsParPixel));
}

/// A rectangle is converted edge by edge, so that controls that touch in twips still touch in
/// pixels.
inline QRect EnPixels(const QRect& twips) {
    const int gauche = EnPixels(twips.x());
    const int haut = EnPixels(twips.y());
    return {gauche, haut, EnPixels(twips.x() + twips.width()) - gauche,
            EnPixels(twips.y() + twips.height()) - haut};
}

inline QPointF EnPixels(QPointF twips) {
    return twips / TwipsParPixel;
}

} // namespace vantrel::ui
