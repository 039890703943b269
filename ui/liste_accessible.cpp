#include "liste_accessible.h"

#include <QAccessibleWidget>
#include <QComboBox>

namespace vantrel::ui {

namespace {

class ListeAccessible : public QAccessibleWidget {
public:
    explicit ListeAccessible(QComboBox* liste) : QAccessibleWidget(liste, QAccessible::ComboBox) {}

    // The name is the widget's accessible name, as for any widget; the value, the item chosen.
    QString text(QAccessible::Text quoi) const override {
        if (quoi == QAccessible::Value) {
            return static_cast<const QComboBox*>(widget())->currentText();
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
