#include "cadretitre.h"

#include <QPainter>

namespace vantrel::ui {

namespace {

// The caption's band, in which the border is hidden, reaches this far on each side of its text.
constexpr int MargeTitre = 3;

} // namespace

CadreTitre::CadreTitre(const QString& titre, const QFont& policeTitre, QColor couleurTitre,
                       QWidget* parent)
    : QGroupBox(titre, parent), policeTitre_(policeTitre), couleurTitre_(couleurTitre) {}

int CadreTitre::hautBordure() const {
    return title().isEmpty() ? 0 : QFontMetrics(policeTitre_).height() / 2;
}

void CadreTitre::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    const QRect bordure = rect().adjusted(0, hautBordure(), -1, -1);
    peintre.setPen(palette().color(QPalette::Mid));
    peintre.drawRect(bordure);
    if (title().isEmpty()) {
        return;
    }
    peintre.setFont(policeTitre_);
    const QRect zoneTexte(RetraitTexte, 0, peintre.fontMetrics().horizontalAdvance(title()),
                          peintre.fontMetrics().height());
    peintre.fillRect(zoneTexte.adjusted(-MargeTitre, 0, MargeTitre, 0),
                     palette().color(QPalette::Window));
    peintre.setPen(couleurTitre_.isValid() ? couleurTitre_ : palette().color(QPalette::WindowText));
    peintre.drawText(zoneTexte, Qt::AlignLeft | Qt::AlignVCenter, title());
}

} // namespace vantrel::ui
