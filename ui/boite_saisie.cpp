#include "boite_saisie.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyleHints>

namespace vantrel::ui {

void BoiteSaisie::colle(QClipboard::Mode source) {
    if (!isReadOnly()) {
        insert(QGuiApplication::clipboard()->text(source).trimmed());
    }
}

void BoiteSaisie::keyPressEvent(QKeyEvent* touche) {
    if (touche->matches(QKeySequence::Paste)) {
        colle(QClipboard::Clipboard);
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
        return;
    }
    QLineEdit::mouseReleaseEvent(souris);
}

void BoiteSaisie::contextMenuEvent(QContextMenuEvent* demande) {
    // Qt's own menu, item for item, in Qt's own words (its translation), on QLineEdit's public
    // slots: but Paste goes to colle(). Qt's paste() is no virtual function, and its menu names
    // its actions in no way every Qt release shares.
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const bool modifiable = !isReadOnly();
    const bool selection = hasSelectedText() && echoMode() == QLineEdit::Normal;
    const auto ajoute = [&](const char* texte, QKeySequence::StandardKey raccourci, bool actif,
                            auto action) {
        QString libelle = QLineEdit::tr(texte);
        const QKeySequence touches(raccourci);
        if (QGuiApplication::styleHints()->showShortcutsInContextMenus() && !touches.isEmpty()) {
            libelle += u'\t' + touches.toString(QKeySequence::NativeText);
        }
        menu->addAction(libelle, this, action)->setEnabled(actif);
    };
    if (modifiable) {
        ajoute("&Undo", QKeySequence::Undo, isUndoAvailable(), &QLineEdit::undo);
        ajoute("&Redo", QKeySequence::Redo, isRedoAvailable(), &QLineEdit::redo);
        menu->addSeparator();
        ajoute("Cu&t", QKeySequence::Cut, selection, &QLineEdit::cut);
    }
    ajoute("&Copy", QKeySequence::Copy, selection, &QLineEdit::copy);
    if (modifiable) {
        ajoute("&Paste", QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(),
               [this] { colle(QClipboard::Clipboard); });
        ajoute("Delete", QKeySequence::UnknownKey, hasSelectedText(), [this] { del(); });
    }
    menu->addSeparator();
    ajoute("Select All", QKeySequence::SelectAll, !text().isEmpty() && selectedText() != text(),
           &QLineEdit::selectAll);
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
