// The window's layout as data: every control with its place in twips, its looks and its place
// in the keyboard order. The window builds its widgets from this table and nothing else.
#pragma once

#include "twips.h"

#include <QRect>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QFont;
class QWidget;

namespace vantrel::ui {

/// The client area below the menu bar, in twips.
inline constexpr int LargeurClient = 8850;
inline constexpr int HauteurClient = 4440;

enum class Genre {
    Cadre,     // a group box; no caption for an empty text
    Etiquette, // static text
    Texte,     // single-line text box
    Liste,     // drop-down list that takes no typed text
    Bouton,    // push button; "&" marks the access letter
    Image,     // picture stretched to the rectangle
    Ligne,     // the needle; its rectangle holds X1, Y1, X2, Y2
};

struct Rvb {
    int r, g, b;
};

inline constexpr Rvb Bleu{0, 0, 255};
inline constexpr Rvb Noir{0, 0, 0};

/// One control of the window: a row of the layout table.
struct Element {
    const char* nom; // the widget's objectName
    Genre genre;
    const char* cadre; // the frame holding it; nullptr for a frame (the client area)
    const char* texte; // start text or caption, UTF-8
    int gauche, haut, largeur, hauteur; // twips, from the container's top-left corner
    int tabIndex;
    double points = 8.25;
    bool souligne = false;
    std::optional<Rvb> couleur = std::nullopt; // text (or caption) colour
    std::optional<Rvb> fond = std::nullopt;    // background colour
    bool actif = true;
    int longueurMax = 0;              // 0: no limit
    const char* bulle = nullptr;      // tooltip
    const char* accessible = nullptr; // name for screen readers
    const char* image = nullptr;      // resource of a picture
    const char* plusLarge = nullptr;  // of a result box: the widest text the program writes

    QRect twips() const { return {gauche, haut, largeur, hauteur}; }
    /// Whether the control is one of the keyboard stops.
    bool prendFocus() const;
};

/// Every control of the window, frames first, each frame before what it holds.
std::span<const Element> Disposition();

/// Where a control stands in the table (its index), by name; the table's size for none.
std::size_t IndexElement(std::string_view nom);

/// The keyboard stops, in tab-index order.
std::span<const Element* const> OrdreClavier();

/// The window's face: "MS Sans Serif" where the system has it, else the plain sans-serif
/// face, at the same size.
QFont Police(double points = 8.25, bool souligne = false);

/// Creates the widgets of the table inside the client area, in their keyboard order; returns
/// them in the table's order.
std::vector<QWidget*> Construit(QWidget* zoneClient);

/// Gives each result box, among the widgets Construit returned, its face, narrowed where need be
/// for the widest text it will show. The boxes are empty until a computation: the window does
/// this once it is drawn.
void AjusteResultats(std::span<QWidget* const> widgets);

} // namespace vantrel::ui
