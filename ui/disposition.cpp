#include "disposition.h"

#include "cadretitre.h"
#include "geometrie_cadran.h"
#include "police_remplacante.h"
#include "rose.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QFont>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QResource>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace vantrel::ui {

namespace {

using enum Genre;

// The about box's values. The spaces inside each line are part of its text.
#define VANTREL_ESPACES_12 "            "
#define VANTREL_ESPACES_13 "             "
#define VANTREL_ESPACES_18 "                  "

// clang-format off
const Element Elements[] = {
    // Frames, on the client area.
    {.nom = "Frame1", .genre = Cadre, .cadre = nullptr, .texte = "Azimut",
     .gauche = 0, .haut = -30, .largeur = 2355, .hauteur = 2235, .tabIndex = 41,
     .couleur = Bleu},
    {.nom = "Frame4", .genre = Cadre, .cadre = nullptr, .texte = "",
     .gauche = 2415, .haut = -15, .largeur = 2880, .hauteur = 2220, .tabIndex = 42},
    {.nom = "Frame5", .genre = Cadre, .cadre = nullptr, .texte = "A propos de Vantrel",
     .gauche = 5325, .haut = -15, .largeur = 3465, .hauteur = 2220, .tabIndex = 43,
     .couleur = Bleu},
    {.nom = "Frame2", .genre = Cadre, .cadre = nullptr, .texte = "Calcul locator",
     .gauche = 15, .haut = 2265, .largeur = 4332, .hauteur = 2145, .tabIndex = 19,
     .points = 9.75, .couleur = Noir},
    {.nom = "Frame3", .genre = Cadre, .cadre = nullptr, .texte = "Calcul des distances ",
     .gauche = 4365, .haut = 2265, .largeur = 4452, .hauteur = 2145, .tabIndex = 0,
     .points = 9.75, .couleur = Noir},
    // The compass; the needle lies above the dial.
    {.nom = "Image1", .genre = Image, .cadre = "Frame1", .texte = "",
     .gauche = cadran::ImageGauche, .haut = cadran::ImageHaut,
     .largeur = cadran::ImageLargeur, .hauteur = cadran::ImageHauteur, .tabIndex = -1,
     .accessible = "Cadran de l'azimut", .image = ":/cadran.ppm"},
    {.nom = "Rose", .genre = Ligne, .cadre = "Frame1", .texte = "",
     .gauche = 1155, .haut = 465, .largeur = 1155, .hauteur = 1101, .tabIndex = -1},
    // The map.
    {.nom = "Image2", .genre = Image, .cadre = "Frame4", .texte = "",
     .gauche = 120, .haut = 180, .largeur = 2610, .hauteur = 1980, .tabIndex = -1,
     .accessible = "Carte des carrés locators de France", .image = ":/carte.ppm"},
    // The about box.
    {.nom = "Label3(0)", .genre = Etiquette, .cadre = "Frame5",
     .texte = " Créé par :" VANTREL_ESPACES_12 "l'équipe Vantrel",
     .gauche = 315, .haut = 450, .largeur = 2700, .hauteur = 255, .tabIndex = 44},
    {.nom = "Label3(4)", .genre = Etiquette, .cadre = "Frame5",
     .texte = "Date :" VANTREL_ESPACES_18 VANTREL_DATE,
     .gauche = 375, .haut = 780, .largeur = 2700, .hauteur = 255, .tabIndex = 48},
    {.nom = "Label3(1)", .genre = Etiquette, .cadre = "Frame5",
     .texte = "Locator :" VANTREL_ESPACES_13 "JN38DM",
     .gauche = 390, .haut = 1095, .largeur = 2580, .hauteur = 255, .tabIndex = 45},
    {.nom = "Label3(2)", .genre = Etiquette, .cadre = "Frame5",
     .texte = "Contact :" VANTREL_ESPACES_13 "vt@example.org",
     .gauche = 390, .haut = 1440, .largeur = 2580, .hauteur = 255, .tabIndex = 46},
    {.nom = "Label3(3)", .genre = Etiquette, .cadre = "Frame5",
     .texte = "Version :" VANTREL_ESPACES_13 VANTREL_VERSION,
     .gauche = 390, .haut = 1770, .largeur = 2700, .hauteur = 255, .tabIndex = 47},
    // Coordinates to locator: the longitude row.
    {.nom = "Label1(2)", .genre = Etiquette, .cadre = "Frame2", .texte = "Degrés",
     .gauche = 1095, .haut = 225, .largeur = 675, .hauteur = 255, .tabIndex = 32,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(3)", .genre = Etiquette, .cadre = "Frame2", .texte = "Minutes",
     .gauche = 1815, .haut = 225, .largeur = 675, .hauteur = 255, .tabIndex = 33,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(5)", .genre = Etiquette, .cadre = "Frame2", .texte = "Seconde",
     .gauche = 2535, .haut = 225, .largeur = 795, .hauteur = 255, .tabIndex = 35,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(4)", .genre = Etiquette, .cadre = "Frame2", .texte = "Est-Ouest",
     .gauche = 3345, .haut = 225, .largeur = 870, .hauteur = 255, .tabIndex = 34,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(1)", .genre = Etiquette, .cadre = "Frame2", .texte = "Longitude:",
     .gauche = 165, .haut = 555, .largeur = 780, .hauteur = 255, .tabIndex = 31,
     .couleur = Bleu},
    {.nom = "Dlo", .genre = Texte, .cadre = "Frame2", .texte = "",
     .gauche = 1140, .haut = 525, .largeur = 540, .hauteur = 288, .tabIndex = 20,
     .longueurMax = 3, .bulle = "Exemple 006 7 Est", .accessible = "Degrés de longitude"},
    {.nom = "Mlo", .genre = Texte, .cadre = "Frame2", .texte = "",
     .gauche = 1845, .haut = 525, .largeur = 570, .hauteur = 288, .tabIndex = 21,
     .longueurMax = 3, .accessible = "Minutes de longitude"},
    {.nom = "Slo", .genre = Texte, .cadre = "Frame2", .texte = "0",
     .gauche = 2625, .haut = 525, .largeur = 525, .hauteur = 288, .tabIndex = 22,
     .longueurMax = 3, .accessible = "Secondes de longitude"},
    {.nom = "Elo", .genre = Liste, .cadre = "Frame2", .texte = "",
     .gauche = 3285, .haut = 525, .largeur = 795, .hauteur = 315, .tabIndex = 25,
     .accessible = "Longitude Est ou Ouest"},
    // The latitude row.
    {.nom = "Label1(8)", .genre = Etiquette, .cadre = "Frame2", .texte = "Degrés",
     .gauche = 1065, .haut = 945, .largeur = 675, .hauteur = 255, .tabIndex = 39,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(7)", .genre = Etiquette, .cadre = "Frame2", .texte = "Minutes",
     .gauche = 1800, .haut = 945, .largeur = 675, .hauteur = 255, .tabIndex = 38,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(9)", .genre = Etiquette, .cadre = "Frame2", .texte = "Seconde",
     .gauche = 2520, .haut = 945, .largeur = 795, .hauteur = 255, .tabIndex = 40,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(6)", .genre = Etiquette, .cadre = "Frame2", .texte = "Nord-Sud",
     .gauche = 3405, .haut = 945, .largeur = 870, .hauteur = 255, .tabIndex = 37,
     .souligne = true, .couleur = Bleu},
    {.nom = "Label1(0)", .genre = Etiquette, .cadre = "Frame2", .texte = "Latitude:",
     .gauche = 150, .haut = 1185, .largeur = 705, .hauteur = 255, .tabIndex = 36,
     .couleur = Bleu},
    {.nom = "Dla", .genre = Texte, .cadre = "Frame2", .texte = "",
     .gauche = 1125, .haut = 1200, .largeur = 570, .hauteur = 288, .tabIndex = 26,
     .longueurMax = 3, .bulle = "Exemple 48 35 Nord", .accessible = "Degrés de latitude"},
    {.nom = "Mla", .genre = Texte, .cadre = "Frame2", .texte = "",
     .gauche = 1845, .haut = 1200, .largeur = 570, .hauteur = 288, .tabIndex = 27,
     .longueurMax = 3, .accessible = "Minutes de latitude"},
    {.nom = "Sla", .genre = Texte, .cadre = "Frame2", .texte = "0",
     .gauche = 2625, .haut = 1200, .largeur = 570, .hauteur = 288, .tabIndex = 28,
     .longueurMax = 3, .accessible = "Secondes de latitude"},
    {.nom = "Ela", .genre = Liste, .cadre = "Frame2", .texte = "",
     .gauche = 3285, .haut = 1200, .largeur = 780, .hauteur = 315, .tabIndex = 29,
     .accessible = "Latitude Nord ou Sud"},
    // The result row.
    {.nom = "Cmd", .genre = Bouton, .cadre = "Frame2", .texte = "&Calcul locator",
     .gauche = 120, .haut = 1635, .largeur = 1416, .hauteur = 336, .tabIndex = 23},
    {.nom = "Label2(2)", .genre = Etiquette, .cadre = "Frame2", .texte = "Locator :",
     .gauche = 2040, .haut = 1668, .largeur = 900, .hauteur = 324, .tabIndex = 30,
     .points = 9.75, .souligne = true, .couleur = Bleu},
    {.nom = "TxtLocator", .genre = Texte, .cadre = "Frame2", .texte = "",
     .gauche = 3024, .haut = 1650, .largeur = 1212, .hauteur = 372, .tabIndex = 24,
     .points = 12, .couleur = Rvb{0, 0, 192}, .fond = Rvb{255, 255, 0}, .actif = false,
     .accessible = "Locator calculé", .plusLarge = "MM00WW"},
    // Distance and azimuth: the user's row.
    {.nom = "Label1(18)", .genre = Etiquette, .cadre = "Frame3", .texte = "Longitude",
     .gauche = 2370, .haut = 180, .largeur = 855, .hauteur = 255, .tabIndex = 16,
     .couleur = Noir},
    {.nom = "Label1(19)", .genre = Etiquette, .cadre = "Frame3", .texte = "Latitude",
     .gauche = 3495, .haut = 165, .largeur = 735, .hauteur = 255, .tabIndex = 17,
     .couleur = Noir},
    {.nom = "Label1(13)", .genre = Etiquette, .cadre = "Frame3", .texte = "Locator de départ",
     .gauche = 30, .haut = 465, .largeur = 1575, .hauteur = 255, .tabIndex = 11,
     .couleur = Bleu},
    {.nom = "MonLocator", .genre = Texte, .cadre = "Frame3", .texte = " ",
     .gauche = 1560, .haut = 405, .largeur = 804, .hauteur = 300, .tabIndex = 2,
     .longueurMax = 7, .accessible = "Locator de départ"},
    {.nom = "MaLongi", .genre = Texte, .cadre = "Frame3", .texte = "",
     .gauche = 2400, .haut = 405, .largeur = 972, .hauteur = 300, .tabIndex = 4,
     .actif = false, .accessible = "Ma longitude", .plusLarge = "180° 117' Ouest"},
    {.nom = "MaLati", .genre = Texte, .cadre = "Frame3", .texte = "",
     .gauche = 3408, .haut = 405, .largeur = 972, .hauteur = 300, .tabIndex = 6,
     .actif = false, .accessible = "Ma latitude", .plusLarge = "89° 58' Nord"},
    // The correspondent's row.
    {.nom = "Label1(17)", .genre = Etiquette, .cadre = "Frame3", .texte = "Longitude",
     .gauche = 2400, .haut = 705, .largeur = 855, .hauteur = 255, .tabIndex = 15,
     .couleur = Noir},
    {.nom = "Label1(20)", .genre = Etiquette, .cadre = "Frame3", .texte = "Latitude",
     .gauche = 3480, .haut = 705, .largeur = 855, .hauteur = 255, .tabIndex = 18,
     .couleur = Noir, .actif = false},
    // The caption as the program has always spelt it.
    {.nom = "Label1(14)", .genre = Etiquette, .cadre = "Frame3", .texte = "Locator d'arrvée",
     .gauche = 60, .haut = 960, .largeur = 1455, .hauteur = 255, .tabIndex = 12,
     .couleur = Bleu},
    {.nom = "SonLocator", .genre = Texte, .cadre = "Frame3", .texte = "",
     .gauche = 1560, .haut = 915, .largeur = 804, .hauteur = 315, .tabIndex = 3,
     .longueurMax = 7, .accessible = "Locator d'arrivée"},
    {.nom = "SaLongi", .genre = Texte, .cadre = "Frame3", .texte = "",
     .gauche = 2412, .haut = 930, .largeur = 960, .hauteur = 300, .tabIndex = 8,
     .actif = false, .accessible = "Sa longitude", .plusLarge = "180° 117' Ouest"},
    {.nom = "SaLati", .genre = Texte, .cadre = "Frame3", .texte = "",
     .gauche = 3432, .haut = 930, .largeur = 936, .hauteur = 300, .tabIndex = 9,
     .actif = false, .accessible = "Sa latitude", .plusLarge = "89° 58' Nord"},
    // Buttons and results.
    {.nom = "CmdEfface", .genre = Bouton, .cadre = "Frame3", .texte = "&Clear",
     .gauche = 120, .haut = 1275, .largeur = 1335, .hauteur = 330, .tabIndex = 1},
    {.nom = "Label1(16)", .genre = Etiquette, .cadre = "Frame3", .texte = "Distance kilomètres",
     .gauche = 1680, .haut = 1350, .largeur = 1455, .hauteur = 255, .tabIndex = 14,
     .couleur = Bleu},
    {.nom = "Label1(15)", .genre = Etiquette, .cadre = "Frame3", .texte = " Azimut Degrés.",
     .gauche = 3210, .haut = 1320, .largeur = 1185, .hauteur = 255, .tabIndex = 13,
     .couleur = Bleu},
    {.nom = "Distance", .genre = Texte, .cadre = "Frame3", .texte = "",
     .gauche = 2040, .haut = 1560, .largeur = 804, .hauteur = 300, .tabIndex = 10,
     .actif = false, .accessible = "Distance kilomètres", .plusLarge = "20038"},
    {.nom = "Azimut", .genre = Texte, .cadre = "Frame3", .texte = "",
     .gauche = 3420, .haut = 1590, .largeur = 804, .hauteur = 300, .tabIndex = 7,
     .actif = false, .accessible = "Azimut degrés", .plusLarge = "360"},
    {.nom = "Command1", .genre = Bouton, .cadre = "Frame3", .texte = "C&alcul",
     .gauche = 120, .haut = 1665, .largeur = 1335, .hauteur = 330, .tabIndex = 5},
};
// clang-format on

// A drop-down list as a screen reader sees it: named by the name the layout gives it, its
// value the item chosen (Qt's own names it by the item once one is chosen).
class ListeAccessible : public QAccessibleWidget {
public:
    explicit ListeAccessible(QComboBox* liste) : QAccessibleWidget(liste, QAccessible::ComboBox) {}

    QString text(QAccessible::Text quoi) const override {
        const auto* liste = static_cast<const QComboBox*>(widget());
        if (quoi == QAccessible::Name && !liste->accessibleName().isEmpty()) {
            return liste->accessibleName();
        }
        if (quoi == QAccessible::Value) {
            return liste->currentText();
        }
        return QAccessibleWidget::text(quoi);
    }
};

QAccessibleInterface* InterfaceListe(const QString& classe, QObject* objet) {
    if (classe == u"QComboBox") {
        return new ListeAccessible(static_cast<QComboBox*>(objet));
    }
    return nullptr;
}

// A picture compiled in as a binary PPM (P6, 8 bits a channel), read in place: no image
// plugin to look for, no decoder to load before the window shows. The pictures are kept as
// JPEG files, from which tools/en-ppm.sh makes these.
QImage ImagePpm(const QString& ressource) {
    const QResource fichier(ressource);
    const auto* octets = reinterpret_cast<const char*>(fichier.data());
    int largeur = 0, hauteur = 0, maximum = 0, entete = 0;
    if (!octets ||
        std::sscanf(octets, "P6 %d %d %d%n", &largeur, &hauteur, &maximum, &entete) != 3 ||
        maximum != 255 || fichier.size() != entete + 1 + 3LL * largeur * hauteur) {
        return {};
    }
    return QImage(reinterpret_cast<const uchar*>(octets) + entete + 1, largeur, hauteur,
                  3 * largeur, QImage::Format_RGB888);
}

QColor EnCouleur(Rvb c) {
    return QColor(c.r, c.g, c.b);
}

QWidget* CreeWidget(const Element& c, QWidget* parent) {
    const QString texte = QString::fromUtf8(c.texte);
    switch (c.genre) {
    case Cadre:
        return new CadreTitre(texte, Police(c.points, c.souligne),
                              c.couleur ? EnCouleur(*c.couleur) : QColor(), parent);
    case Etiquette: {
        auto* etiquette = new QLabel(texte, parent);
        etiquette->setTextFormat(Qt::PlainText);
        etiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return etiquette;
    }
    case Texte: {
        auto* champ = new QLineEdit(texte, parent);
        if (c.longueurMax > 0) {
            champ->setMaxLength(c.longueurMax);
        }
        champ->setCursorPosition(0);
        return champ;
    }
    case Liste: {
        static const bool fabrique = (QAccessible::installFactory(InterfaceListe), true);
        Q_UNUSED(fabrique);
        auto* liste = new QComboBox(parent);
        liste->setEditable(false);
        return liste;
    }
    case Bouton: {
        // Return and Enter press the button that has the focus; none is the window's default.
        auto* bouton = new QPushButton(texte, parent);
        bouton->setAutoDefault(true);
        bouton->setDefault(false);
        return bouton;
    }
    case Image: {
        // Scaled once to the size shown in device pixels, straight from the compiled-in pixels.
        auto* image = new QLabel(parent);
        const qreal ratio = parent->devicePixelRatioF();
        QPixmap pixmap =
            QPixmap::fromImage(ImagePpm(QString::fromUtf8(c.image))
                                   .scaled(EnPixels(c.twips()).size() * ratio,
                                           Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(ratio);
        image->setPixmap(pixmap);
        // Should the rectangle still differ by a pixel, the label stretches the picture.
        image->setScaledContents(true);
        return image;
    }
    case Ligne:
        return new Rose(QLineF(c.gauche, c.haut, c.largeur, c.hauteur), parent);
    }
    return nullptr;
}

// Width a line edit gives its text: its contents rectangle less the two pixels Qt keeps on
// each side of the text.
int LargeurTexte(const QLineEdit* boite) {
    constexpr int MargeQt = 2;
    QStyleOptionFrame option;
    option.initFrom(boite);
    option.rect = boite->rect();
    option.lineWidth = boite->hasFrame() ? boite->style()->pixelMetric(QStyle::PM_DefaultFrameWidth,
                                                                       &option, boite)
                                         : 0;
    const QRect contenu =
        boite->style()->subElementRect(QStyle::SE_LineEditContents, &option, boite);
    const QMargins marges = boite->textMargins();
    return contenu.width() - marges.left() - marges.right() - 2 * MargeQt;
}

// A result box takes its face, and shows its widest text whole: where the face is too wide for
// the box, the same face narrowed just enough.
void AjusteResultat(QLineEdit* boite, QFont police, const QString& plusLarge) {
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

void Habille(const Element& c, QWidget* w) {
    w->setObjectName(QString::fromUtf8(c.nom));
    // Most controls inherit their face from the window: a font of their own only where it
    // differs (each one costs a resolution and its propagation). A frame's is its caption's; a
    // result box, empty until a computation, takes its own once the window is drawn
    // (AjusteResultats).
    if (c.genre != Cadre && !c.plusLarge) {
        if (const QFont police = Police(c.points, c.souligne); w->font() != police) {
            w->setFont(police);
        }
    }
    if (c.genre == Ligne) {
        w->setGeometry(w->parentWidget()->rect());
    } else {
        w->setGeometry(EnPixels(c.twips()));
    }
    if (!c.prendFocus()) {
        w->setFocusPolicy(Qt::NoFocus);
    }
    w->setEnabled(c.actif);
    if (c.bulle) {
        w->setToolTip(QString::fromUtf8(c.bulle));
    }
    if (c.accessible) {
        w->setAccessibleName(QString::fromUtf8(c.accessible));
    }
    if (c.plusLarge) {
        // A result: read as read-only by screen readers, not only greyed.
        auto* boite = static_cast<QLineEdit*>(w);
        boite->setReadOnly(true);
    }

    QPalette palette = w->palette();
    if (c.genre == Etiquette && c.couleur) {
        // Active and inactive only: a disabled label keeps the greyed look.
        for (auto groupe : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(groupe, QPalette::WindowText, EnCouleur(*c.couleur));
        }
    }
    if (c.genre == Texte) {
        // A disabled box shows a result: keep it legible, dark text on the window's colour.
        palette.setColor(QPalette::Disabled, QPalette::Text,
                         palette.color(QPalette::Active, QPalette::Text));
        palette.setColor(QPalette::Disabled, QPalette::Base,
                         palette.color(QPalette::Active, QPalette::Window));
        for (auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            if (c.couleur) {
                palette.setColor(groupe, QPalette::Text, EnCouleur(*c.couleur));
            }
            if (c.fond) {
                palette.setColor(groupe, QPalette::Base, EnCouleur(*c.fond));
            }
        }
    }
    if (palette != w->palette()) {
        w->setPalette(palette); // its own palette only where it differs, as its font
    }
}

} // namespace

QFont Police(double points, bool souligne) {
    QFont police(QStringLiteral("MS Sans Serif"));
    police.setStyleHint(QFont::SansSerif);
    police.setPointSizeF(points);
    police.setWeight(QFont::Normal);
    police.setItalic(false);
    police.setUnderline(souligne);
    // Where the face is missing, a stand-in (police_remplacante.h); one wider than the face the
    // layout was drawn for is narrowed to about the same widths, so that the captions and results
    // stay inside their rectangles. The font database is asked once.
    static const PoliceRemplacante face = ChoisitPoliceRemplacante();
    if (!face.famille.isEmpty()) {
        police.setFamily(face.famille);
    }
    police.setStretch(face.largeur);
    return police;
}

bool Element::prendFocus() const {
    return actif && (genre == Texte || genre == Liste || genre == Bouton);
}

std::span<const Element> Disposition() {
    return Elements;
}

std::size_t IndexElement(std::string_view nom) {
    const auto trouve =
        std::ranges::find_if(Elements, [nom](const Element& e) { return e.nom == nom; });
    return static_cast<std::size_t>(trouve - std::begin(Elements));
}

std::span<const Element* const> OrdreClavier() {
    static const std::vector<const Element*> ordre = [] {
        std::vector<const Element*> arrets;
        for (const Element& c : Elements) {
            if (c.prendFocus()) {
                arrets.push_back(&c);
            }
        }
        std::ranges::sort(arrets, {}, &Element::tabIndex);
        return arrets;
    }();
    return ordre;
}

std::vector<QWidget*> Construit(QWidget* zoneClient) {
    std::vector<QWidget*> widgets;
    widgets.reserve(std::size(Elements));
    for (const Element& c : Elements) {
        // Frames come before what they hold.
        QWidget* parent = c.cadre ? widgets[IndexElement(c.cadre)] : zoneClient;
        QWidget* w = CreeWidget(c, parent);
        Habille(c, w);
        widgets.push_back(w);
    }
    widgets[IndexElement("Rose")]->raise();

    const auto arrets = OrdreClavier();
    for (std::size_t i = 1; i < arrets.size(); ++i) {
        QWidget::setTabOrder(widgets[arrets[i - 1] - Elements], widgets[arrets[i] - Elements]);
    }
    return widgets;
}

void AjusteResultats(std::span<QWidget* const> widgets) {
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const Element& c = Elements[i];
        if (c.plusLarge) {
            AjusteResultat(static_cast<QLineEdit*>(widgets[i]), Police(c.points, c.souligne),
                           QString::fromUtf8(c.plusLarge));
        }
    }
}

} // namespace vantrel::ui
