// The yardstick of the start-up benchmark: a bare Qt main window with a one-entry menu bar,
// the least a Qt Widgets program shows, at the size of Vantrel's window. It carries the same
// first-paint hook as Vantrel's measured build, so both are timed the same way; built for
// Windows, it has none, as the installed vantrel.exe.
#include "premiere_peinture.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Référence"));
    fenetre.menuBar()->addAction(QStringLiteral("&Quitter"), &application, &QApplication::quit);
    // Vantrel's client area is 590 × 296 pixels below its menu bar.
    fenetre.setFixedSize(590, 296 + fenetre.menuBar()->sizeHint().height());

    // Under Wine, the launcher watches the display instead: the program runs as vantrel.exe does.
#ifndef _WIN32
    vantrel::banc::PremierePeinture premierePeinture;
    premierePeinture.surveille(&fenetre);
#endif

    fenetre.show();
    return application.exec();
}
