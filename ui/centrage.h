// Keeps a window centred on its screen, frame and title bar included, until the user moves it.
#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

class QWidget;

namespace vantrel::ui {

/// Watches one top-level window. An X11 window manager frames the window once it is shown:
/// each time the frame changes size the window is centred again, until the user moves it
/// himself; from then on it stays where he put it, and the watch ends.
class Centrage : public QObject {
    Q_OBJECT

public:
    /// Centres the window now (its native window must exist) and follows its frame from now on.
    explicit Centrage(QWidget* fenetre);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Centre();
    void SuitLeCadre(bool deplacee);

    QWidget* fenetre_;
    // The frame's size when the window was last centred, and the place asked for then.
    QSize cadreCentre_;
    QPoint placeDemandee_;
};

} // namespace vantrel::ui
