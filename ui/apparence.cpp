#include "apparence.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace vantrel::ui {

namespace {

struct PoliceRemplacante {
    QString famille; // empty: Qt's own choice for the sans-serif hint
    int largeur;     // width it is drawn at, in percent of its normal width
};

// DejaVu Sans, and whatever Qt chooses in its place, drawn at this width (percent).
constexpr int LargeurEtroite = 80;

// The first face the system has as outlines of: MS Sans Serif, the face the layout was drawn
// for; Microsoft Sans Serif, its outline version with its widths (Windows, where MS Sans Serif is
// a bitmap face); DejaVu Sans, wider, narrowed so that the captions keep inside their rectangles
// (Debian, and Wine, which shows it the system's fonts); Tahoma, for dialogs on Windows (Wine's
// own, which Wine draws without smoothing: at 12 points and narrowed, strokes drop out). A bitmap
// face is passed over: it comes in a few sizes, and scaled, or narrowed where a text is too wide
// for its control (PoliceAjustee), it loses whole columns of pixels (Wine 10 lists its bitmap MS
// Sans Serif, wider than the layout's too). Qt's own fallback for a missing face ignores the
// sans-serif hint on Windows. Asked of the font database alone: loading the missing face to learn
// that it is missing would load a second font file.
PoliceRemplacante ChoisitPoliceRemplacante() {
    for (const PoliceRemplacante& face :
         {PoliceRemplacante{QStringLiteral("MS Sans Serif"), QFont::Unstretched},
          PoliceRemplacante{QStringLiteral("Microsoft Sans Serif"), QFont::Unstretched},
          PoliceRemplacante{QStringLiteral("DejaVu Sans"), LargeurEtroite},
          PoliceRemplacante{QStringLiteral("Tahoma"), QFont::Unstretched}}) {
        if (QFontDatabase::isSmoothlyScalable(face.famille)) {
            return face;
        }
    }
    return {QString(), LargeurEtroite};
}

QColor EnCouleur(Rvb c) {
    return QColor(c.r, c.g, c.b);
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
        // A disabled box shows a result: keep it legible, dark text on the window's colour
        // (the base the window's palette gives a disabled box).
        palette.setColor(QPalette::Disabled, QPalette::Text,
                         palette.color(QPalette::Active, QPalette::Text));
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

QFont PoliceAjustee(const Element& element, const QStringList& textes, int place) {
    QFont police = Police(element.points, element.souligne);
    const auto largeur = [&] {
        const QFontMetrics mesure(police);
        int plusLarge = 0;
        for (const QString& texte : textes) {
            plusLarge = std::max(
                plusLarge, mesure.horizontalAdvance(
                               element.genre == Bouton ? QString(texte).remove(u'&') : texte));
        }
        return plusLarge;
    };
    if (const int naturelle = largeur(); naturelle > place) {
        // From the stretch that would fit were the width proportional to it, down to one that
        // fits (Windows narrows a face by whole pixels of its average character width).
        for (int essai = police.stretch() * place / naturelle; essai > 0; --essai) {
            police.setStretch(essai);
            if (largeur() <= place) {
                break;
            }
        }
    }
    return police;
}

int PlaceDuTexte(const QWidget* controle) {
    const QStyle* style = controle->style();
    if (const auto* boite = qobject_cast<const QLineEdit*>(controle)) {
        // Inside the frame, less the two pixels Qt keeps on each side of the text and the one
        // its cursor takes after it: a text any wider scrolls.
        constexpr int MargeQt = 2;
        constexpr int Curseur = 1;
        QStyleOptionFrame option;
        option.initFrom(boite);
        option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, boite);
        return style->subElementRect(QStyle::SE_LineEditContents, &option, boite).width() -
               2 * MargeQt - Curseur;
    }
    if (const auto* bouton = qobject_cast<const QPushButton*>(controle)) {
        // Every button of the window is auto-default (Return presses the one with the focus):
        // the style keeps room for the default button's frame inside it.
        QStyleOptionButton option;
        option.initFrom(bouton);
        option.features |= QStyleOptionButton::AutoDefaultButton;
        return style->subElementRect(QStyle::SE_PushButtonContents, &option, bouton).width();
    }
    if (const auto* liste = qobject_cast<const QComboBox*>(controle)) {
        // Its text starts a pixel inside its field.
        QStyleOptionComboBox option;
        option.initFrom(liste);
        const QRect champ = style->subControlRect(QStyle::CC_ComboBox, &option,
                                                  QStyle::SC_ComboBoxEditField, liste);
        return champ.width() - 1;
    }
    return controle->contentsRect().width();
}

} // namespace vantrel::ui
