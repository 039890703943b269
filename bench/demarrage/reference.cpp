// The yardstick of the start-up benchmark: a bare Qt main window with a one-entry menu bar,
// the least a Qt Widgets program shows, at the size of Vantrel's window. The launcher times it
// from outside, as it times Vantrel, on Linux and under Wine alike.
#include "zone_client.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    QMainWindow fenetre;
    fenetre.setWindowTitle(QStringLiteral("Référence"));
    fenetre.menuBar()->addAction(QStringLiteral("&Quitter"), &application, &QApplication::quit);
    // Vantrel's client area, below the menu bar.
    const QSize client = vantrel::ui::TailleClient();
    fenetre.setFixedSize(client.width(), client.height() + fenetre.menuBar()->sizeHint().height());

    fenetre.show();
    return application.exec();
}
