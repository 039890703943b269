// How the controls look: the window's face and its stand-in, the colours a row of the layout
// asks for, and the faces of the result boxes.
#pragma once

#include "disposition.h"

#include <QFont>
#include <QPalette>

class QLineEdit;

namespace vantrel::ui {

/// The window's face: "MS Sans Serif" where the system has it, else a stand-in of about the
/// same widths, at the size given.
QFont Police(double points = 8.25, bool souligne = false);

/// The window's light face, the one the layout's colours were chosen for: Qt's light grey,
/// with the text, bases and shades it calls for.
QPalette PaletteFenetre();

/// The palette a control of that row takes, from the one it inherits.
QPalette PaletteDe(const Element& element, QPalette palette);

/// A result box's face: the row's, narrowed where need be so that the widest text the program
/// writes there shows whole.
void AjusteResultat(QLineEdit* boite, const Element& element);

} // namespace vantrel::ui
