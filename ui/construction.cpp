#include "construction.h"

#include "apparence.h"
#include "boite_locator.h"
#include "cadretitre.h"
#include "disposition.h"
#include "images.h"
#include "liste_accessible.h"
#include "rose.h"
#include "twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace vantrel::ui {

namespace {

QRect Rectangle(const Element& e) {
    return EnPixels(QRect(e.gauche, e.haut, e.largeur, e.hauteur));
}

QWidget* CreeWidget(const Element& e, QWidget* parent) {
    const QString texte = QString::fromUtf8(e.texte);
    switch (e.genre) {
    case Cadre:
        return new CadreTitre(
            texte, PoliceAjustee(e, {texte}, Rectangle(e).width() - 2 * CadreTitre::RetraitTexte),
            e.couleur ? QColor(e.couleur->r, e.couleur->g, e.couleur->b) : QColor(), parent);
    case Etiquette: {
        auto* etiquette = new QLabel(texte, parent);
        etiquette->setTextFormat(Qt::PlainText);
        etiquette->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return etiquette;
    }
    case Texte: {
        auto* champ = e.estResultat() ? new QLineEdit(texte, parent)
                      : e.locator     ? new BoiteLocator(texte, parent)
                                      : new BoiteSaisie(texte, parent);
        if (e.longueurMax > 0) {
            champ->setMaxLength(e.longueurMax);
        }
        // A result is read as read-only by screen readers, not only greyed.
        champ->setReadOnly(e.estResultat());
        return champ;
    }
    case Liste: {
        InstalleListesAccessibles();
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
        auto* image = new QLabel(parent);
        image->setPixmap(ImageALaTaille(e.image, Rectangle(e).size(), parent->devicePixelRatioF()));
        return image;
    }
    case Ligne:
        return new Rose(QLineF(e.gauche, e.haut, e.largeur, e.hauteur), parent);
    }
    return nullptr;
}

// Most controls inherit their face from the window: a font of their own only where it differs
// (each one costs a resolution and its propagation), by its size or where the system's face is
// too wide for the text. PLACE is the width the texts must fit in.
void DonnePolice(QWidget* w, const Element& e, const QStringList& textes, int place) {
    if (const QFont police = PoliceAjustee(e, textes, place); w->font() != police) {
        w->setFont(police);
    }
}

void Habille(const Element& e, QWidget* w) {
    w->setObjectName(QString::fromUtf8(e.nom.data(), static_cast<qsizetype>(e.nom.size())));
    w->setGeometry(e.genre == Ligne ? w->parentWidget()->rect() : Rectangle(e));
    // A frame's face is its caption's; a result box, empty until a computation, takes its own
    // once the window is drawn.
    if (e.genre != Cadre && !e.estResultat()) {
        DonnePolice(w, e, {QString::fromUtf8(e.texte)}, PlaceDuTexte(w));
    }
    if (!e.prendFocus()) {
        w->setFocusPolicy(Qt::NoFocus);
    }
    w->setEnabled(e.actif);
    if (e.bulle) {
        w->setToolTip(QString::fromUtf8(e.bulle));
    }
    if (e.accessible) {
        w->setAccessibleName(QString::fromUtf8(e.accessible));
    }
    // Its own palette only where it differs, as its font.
    if (const QPalette palette = PaletteDe(e, w->palette()); palette != w->palette()) {
        w->setPalette(palette);
    }
}

std::size_t LigneDuCadre(std::string_view cadre) {
    const auto trouve = std::ranges::find(Elements, cadre, &Element::nom);
    return static_cast<std::size_t>(trouve - std::begin(Elements));
}

} // namespace

std::span<const std::size_t> OrdreClavier() {
    static const std::vector<std::size_t> ordre = [] {
        std::vector<std::size_t> arrets;
        for (std::size_t i = 0; i < std::size(Elements); ++i) {
            if (Elements[i].prendFocus()) {
                arrets.push_back(i);
            }
        }
        std::ranges::sort(arrets, {}, [](std::size_t i) { return Elements[i].tabIndex; });
        return arrets;
    }();
    return ordre;
}

std::vector<QWidget*> Construit(QWidget* zoneClient) {
    std::vector<QWidget*> widgets;
    widgets.reserve(std::size(Elements));
    for (const Element& e : Elements) {
        // The table puts each frame before what it holds (checked where it is written).
        QWidget* parent = e.cadre.empty() ? zoneClient : widgets[LigneDuCadre(e.cadre)];
        QWidget* w = CreeWidget(e, parent);
        Habille(e, w);
        widgets.push_back(w);
    }
    widgets[Rang("Rose", Ligne)]->raise();

    const auto arrets = OrdreClavier();
    for (std::size_t i = 1; i < arrets.size(); ++i) {
        QWidget::setTabOrder(widgets[arrets[i - 1]], widgets[arrets[i]]);
    }
    return widgets;
}

void AjusteResultatsEtListes(std::span<QWidget* const> widgets) {
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        if (const Element& e = Elements[i]; e.estResultat()) {
            // Results that show the same texts at the same size share one face, fitted to the
            // narrowest of their boxes: they read alike, and the font system sets up one face
            // for them instead of one each.
            int place = PlaceDuTexte(widgets[i]);
            for (std::size_t j = 0; j < widgets.size(); ++j) {
                if (Elements[j].estResultat() && Elements[j].points == e.points &&
                    std::string_view(Elements[j].plusLarge) == e.plusLarge) {
                    place = std::min(place, PlaceDuTexte(widgets[j]));
                }
            }
            DonnePolice(widgets[i], e, {QString::fromUtf8(e.plusLarge)}, place);
        } else if (auto* liste = qobject_cast<QComboBox*>(widgets[i])) {
            QStringList articles;
            for (int k = 0; k < liste->count(); ++k) {
                articles << liste->itemText(k);
            }
            DonnePolice(liste, Elements[i], articles, PlaceDuTexte(liste));
        }
    }
}

} // namespace vantrel::ui
