#include "application.h"

#include "frmvantrel.h"
#include "traductions_qt.h"

#include <QApplication>
#include <QTranslator>

namespace vantrel::ui {

void ConfigureApplication() {
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    // The installed desktop entry this window belongs to (packaging/), through which the
    // desktop finds its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vantrel"));

    static QTranslator traductionsQt;
    if (chargeTraductionsQt(traductionsQt, QLocale::system())) {
        QApplication::installTranslator(&traductionsQt);
    }
}

int LanceVantrel(int argc, char* argv[], const std::function<void(QWidget&)>& avantAffichage) {
    QApplication application(argc, argv);
    ConfigureApplication();
    FrmVantrel fenetre;
    if (avantAffichage) {
        avantAffichage(fenetre);
    }
    fenetre.show();
    return QApplication::exec();
}

} // namespace vantrel::ui
