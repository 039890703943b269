// The face that stands in for "MS Sans Serif" where Qt finds none by that name, on every system:
// Windows has it only as a bitmap face, which Qt 6 does not list, and Qt's fallback on Windows
// for a missing face ignores the sans-serif hint (under Wine it gives a serif face).
#pragma once

#include <QFontDatabase>
#include <QString>

namespace vantrel::ui {

struct PoliceRemplacante {
    QString famille; ///< empty: Qt's own choice for the sans-serif hint
    int largeur;     ///< width it is drawn at, in percent of its normal width
};

/// The first face the system has of: Microsoft Sans Serif, the outline version of MS Sans Serif
/// with its widths (Windows); Tahoma, drawn to the same widths for dialogs (Windows, Wine's own
/// fonts); DejaVu Sans, wider, narrowed so that the captions keep inside their rectangles
/// (Debian, and Wine, which shows it the system's fonts).
inline PoliceRemplacante ChoisitPoliceRemplacante() {
    const QStringList familles = QFontDatabase::families();
    for (const PoliceRemplacante& face :
         {PoliceRemplacante{QStringLiteral("Microsoft Sans Serif"), 100},
          PoliceRemplacante{QStringLiteral("Tahoma"), 100},
          PoliceRemplacante{QStringLiteral("DejaVu Sans"), 80}}) {
        if (familles.contains(face.famille, Qt::CaseInsensitive)) {
            return face;
        }
    }
    return {QString(), 80};
}

} // namespace vantrel::ui
