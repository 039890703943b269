// The yardstick of the start-up benchmark: a bare Qt main window with a one-entry menu bar,
// the least a Qt Widgets program shows, at the size of Vantrel's window. The launcher times it
// from outside, as it times Vantrel, on Linux and under Wine alike.
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

    fenetre.show();
    return application.exec();
}
