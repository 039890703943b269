#include "boite_message.h"

#include <QEvent>
#include <QFontDatabase>
#include <QPushButton>
#include <QStyle>

namespace vantrel::ui {

BoiteMessage::BoiteMessage(const QString& titre, const QString& texte, QWidget* parent)
    : QMessageBox(QMessageBox::NoIcon, titre, texte, QMessageBox::Ok, parent) {
    button(QMessageBox::Ok)->setIcon({});
}

// Qt sizes the box when it is shown and again at each layout request: widened after it.
void BoiteMessage::showEvent(QShowEvent* evenement) {
    QMessageBox::showEvent(evenement);
    Elargit();
}

bool BoiteMessage::event(QEvent* evenement) {
    const bool traite = QMessageBox::event(evenement);
    if (evenement->type() == QEvent::LayoutRequest) {
        Elargit();
    }
    return traite;
}

void BoiteMessage::Elargit() {
    // The bar's icon, minimise, maximise and close buttons, each about as wide as the bar is
    // high, and as much again for the space the bar keeps around its title.
    constexpr int CasesDeLaBarre = 5;
    const int largeur =
        QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont))
            .horizontalAdvance(windowTitle()) +
        CasesDeLaBarre * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    if (width() < largeur) {
        setFixedWidth(largeur);
    }
}

} // namespace vantrel::ui
