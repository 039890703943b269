// A text box the user types into, where what is pasted loses the blanks around it before the
// box's length limit applies: a locator copied with a space or a line end around it still fits.
// Typing is unchanged.
#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace vantrel::ui {

class BoiteSaisie : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* touche) override;
    void mouseReleaseEvent(QMouseEvent* souris) override;
    void contextMenuEvent(QContextMenuEvent* demande) override;
    void dropEvent(QDropEvent* depot) override;

private:
    /// Inserts the clipboard's text (or the X11 selection's) without its surrounding blanks.
    void colle(QClipboard::Mode source);
};

} // namespace vantrel::ui
