#include "rose.h"

#include "geometrie_cadran.h"
#include "twips.h"

#include <QPainter>
#include <QPen>
#include <cmath>
#include <numbers>

namespace vantrel::ui {

namespace {

constexpr int EpaisseurPixels = 3;

} // namespace

Rose::Rose(QLineF depart, QWidget* parent)
    : QWidget(parent), pointe_(depart.p1()), centre_(depart.p2()) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void Rose::setAzimut(double degres) {
    // Each redraw turns the needle round the centre of the dial, the pivot the picture is drawn
    // round, from straight up.
    centre_ = QPointF(cadran::PivotX, cadran::PivotY);
    const double theta = degres / 360 * std::numbers::pi * 2;
    pointe_ = centre_ + cadran::LongueurAiguille * QPointF(std::sin(theta), -std::cos(theta));
    update();
}

void Rose::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(QPen(Qt::white, EpaisseurPixels, Qt::SolidLine, Qt::RoundCap));
    peintre.drawLine(EnPixels(pointe_), EnPixels(centre_));
}

} // namespace vantrel::ui
