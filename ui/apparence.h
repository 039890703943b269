// How the controls look: the window's face and its stand-in, the colours a row of the layout
// asks for, and the face each text needs to show whole.
#pragma once

#include "disposition.h"

#include <QFont>
#include <QPalette>
#include <QStringList>

class QWidget;

namespace vantrel::ui {

/// The window's face: "MS Sans Serif" where the system has it, else a stand-in of about the
/// same widths, at the size given.
QFont Police(double points = 8.25, bool souligne = false);

/// The window's light face, the one the layout's colours were chosen for: Qt's light grey,
/// with the text, bases and shades it calls for.
QPalette PaletteFenetre();

/// The palette a control of that row takes, from the one it inherits.
QPalette PaletteDe(const Element& element, QPalette palette);

/// The face of a row's texts: the row's, narrowed where the system's face is too wide for each
/// to show whole in `place` pixels (a button's "&" marks its access letter, not drawn).
QFont PoliceAjustee(const Element& element, const QStringList& textes, int place);

/// The width a control gives its text: inside a button's or a text box's frame and margins,
/// a list's text field, a label's contents.
int PlaceDuTexte(const QWidget* controle);

} // namespace vantrel::ui
