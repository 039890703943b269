#include "apparence.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace vantrel::ui {

namespace {

struct PoliceRemplacante {
    QString famille; // empty: Qt's own choice for the sans-serif hint
    int largeur;     // width it is drawn at, in percent of its normal width
};

// The first face the system has of: MS Sans Serif, the face the layout was drawn for; Microsoft
// Sans Serif, its outline version with its widths (Windows, where MS Sans Serif is a bitmap face
// Qt 6 does not list); Tahoma, drawn to the same widths for dialogs (Windows, Wine's own fonts);
// DejaVu Sans, wider, narrowed so that the captions keep inside their rectangles (Debian, and
// Wine, which shows it the system's fonts). Qt's own fallback for a missing face ignores the
// sans-serif hint on Windows. Asked of the list of families alone: loading the missing face to
// learn that it is missing would load a second font file.
PoliceRemplacante ChoisitPoliceRemplacante() {
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

QColor EnCouleur(Rvb c) {
    return QColor(c.r, c.g, c.b);
}

// Width a framed line edit gives its text: its contents rectangle less the two pixels Qt keeps
// on each side of the text.
int LargeurTexte(const QLineEdit* boite) {
    constexpr int MargeQt = 2;
    QStyleOptionFrame option;
    option.initFrom(boite);
    option.rect = boite->rect();
    option.lineWidth = boite->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, boite);
    return boite->style()->subElementRect(QStyle::SE_LineEditContents, &option, boite).width() -
           2 * MargeQt;
}

} // namespace

QFont Police(double points, bool souligne) {
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(points);
    police.setWeight(QFont::Normal);
    police.setItalic(false);
    police.setUnderline(souligne);
    // The font database is asked once.
    static const PoliceRemplacante face = ChoisitPoliceRemplacante();
    if (!face.famille.isEmpty()) {
        police.setFamily(face.famille);
    }
    police.setStretch(face.largeur);
    return police;
}

QPalette PaletteFenetre() {
    return QPalette(QColor(239, 239, 239));
}

QPalette PaletteDe(const Element& element, QPalette palette) {
    if (element.genre == Etiquette && element.couleur) {
        // Active and inactive only: a disabled label keeps the greyed look.
        for (auto groupe : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(groupe, QPalette::WindowText, EnCouleur(*element.couleur));
        }
    }
    if (element.genre == Texte) {
        // A disabled box shows a result: keep it legible, dark text on the window's colour.
        palette.setColor(QPalette::Disabled, QPalette::Text,
                         palette.color(QPalette::Active, QPalette::Text));
        palette.setColor(QPalette::Disabled, QPalette::Base,
                         palette.color(QPalette::Active, QPalette::Window));
        for (auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            if (element.couleur) {
                palette.setColor(groupe, QPalette::Text, EnCouleur(*element.couleur));
            }
            if (element.fond) {
                palette.setColor(groupe, QPalette::Base, EnCouleur(*element.fond));
            }
        }
    }
    return palette;
}

void AjusteResultat(QLineEdit* boite, const Element& element) {
    QFont police = Police(element.points, element.souligne);
    const QString plusLarge = QString::fromUtf8(element.plusLarge);
    const int utile = LargeurTexte(boite);
    const int largeur = QFontMetrics(police).horizontalAdvance(plusLarge);
    if (largeur > utile) {
        for (int essai = police.stretch() * utile / largeur; essai > 0; --essai) {
            police.setStretch(essai);
            if (QFontMetrics(police).horizontalAdvance(plusLarge) <= utile) {
                break;
            }
        }
    }
    if (boite->font() != police) {
        boite->setFont(police);
    }
}

} // namespace vantrel::ui
