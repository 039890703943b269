#include "frmvantrel.h"
#include "traductions_qt.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <cstdio>

namespace {

// Start-up benchmark (bench/mesure-demarrage.sh): with VANTREL_MESURE_DEMARRAGE set, once the
// first paint of the window has been handled and flushed, print the steady-clock time in
// nanoseconds and quit. Nothing changes without the variable.
struct PremierePeinture : QObject {
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (evenement->type() == QEvent::Paint && !vue) {
            vue = true;
            QTimer::singleShot(0, [] {
                std::printf("%lld\n", static_cast<long long>(
                                          std::chrono::steady_clock::now().time_since_epoch() /
                                          std::chrono::nanoseconds(1)));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(objet, evenement);
    }
    bool vue = false;
};

} // namespace

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
    PremierePeinture premierePeinture;
    if (qEnvironmentVariableIsSet("VANTREL_MESURE_DEMARRAGE")) {
        fenetre.installEventFilter(&premierePeinture);
    }
    fenetre.show();
    return QApplication::exec();
}
