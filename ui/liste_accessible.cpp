#include "liste_accessible.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace vantrel::ui {

namespace {

class ListeAccessible : public QAccessibleWidget {
public:
    explicit ListeAccessible(QComboBox* liste) : QAccessibleWidget(liste, QAccessible::ComboBox) {}

    QString text(QAccessible::Text quoi) const override {
        const auto* liste = static_cast<const QComboBox*>(widget());
        if (quoi == QAccessible::Name && !liste->accessibleName().isEmpty()) {
            return liste->accessibleName();
        }
        if (quoi == QAccessible::Value) {
            return liste->currentText();
        }
        return QAccessibleWidget::text(quoi);
    }
};

QAccessibleInterface* InterfaceListe(const QString& classe, QObject* objet) {
    if (classe == u"QComboBox") {
        return new ListeAccessible(static_cast<QComboBox*>(objet));
    }
    return nullptr;
}

} // namespace

void InstalleListesAccessibles() {
    static const bool installee = (QAccessible::installFactory(InterfaceListe), true);
    Q_UNUSED(installee);
}

} // namespace vantrel::ui
