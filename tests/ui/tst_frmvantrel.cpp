// The window driven as a user drives it: keys to the focused control, mouse clicks on the
// controls, prompts recorded instead of shown.
#include "application.h"
#include "cadretitre.h"
#include "frmvantrel.h"
#include "rose.h"
#include "textes_du_programme.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTimer>
#include <memory>

using vantrel::ui::FrmVantrel;
using vantrel::ui::Rose;

namespace {

QString Q(const std::string& texte) {
    return QString::fromStdString(texte);
}
const QString Incorrect = Q(std::string(vantrel::messages::SaisieIncorrecte));
const QString JN3 = Q(vantrel::essais::Longueur("JN3"));

// The stops of the keyboard order, as a user walks them with Tab.
const QStringList Arrets = {"CmdEfface", "MonLocator", "SonLocator", "Command1", "Dlo",
                            "Mlo",       "Slo",        "Cmd",        "Elo",      "Dla",
                            "Mla",       "Sla",        "Ela"};

} // namespace

class TstFrmVantrel : public QObject {
    Q_OBJECT

    std::unique_ptr<FrmVantrel> fenetre;
    QStringList invites;

    template <class T = QWidget> T* w(const QString& nom) const {
        T* trouve = fenetre->findChild<T*>(nom);
        if (!trouve) {
            qFatal("no control %s", qPrintable(nom));
        }
        return trouve;
    }
    QString texte(const QString& nom) const { return w<QLineEdit>(nom)->text(); }
    QString focus() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QLineF aiguille() const { return w<Rose>("Rose")->twips(); }
    // Keys go where the focus is, as typing does.
    void tape(const char* touches) { QTest::keyClicks(QApplication::focusWidget(), touches); }
    void touche(Qt::Key t, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), t, m);
    }
    void clique(const QString& nom) { QTest::mouseClick(w(nom), Qt::LeftButton); }
    // Focus on a text box by the mouse, its whole text selected, then typed over.
    void remplace(const QString& nom, const char* touches) {
        clique(nom);
        w<QLineEdit>(nom)->selectAll();
        touche(Qt::Key_Delete);
        tape(touches);
    }
    void accepteMonLocator(const char* locator) {
        remplace("MonLocator", locator);
        touche(Qt::Key_Tab);
        QCOMPARE(invites, QStringList());
    }
    void distance(const char* mon, const char* son) {
        accepteMonLocator(mon);
        tape(son);
        clique("Command1");
    }

private slots:
    void init() {
        fenetre = std::make_unique<FrmVantrel>();
        invites.clear();
        fenetre->RemplaceInvite([this](const QString& invite) { invites << invite; });
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowActive(fenetre.get()));
    }
    void cleanup() { fenetre.reset(); }

    void fenetreAuDemarrage() {
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("Vantrel"));
        QCOMPARE(fenetre->centralWidget()->size(), QSize(590, 296));
        QCOMPARE(fenetre->minimumSize(), fenetre->maximumSize());
        QCOMPARE(focus(), QStringLiteral("CmdEfface"));
        QCOMPARE(texte("MonLocator"), QStringLiteral(" "));
        QCOMPARE(w<QComboBox>("Elo")->currentText() + w<QComboBox>("Ela")->currentText(), "");
        QCOMPARE(w<QComboBox>("Ela")->itemText(1), QStringLiteral("Sud"));
        QCOMPARE(w("Dlo")->toolTip() + w("Dla")->toolTip(),
                 QStringLiteral("Exemple 006 7 EstExemple 48 35 Nord"));
        QVERIFY(w("Label1(2)")->font().underline() && !w("Label1(1)")->font().underline());
        QCOMPARE(w("Label1(1)")->palette().color(QPalette::WindowText), QColor(Qt::blue));
        // Both pictures are there, at the size of their rectangle.
        for (const char* nom : {"Image1", "Image2"}) {
            const QPixmap image = w<QLabel>(nom)->pixmap();
            QVERIFY2(!image.isNull(), nom);
            QCOMPARE(image.deviceIndependentSize().toSize(), w(nom)->size());
        }
        const auto actions = fenetre->menuBar()->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.front()->text(), QStringLiteral("&Quitter"));
        actions.front()->trigger();
        QVERIFY(!fenetre->isVisible());
    }

    void saisie_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("attendu");
        // Capitals as typed, seven characters at most, the starting space counting.
        QTest::newRow("MonLocator") << "MonLocator"
                                    << "jn38dmxyz"
                                    << "JN38DMX";
        QTest::newRow("MonLocator et son espace") << ""
                                                  << "jn38dmxyz"
                                                  << " JN38DM";
        QTest::newRow("SonLocator, accent gardé") << "SonLocator"
                                                  << "jn38dé"
                                                  << "JN38Dé";
        for (const char* nom : {"Dlo", "Mlo", "Slo", "Dla", "Mla", "Sla"}) {
            QTest::newRow(nom) << nom << "12345"
                               << "123";
        }
    }
    void saisie() {
        QFETCH(QString, nom);
        QFETCH(QString, tape);
        QFETCH(QString, attendu);
        if (nom.isEmpty()) {
            nom = QStringLiteral("MonLocator");
            clique(nom);
            touche(Qt::Key_End);
        } else {
            remplace(nom, "");
        }
        for (QChar c : tape) {
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, c,
                                Qt::NoModifier);
        }
        QCOMPARE(texte(nom), attendu);
    }

    void ordreClavier_data() {
        QTest::addColumn<bool>("arriere");
        QTest::newRow("Tab") << false;
        QTest::newRow("Maj+Tab") << true;
    }
    void ordreClavier() {
        QFETCH(bool, arriere);
        QStringList attendu = Arrets;
        if (arriere) {
            std::reverse(attendu.begin() + 1, attendu.end());
        }
        attendu << Arrets.front(); // wraps round to the first stop
        QStringList parcours{focus()};
        for (qsizetype i = 1; i < attendu.size(); ++i) {
            touche(arriere ? Qt::Key_Backtab : Qt::Key_Tab,
                   arriere ? Qt::ShiftModifier : Qt::NoModifier);
            parcours << focus();
        }
        QCOMPARE(parcours, attendu);
    }

    void rienDAutreNePrendLeFocus() {
        for (const char* nom : {"MaLati", "SaLongi", "Distance", "Azimut", "TxtLocator",
                                "Label1(20)", "Frame3", "Image1"}) {
            clique("SonLocator");
            QTest::mouseDClick(w(nom), Qt::LeftButton);
            QCOMPARE(focus(), QStringLiteral("SonLocator"));
        }
        clique("Elo");
        touche(Qt::Key_Escape); // closes the popup
        QVERIFY(!w<QComboBox>("Elo")->lineEdit());
    }

    void quitterMonLocator_data() {
        QTest::addColumn<int>("raison");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << QStringList{JN3};
        QTest::newRow("menu") << int(Qt::MenuBarFocusReason) << QStringList();
        QTest::newRow("autre fenêtre") << int(Qt::ActiveWindowFocusReason) << QStringList();
    }
    // A refusal keeps the field as typed and the earlier position; leaving for a menu or for
    // another window is no leaving.
    void quitterMonLocator() {
        QFETCH(int, raison);
        QFETCH(QStringList, messages);
        accepteMonLocator("jn38dm");
        remplace("MonLocator", "jn3");
        if (raison == Qt::TabFocusReason) {
            touche(Qt::Key_Tab);
        } else if (raison == Qt::MenuBarFocusReason) {
            QFocusEvent sortie(QEvent::FocusOut, Qt::MenuBarFocusReason);
            QApplication::sendEvent(w("MonLocator"), &sortie);
        } else {
            QWidget autre;
            autre.show();
            autre.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&autre));
        }
        QCOMPARE(invites, messages);
        QCOMPARE(texte("MonLocator"), QStringLiteral("JN3"));
        QCOMPARE(texte("MaLati") + texte("MaLongi"), QStringLiteral("48° 31' Nord6° 17' Est"));
    }

    void distanceComplete() {
        distance("jn38dm", "fn20xr");
        QCOMPARE(invites, QStringList());
        QCOMPARE(
            QStringList({texte("SaLati"), texte("SaLongi"), texte("Distance"), texte("Azimut")}),
            QStringList({"40° 43' Nord", "76° 117' Ouest", "6126", "295"}));
        QVERIFY(QLineF(aiguille().p1(), QPointF(695.6, 847.2)).length() < 0.05);
        QCOMPARE(w("Distance")->toolTip(),
                 QStringLiteral("6126 km (3807 milles) — chemin long : 33950 km"));
        QCOMPARE(w("Azimut")->toolTip(), QStringLiteral("295° ONO — chemin long : 115° ESE"));
        QAccessibleInterface* lu = QAccessible::queryAccessibleInterface(w("Distance"));
        QCOMPARE(lu->text(QAccessible::Name) + lu->text(QAccessible::Value),
                 QStringLiteral("Distance kilomètres6126"));
        QVERIFY(w("Image1")->accessibleDescription().startsWith("Aiguille à 295 degrés, ONO"));

        // Return, Enter and Escape press nothing; a refused correspondent changes nothing.
        remplace("SonLocator", "jn3");
        for (Qt::Key t : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            touche(t);
        }
        QCOMPARE(invites, QStringList());
        clique("Command1");
        QCOMPARE(invites, QStringList{JN3});
        QCOMPARE(texte("SaLongi") + texte("Azimut"), QStringLiteral("76° 117' Ouest295"));
    }

    // A click that leaves MonLocator with a refused text shows the refusal once, leaves no
    // button down, and computes no distance; the other buttons act once it is closed.
    void clicQuiQuitteUnRefus_data() {
        QTest::addColumn<QByteArray>("monLocator");
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<bool>("relache");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("sonLocator");
        const QString vide = Q(std::string(vantrel::messages::LocatorVide));
        QTest::newRow("espace de départ, C&alcul")
            << QByteArray() << "Command1" << true << QStringList{vide} << "FN20XR";
        QTest::newRow("refusé, C&alcul")
            << QByteArray("jn3") << "Command1" << true << QStringList{JN3} << "FN20XR";
        // A modal box swallows the release: the press alone must not leave the button down.
        QTest::newRow("pression seule")
            << QByteArray("jn3") << "Command1" << false << QStringList{JN3} << "FN20XR";
        QTest::newRow("refusé, &Clear")
            << QByteArray("jn3") << "CmdEfface" << true << QStringList{JN3} << "";
        QTest::newRow("refusé, &Calcul locator")
            << QByteArray("jn3") << "Cmd" << true << QStringList{JN3, Incorrect} << "FN20XR";
    }
    void clicQuiQuitteUnRefus() {
        QFETCH(QByteArray, monLocator);
        QFETCH(QString, bouton);
        QFETCH(bool, relache);
        QFETCH(QStringList, messages);
        QFETCH(QString, sonLocator);
        w<QLineEdit>("SonLocator")->setText(QStringLiteral("FN20XR"));
        if (monLocator.isEmpty()) {
            touche(Qt::Key_Tab); // into MonLocator, its starting space kept
        } else {
            accepteMonLocator("jn38dm");
            remplace("MonLocator", monLocator.constData());
        }
        if (relache) {
            clique(bouton);
        } else {
            QTest::mousePress(w(bouton), Qt::LeftButton);
        }
        QTRY_COMPARE(invites, messages);
        QCOMPARE(focus(), bouton);
        QVERIFY(!w<QPushButton>(bouton)->isDown());
        QTRY_COMPARE(texte("SonLocator") + texte("Distance"), sonLocator);

        // The next click is an ordinary click again.
        if (!relache) {
            QTest::mouseRelease(w(bouton), Qt::LeftButton);
        }
        QTest::qWait(0);
        invites.clear();
        w<QLineEdit>("SonLocator")->setText(QStringLiteral("FN20XR"));
        clique("Command1");
        QCOMPARE(invites.size(), 1); // checked again, refused again or empty: one prompt
    }

    // Alt+A presses C&alcul from MonLocator: the field is checked once, and the distance
    // starts from the locator it shows.
    void altA_data() {
        QTest::addColumn<QByteArray>("monLocator");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("distance");
        QTest::newRow("refusé") << QByteArray("jn3") << QStringList{JN3} << "";
        QTest::newRow("nouveau") << QByteArray("fn20xr") << QStringList() << "6126";
    }
    void altA() {
        QFETCH(QByteArray, monLocator);
        QFETCH(QStringList, messages);
        QFETCH(QString, distance);
        accepteMonLocator("jn38dm");
        tape("jn38dm");
        remplace("MonLocator", monLocator.constData());
        touche(Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(!w<QPushButton>("Command1")->isDown()); // the animated click is over
        QCOMPARE(invites, messages);
        QCOMPARE(texte("Distance"), distance);
        QCOMPARE(focus(), QStringLiteral("MonLocator"));
    }

    void lettreCPartagee() {
        // Both buttons carry "C": the letter moves the focus between them and clicks neither.
        clique("Dlo");
        QStringList parcours;
        for (int i = 0; i < 3; ++i) {
            touche(Qt::Key_C, Qt::AltModifier);
            parcours << focus();
        }
        QCOMPARE(parcours, (QStringList{"Cmd", "CmdEfface", "Cmd"}));
        // The space bar, Return and Enter click the button that holds the focus.
        for (Qt::Key t : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
            touche(t);
        }
        QCOMPARE(invites, QStringList(3, Incorrect));
        QCOMPARE(texte("MonLocator"), QStringLiteral(" "));
    }

    void coordonnees_data() {
        QTest::addColumn<QStringList>("saisie"); // Dlo, Mlo, Slo, Elo, Dla, Mla, Sla, Ela
        QTest::addColumn<QString>("locator");
        QTest::newRow("ouest et sud")
            << QStringList{"58", "23", "0", "Ouest", "34", "36", "0", "Sud"} << "GF05TJ";
        QTest::newRow("vide") << QStringList{"006", "7", "0", "Est", "48", "35", "", "Nord"} << "";
        QTest::newRow("liste non choisie")
            << QStringList{"006", "7", "0", "Est", "48", "35", "0", ""} << "";
        QTest::newRow("pas un nombre")
            << QStringList{"abc", "7", "0", "Est", "48", "35", "0", "Nord"} << "";
    }
    // A result already shown stays when the new request is refused.
    void coordonnees() {
        QFETCH(QStringList, saisie);
        QFETCH(QString, locator);
        w<QLineEdit>("TxtLocator")->setText(QStringLiteral("RR99XX"));
        const QStringList noms = {"Dlo", "Mlo", "Slo", "Elo", "Dla", "Mla", "Sla", "Ela"};
        for (qsizetype i = 0; i < noms.size(); ++i) {
            if (auto* liste = qobject_cast<QComboBox*>(w(noms[i]))) {
                liste->setCurrentIndex(liste->findText(saisie[i]));
            } else {
                remplace(noms[i], saisie[i].toLatin1().constData());
            }
        }
        clique("Cmd");
        QCOMPARE(invites, locator.isEmpty() ? QStringList{Incorrect} : QStringList());
        QCOMPARE(texte("TxtLocator"), locator.isEmpty() ? QStringLiteral("RR99XX") : locator);
    }

    void effacer() {
        QCOMPARE(aiguille(), QLineF(1155, 465, 1155, 1101)); // where the layout puts it
        distance("jn38dm", "fn20xr");
        remplace("Dlo", "6");
        clique("CmdEfface");
        for (const char* nom : {"MonLocator", "SonLocator", "MaLongi", "SaLongi", "MaLati",
                                "SaLati", "Distance", "Azimut"}) {
            QCOMPARE(texte(nom), QString());
        }
        QCOMPARE(texte("Dlo"), QStringLiteral("6"));
        QCOMPARE(aiguille(), QLineF(1272, 480, 1272, 1116));
        QCOMPARE(w("Azimut")->toolTip(), QString());
        QCOMPARE(w("Image1")->accessibleDescription(), QStringLiteral("Aiguille à 0 degrés"));
        clique("Command1");
        QCOMPARE(invites, QStringList{Q(std::string(vantrel::messages::MonLocatorVide))});
    }

    // The real prompt: a modal box titled as the window, the text alone, one OK button.
    void boiteDeMessage() {
        fenetre->RemplaceInvite({});
        QString vue;
        QTimer::singleShot(0, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(boite);
            vue = boite->windowTitle() + "|" + boite->text();
            QCOMPARE(boite->icon(), QMessageBox::NoIcon);
            QCOMPARE(boite->buttons().size(), 1);
            QVERIFY(boite->buttons().front()->icon().isNull());
            boite->accept();
        });
        clique("Cmd");
        QCOMPARE(vue, "Vantrel|" + Incorrect);
    }

    // A frame draws its border and its caption in the caption's colour.
    void cadrePeint() {
        vantrel::ui::CadreTitre cadre(QStringLiteral("MMMM"), Qt::blue, nullptr);
        cadre.resize(120, 60);
        const QImage image = cadre.grab().toImage();
        bool bleu = false;
        for (int x = 0; x < 60; ++x) {
            for (int y = 0; y < cadre.hautBordure() * 2; ++y) {
                bleu = bleu || image.pixelColor(x, y) == QColor(Qt::blue);
            }
        }
        QVERIFY(bleu);
        QCOMPARE(image.pixel(119, 30), cadre.palette().color(QPalette::Mid).rgb());
        QCOMPARE(image.pixel(60, 59), cadre.palette().color(QPalette::Mid).rgb());
    }

    // What a screen reader tells of the results and the lists; a result says itself whole.
    void lecteurDEcran() {
        distance("aa00aa", "fn20xr");
        for (const char* nom : {"MaLongi", "SaLongi", "MaLati", "Distance", "TxtLocator"}) {
            QVERIFY(QAccessible::queryAccessibleInterface(w(nom))->state().readOnly);
        }
        QCOMPARE(w("MaLongi")->toolTip(), QStringLiteral("180° 2' Ouest"));
        w<QComboBox>("Elo")->setCurrentIndex(1);
        QCOMPARE(QAccessible::queryAccessibleInterface(w("Elo"))->text(QAccessible::Name),
                 QStringLiteral("Longitude Est ou Ouest"));
    }

    // Every text the program writes into a result box shows whole in it, in the box's own font.
    void textesEntiers() {
        const std::pair<const char*, QStringList> textes[] = {
            {"MaLongi", {"180° 117' Ouest", "178° 117' Est", "106° 52' Ouest"}},
            {"SaLongi", {"180° 117' Ouest", "178° 117' Est", "106° 52' Ouest"}},
            {"MaLati", {"89° 58' Nord", "90° 58' Sud"}},
            {"SaLati", {"89° 58' Nord", "90° 58' Sud"}},
            {"Distance", {"20038"}},
            {"Azimut", {"360"}},
            {"TxtLocator", {"MM00WW", "RR99XX"}}};
        for (const auto& [nom, liste] : textes) {
            auto* boite = w<QLineEdit>(nom);
            QStyleOptionFrame option;
            option.initFrom(boite);
            option.rect = boite->rect();
            option.lineWidth = boite->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            const int place = boite->style()
                                  ->subElementRect(QStyle::SE_LineEditContents, &option, boite)
                                  .width() -
                              4; // Qt keeps 2 pixels either side of the text
            for (const QString& texte : liste) {
                QVERIFY2(boite->fontMetrics().horizontalAdvance(texte) <= place,
                         qPrintable(texte + " in " + nom));
            }
        }
    }

    void application() {
        vantrel::ui::ConfigureApplication();
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Vantrel"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.Vantrel"));
        // Qt's own texts are French whatever the system's language.
        QLineEdit boite;
        QScopedPointer<QMenu> menu(boite.createStandardContextMenu());
        QVERIFY(
            menu->actions().constLast()->text().startsWith(QStringLiteral("Tout sélectionner")));
        // No maximise on a window of fixed size; its icon, installed or compiled in.
        QVERIFY(!(fenetre->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!fenetre->windowIcon().isNull());
    }
};

QTEST_MAIN(TstFrmVantrel)
#include "tst_frmvantrel.moc"
