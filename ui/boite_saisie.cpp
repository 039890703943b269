#include "boite_saisie.h"

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace vantrel::ui {

void BoiteSaisie::paste() {
    if (!isReadOnly()) {
        insert(QGuiApplication::clipboard()->text().trimmed());
    }
}

void BoiteSaisie::keyPressEvent(QKeyEvent* touche) {
    if (touche->matches(QKeySequence::Paste)) {
        paste();
        touche->accept();
        return;
    }
    QLineEdit::keyPressEvent(touche);
}

void BoiteSaisie::mouseReleaseEvent(QMouseEvent* souris) {
    // The X11 selection, pasted by the middle button.
    QClipboard* pressePapiers = QGuiApplication::clipboard();
    if (souris->button() == Qt::MiddleButton && pressePapiers->supportsSelection() &&
        !isReadOnly()) {
        deselect();
        insert(pressePapiers->text(QClipboard::Selection).trimmed());
        souris->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(souris);
}

void BoiteSaisie::dropEvent(QDropEvent* depot) {
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
