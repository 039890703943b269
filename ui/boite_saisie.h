// A text box the user types into, where what is pasted loses the blanks around it before the
// box's length limit applies: a locator copied with a space or a line end around it still fits.
// Typing is unchanged.
#pragma once

#include <QLineEdit>

namespace vantrel::ui {

class BoiteSaisie : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

public slots:
    /// Pastes the clipboard's text without its surrounding blanks. It stands in for
    /// QLineEdit's own slot, which the context menu's Paste calls by name.
    void paste();

protected:
    void keyPressEvent(QKeyEvent* touche) override;
    void mouseReleaseEvent(QMouseEvent* souris) override;
    void dropEvent(QDropEvent* depot) override;
};

} // namespace vantrel::ui
