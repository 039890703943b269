#include "boite_saisie.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace vantrel::ui {

void BoiteSaisie::colle(QClipboard::Mode source) {
    if (!isReadOnly()) {
        insert(QGuiApplication::clipboard()->text(source).trimmed());
    }
}

void BoiteSaisie::keyPressEvent(QKeyEvent* touche) {
    if (touche->matches(QKeySequence::Paste)) {
        colle(QClipboard::Clipboard);
        touche->accept();
        return;
    }
    QLineEdit::keyPressEvent(touche);
}

void BoiteSaisie::mouseReleaseEvent(QMouseEvent* souris) {
    // The X11 selection, pasted by the middle button.
    if (souris->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection() &&
        !isReadOnly()) {
        deselect();
        colle(QClipboard::Selection);
        souris->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(souris);
}

void BoiteSaisie::contextMenuEvent(QContextMenuEvent* demande) {
    // Qt's own menu, its Paste taken from QLineEdit's paste(), which is no virtual function, and
    // given to colle(). The action is known by its text as Qt writes it: its own translation
    // of "&Paste", then a tab and the shortcut, if shown.
    QMenu* menu = createStandardContextMenu();
    const QString coller = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) == coller) {
            action->disconnect(this);
            connect(action, &QAction::triggered, this, [this] { colle(QClipboard::Clipboard); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(demande->globalPos());
}

void BoiteSaisie::dropEvent(QDropEvent* depot) {
    // Qt's own drop, which puts the text where it falls, given the text without its blanks.
    QMimeData sansBlancs;
    sansBlancs.setText(depot->mimeData()->text().trimmed());
    QDropEvent copie(depot->position(), depot->possibleActions(), &sansBlancs, depot->buttons(),
                     depot->modifiers(), depot->type());
    copie.setDropAction(depot->dropAction());
    QLineEdit::dropEvent(&copie);
    depot->setDropAction(copie.dropAction());
    depot->setAccepted(copie.isAccepted());
}

} // namespace vantrel::ui
