#include "centrage.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace vantrel::ui {

Centrage::Centrage(QWidget* fenetre) : QObject(fenetre), fenetre_(fenetre) {
    Centre();
    fenetre->installEventFilter(this);
}

void Centrage::Centre() {
    // The window as the user sees it, frame and title bar included, centred on its screen: the
    // frame as the native window last heard of it from the system (before the window shows,
    // Windows tells it already). Once shown, the native window is placed itself, from that same
    // frame (the widget's own idea of its frame can lag behind).
    QWindow* natif = fenetre_->windowHandle();
    QRect cadre = natif->frameGeometry();
    cadre.moveCenter(fenetre_->screen()->geometry().center());
    cadreCentre_ = cadre.size();
    placeDemandee_ = cadre.topLeft();
    if (fenetre_->isVisible()) {
        const QMargins bords = natif->frameMargins();
        natif->setPosition(cadre.topLeft() + QPoint(bords.left(), bords.top()));
    } else {
        fenetre_->move(cadre.topLeft());
    }
}

void Centrage::SuitLeCadre(bool deplacee) {
    if (!fenetre_->isVisible()) {
        return;
    }
    const QRect cadre = fenetre_->windowHandle()->frameGeometry();
    if (cadre.size() != cadreCentre_) {
        Centre();
    } else if (deplacee && cadre.topLeft() != placeDemandee_) {
        fenetre_->removeEventFilter(this); // moved by the user: his place from now on
    }
}

bool Centrage::eventFilter(QObject* objet, QEvent* evenement) {
    switch (evenement->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
    case QEvent::Paint:
        SuitLeCadre(evenement->type() == QEvent::Move);
        break;
    default:
        break;
    }
    return QObject::eventFilter(objet, evenement);
}

} // namespace vantrel::ui
