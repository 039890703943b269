#include "boite_locator.h"

#include "vantrel/controle.h"

#include <QKeyEvent>

namespace vantrel::ui {

void BoiteLocator::keyPressEvent(QKeyEvent* touche) {
    const QString texte = touche->text();
    // The keystroke rule changes a to z alone, whose codes are the same in every code page.
    const char16_t code = texte.size() == 1 ? texte.front().unicode() : 0;
    const std::int16_t KeyAscii =
        code > 0 && code <= 0x7F ? MetMajuscule(static_cast<std::int16_t>(code)) : code;
    if (KeyAscii == code) {
        BoiteSaisie::keyPressEvent(touche);
        return;
    }
    QKeyEvent remplacee(touche->type(), touche->key(), touche->modifiers(),
                        touche->nativeScanCode(), touche->nativeVirtualKey(),
                        touche->nativeModifiers(), QString(QChar(KeyAscii)), touche->isAutoRepeat(),
                        touche->count());
    BoiteSaisie::keyPressEvent(&remplacee);
    touche->setAccepted(remplacee.isAccepted());
}

} // namespace vantrel::ui
