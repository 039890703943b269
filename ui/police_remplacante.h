// The face the window is drawn in: "MS Sans Serif" where Qt has it, else a stand-in chosen the
// same way on every system. Windows has "MS Sans Serif" only as a bitmap face, which Qt 6 does
// not list, and Qt's fallback on Windows for a missing face ignores the sans-serif hint (under
// Wine it gives a serif face).
#pragma once

#include <QFontDatabase>
#include <QString>

namespace vantrel::ui {

struct PoliceRemplacante {
    QString famille; ///< empty: Qt's own choice for the sans-serif hint
    int largeur;     ///< width it is drawn at, in percent of its normal width
};

/// The first face the system has of: MS Sans Serif, the face the layout was drawn for; Microsoft
/// Sans Serif, the outline version of MS Sans Serif with its widths (Windows); Tahoma, drawn to
/// the same widths for dialogs (Windows, Wine's own fonts); DejaVu Sans, wider, narrowed so that
/// the captions keep inside their rectangles (Debian, and Wine, which shows it the system's
/// fonts). Asked of the list of families alone: loading the missing face to learn that it is
/// missing would load a second font file.
inline PoliceRemplacante ChoisitPoliceRemplacante() {
    const QStringList familles = QFontDatabase::families();
    for (const PoliceRemplacante& face :
         {PoliceRemplacante{QStringLiteral("MS Sans Serif"), 100},
          PoliceRemplacante{QStringLiteral("Microsoft Sans Serif"), 100},
          PoliceRemplacante{QStringLiteral("Tahoma"), 100},
          PoliceRemplacante{QStringLiteral("DejaVu Sans"), 80}}) {
        if (familles.contains(face.famille, Qt::CaseInsensitive)) {
            return face;
        }
    }
    return {QString(), 80};
}

} // namespace vantrel::ui
