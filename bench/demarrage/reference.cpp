// The yardstick of the start-up benchmark: a bare Qt main window with a one-entry menu bar,
// the least a Qt Widgets program shows, at the size of Vantrel's window. It carries the same
// first-paint hook as ui/main.cpp, so both are timed the same way.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace {

// With VANTREL_MESURE_DEMARRAGE set: once the first paint of the window has been handled and
// flushed, print the steady (CLOCK_MONOTONIC) time in nanoseconds and quit.
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

    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Référence"));
    fenetre.menuBar()->addAction(QStringLiteral("&Quitter"), &application, &QApplication::quit);
    // Vantrel's client area is 590 × 296 pixels below its menu bar.
    fenetre.setFixedSize(590, 296 + fenetre.menuBar()->sizeHint().height());

    PremierePeinture premierePeinture;
    if (qEnvironmentVariableIsSet("VANTREL_MESURE_DEMARRAGE")) {
        fenetre.installEventFilter(&premierePeinture);
    }

    fenetre.show();
    return application.exec();
}
