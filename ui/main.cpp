#include "frmvantrel.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));

    vantrel::ui::FrmVantrel fenetre;
    fenetre.show();
    return QApplication::exec();
}
