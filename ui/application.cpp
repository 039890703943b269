#include "application.h"

#include "apparence.h"
#include "frmvantrel.h"
#include "traductions_qt.h"

#include <QApplication>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace vantrel::ui {

void ConfigureApplication() {
    // The window's face for everything, menu, prompts and tooltips too: one font to load.
    QApplication::setFont(Police());
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QApplication::setApplicationVersion(QStringLiteral(VANTREL_VERSION));
    // The installed desktop entry this window belongs to (packaging/), through which the
    // desktop finds its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Vantrel"));

    // The window is French whatever the system's language: so are Qt's own texts (the text
    // boxes' context menu, the standard buttons).
    static QTranslator traductionsQt;
    if (chargeTraductionsQt(traductionsQt, QLocale(QLocale::French))) {
        QApplication::installTranslator(&traductionsQt);
    }
}

namespace {

// Until the application has its platform, Qt's complaints about a missing display end in an
// abort with advice meant for developers: the user gets one line of ours instead.
void SansAffichage(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        std::fputs("Vantrel a besoin d'un affichage graphique et n'en trouve aucun "
                   "(DISPLAY ou WAYLAND_DISPLAY).\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(CodeSansAffichage);
    }
}

} // namespace

int LanceVantrel(int argc, char* argv[]) {
    const QtMessageHandler parDefaut = qInstallMessageHandler(SansAffichage);
    QApplication application(argc, argv);
    qInstallMessageHandler(parDefaut);
    ConfigureApplication();
    FrmVantrel fenetre;
    fenetre.show();
    return QApplication::exec();
}

} // namespace vantrel::ui
