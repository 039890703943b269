#include "frmvantrel.h"
#include "premiere_peinture.h"
#include "traductions_qt.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));

    // Desktop integration (packaging/): Qt's standard texts in the system's language, before
    // any widget exists, and the installed desktop entry this window belongs to, through which
    // the desktop finds its name and icon (no window icon is set: message boxes carry none).
    QTranslator traductionsQt;
    if (vantrel::ui::chargeTraductionsQt(traductionsQt, QLocale::system())) {
        QApplication::installTranslator(&traductionsQt);
    }
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vantrel"));

    vantrel::ui::FrmVantrel fenetre;
    vantrel::ui::PremierePeinture premierePeinture;
    premierePeinture.surveille(&fenetre);
    fenetre.show();
    return QApplication::exec();
}
