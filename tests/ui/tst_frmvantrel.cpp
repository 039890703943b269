// What the user does in the window and what comes of it.
#include "apparence.h"
#include "application.h"
#include "fenetre_pilotee.h"
#include "zone_client.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <numbers>

namespace {

const QString Incorrect = QString::fromUtf8(vantrel::essais::SaisieIncorrecte);
const QString Vide = QString::fromUtf8(vantrel::essais::LocatorVide);
const QString JN3 = QString::fromUtf8(vantrel::essais::Longueur("JN3"));

// The stops of the keyboard order, as a user walks them with Tab.
const QStringList Arrets = {"CmdEfface", "MonLocator", "SonLocator", "Command1", "Dlo",
                            "Mlo",       "Slo",        "Cmd",        "Elo",      "Dla",
                            "Mla",       "Sla",        "Ela"};

} // namespace

void TstFrmVantrel::capture(const QString& nom) const {
    const QString dossier = qEnvironmentVariable("VANTREL_CAPTURES");
    if (dossier.isEmpty()) {
        return;
    }
    const QRect r(w(nom)->mapTo(fenetre.get(), QPoint()), w(nom)->size());
    const QString base = dossier + "/" + nom + "-" + texte(nom);
    QFile geometrie(base + ".geometrie");
    QVERIFY(fenetre->grab(r).save(base + ".png") && geometrie.open(QIODevice::WriteOnly));
    geometrie.write(
        QString::asprintf("%dx%d+%d+%d\n", r.width(), r.height(), r.x(), r.y()).toUtf8());
}

void TstFrmVantrel::plan() const {
    const QString dossier = qEnvironmentVariable("VANTREL_CAPTURES");
    QFile plan(dossier + "/fenetre.geometrie");
    if (dossier.isEmpty() || !plan.open(QIODevice::WriteOnly)) {
        return;
    }
    for (const QWidget* c : fenetre->findChildren<QWidget*>(QRegularExpression(".+"))) {
        const QRect r(c->mapTo(fenetre.get(), QPoint()), c->size());
        plan.write(QString::asprintf("%s %dx%d+%d+%d\n", qPrintable(c->objectName()), r.width(),
                                     r.height(), r.x(), r.y())
                       .toUtf8());
    }
}

// The window as it opens: centred on the screen as the user sees it, frame included (under Wine
// the frame is the X window manager's: what Qt knows, and this checks, is the frame Windows
// draws); its size, icon, faces, lists and labels; its one menu item, which closes it.
void TstFrmVantrel::etatDeDepart() {
    const QPoint ecart = fenetre->frameGeometry().center() - fenetre->screen()->geometry().center();
    QVERIFY2(qAbs(ecart.x()) <= 2 && qAbs(ecart.y()) <= 2,
             qPrintable(QStringLiteral("%1, %2").arg(ecart.x()).arg(ecart.y())));
    QCOMPARE(fenetre->centralWidget()->size(), vantrel::ui::TailleClient());
    // Moved by the user, it stays where he put it, whatever its frame does next (a frame that
    // grows before that centres it again: tests/ui/centrage-openbox.sh).
    fenetre->move(fenetre->pos() + QPoint(50, 40));
    const QPoint place = fenetre->pos();
    fenetre->centralWidget()->setFixedSize(vantrel::ui::TailleClient() + QSize(140, 80));
    QTRY_COMPARE(fenetre->width(), vantrel::ui::TailleClient().width() + 140);
    QCOMPARE(fenetre->pos(), place);
    QVERIFY(!fenetre->windowIcon().isNull());
    QVERIFY(!fenetre->font().italic() && fenetre->font().weight() == QFont::Normal);
    QCOMPARE(w<QComboBox>("Elo")->currentText() + w<QComboBox>("Ela")->currentText(), "");
    QVERIFY(w("Label1(2)")->font().underline() && !w("Label1(1)")->font().underline());
    QCOMPARE(w("Label1(1)")->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QVERIFY(!w("Label1(20)")->isEnabled()); // the correspondent's "Latitude", greyed
    plan();
    const auto actions = fenetre->menuBar()->actions();
    QCOMPARE(actions.size(), 1);
    actions.front()->trigger();
    QVERIFY(!fenetre->isVisible());
}

// Capitals as typed, accents kept; seven characters at most in a locator's box, three in a
// number's, the starting text counting.
void TstFrmVantrel::saisie() {
    const std::tuple<const char*, QString, QString> cas[] = {{"MonLocator", "jn38dmx", " JN38DM"},
                                                             {"SonLocator", "jn38déxyz", "JN38DéX"},
                                                             {"Slo", "12345", "012"}};
    for (const auto& [nom, touches, attendu] : cas) {
        clique(nom);
        touche(Qt::Key_End);
        // Each character by its text alone: QTest knows no key for "é".
        for (QChar c : touches) {
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, c,
                                Qt::NoModifier);
        }
        QCOMPARE(texte(nom), attendu);
    }
}

// Pasted, by the keyboard, the context menu or the middle button, or dropped, a text loses
// the blanks around it before the box's limit applies.
void TstFrmVantrel::collerSansBlancs() {
    for (const auto& [nom, colle, attendu] :
         {std::tuple{"MonLocator", "  fn20xr \n", "fn20xr"}, {"Dlo", "\t12  ", "12"}}) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(colle));
        // X11's selection, pasted by the middle button (xcb only: tests/ui/CMakeLists.txt).
        const bool selection = QGuiApplication::clipboard()->supportsSelection();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(colle), QClipboard::Selection);
        for (int facon = 0; facon < (selection ? 4 : 3); ++facon) {
            remplace(nom, "");
            if (facon == 3) {
                QTest::mouseClick(w(nom), Qt::MiddleButton);
            } else if (facon == 0) {
                touche(Qt::Key_V, Qt::ControlModifier);
            } else if (facon == 1) {
                // A right click on the box, then its menu's Paste clicked.
                QTest::mouseClick(fenetre->windowHandle(), Qt::RightButton, {},
                                  w(nom)->mapTo(fenetre.get(), QPoint(5, 5)));
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu);
                // Qt's own menu for the box, item for item, in its words and states.
                const std::unique_ptr<QMenu> qt(w<QLineEdit>(nom)->createStandardContextMenu());
                const auto actions = menu->actions(), deQt = qt->actions();
                QCOMPARE(actions.size(), deQt.size());
                for (qsizetype i = 0; i < actions.size(); ++i) {
                    QCOMPARE(actions[i]->text(), deQt[i]->text());
                    QCOMPARE(actions[i]->isEnabled(), deQt[i]->isEnabled());
                }
                const auto coller = std::ranges::find_if(actions, [](const QAction* a) {
                    return a->text().startsWith(QLineEdit::tr("&Paste"));
                });
                QVERIFY(coller != actions.end());
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*coller).center());
            } else {
                QDropEvent depot(QPointF(5, 5), Qt::CopyAction,
                                 QGuiApplication::clipboard()->mimeData(), Qt::LeftButton, {});
                static_cast<QObject*>(w(nom))->event(&depot); // no drag under way to deliver it
            }
            QCOMPARE(texte(nom), QString::fromUtf8(attendu));
        }
        if (selection) { // a text selected by the mouse, dragged over, becomes X11's selection
            const int y = w(nom)->height() / 2;
            QTest::mousePress(w(nom), Qt::LeftButton, {}, QPoint(2, y));
            QTest::mouseMove(w(nom), QPoint(w(nom)->width() - 2, y));
            QTest::mouseRelease(w(nom), Qt::LeftButton, {}, QPoint(w(nom)->width() - 2, y));
            QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Selection), texte(nom));
        }
    }
    QCOMPARE(texte("MonLocator"), QStringLiteral("FN20XR")); // upper-cased as it was left
    QCOMPARE(invites, QStringList());
}

// The focus starts on the first of the 13 stops; Tab and Shift+Tab walk them, round to the
// first; nothing else takes the focus. Then the access letters.
void TstFrmVantrel::ordreClavier() {
    for (bool arriere : {false, true}) {
        QStringList attendu = Arrets;
        if (arriere) {
            std::reverse(attendu.begin() + 1, attendu.end());
        }
        attendu << Arrets.front();
        QStringList parcours{focus()};
        for (qsizetype i = 1; i < attendu.size(); ++i) {
            touche(arriere ? Qt::Key_Backtab : Qt::Key_Tab,
                   arriere ? Qt::ShiftModifier : Qt::NoModifier);
            parcours << focus();
        }
        QCOMPARE(parcours, attendu);
    }
    QVERIFY(!w<QComboBox>("Elo")->lineEdit());

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
    // MonLocator, left by Tab and by Shift+Tab with its starting space, refused it each time.
    QCOMPARE(invites, (QStringList{Vide, Vide, Incorrect, Incorrect, Incorrect}));
    QCOMPARE(texte("MonLocator"), QStringLiteral(" "));
}

// A refusal keeps the field as typed and the earlier position; leaving for another window is no
// leaving (nor for a menu: collerSansBlancs).
void TstFrmVantrel::quitterMonLocator() {
    accepteMonLocator("jn38dm");
    remplace("MonLocator", "jn3");
    QWidget autre;
    autre.show();
    autre.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&autre));
    QCOMPARE(invites, QStringList());
    // Back in the window, the focus still in MonLocator, then Tab.
    fenetre->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(fenetre.get()));
    touche(Qt::Key_Tab);
    QCOMPARE(invites, QStringList{JN3});
    QCOMPARE(texte("MonLocator") + texte("MaLati"), QStringLiteral("JN348° 31' Nord"));
}

// The distance and azimuth shown, the needle along the azimuth (its pivot and length over every
// azimuth: tests/ui/tst_cadran.cpp). Hovered, or read by a screen reader, a result says more: a
// position as maps write it, the distance in miles and the long path round the other side of
// the earth, the compass point. Then Clear empties the locator side, not the coordinates, and
// points the needle up.
void TstFrmVantrel::resultatsPuisEffacer() {
    QCOMPARE(aiguille(), QLineF(1155, 465, 1155, 1101)); // where the layout puts it
    // A worked pair of the tool's users (tests/core/tst_distance.cpp).
    distance("jn38dm", "fn20xr");
    capture("Distance");
    capture("Azimut");
    QCOMPARE(texte("Distance") + " " + texte("Azimut"), QStringLiteral("6126 295"));
    const double vers = std::atan2(-aiguille().dx(), aiguille().dy()) * 180 / std::numbers::pi;
    QVERIFY(std::abs(std::remainder(vers - 295, 360)) < 1e-3);
    // JN38DM's centre is 48° 31' 15" N, 6° 17' 30" E; FN20XR's 40° 43' 45" N, 74° 2' 30" W.
    // 6126.36 km are 3806.7 miles, 40076.59 - 6126.36 = 33950.2 km the long way.
    const std::pair<const char*, const char*> bulles[] = {
        {"MaLati", "48° 31' Nord\nsoit 48° 31' 15\" Nord (48,5208°)"},
        {"MaLongi", "6° 17' Est\nsoit 6° 17' 30\" Est (6,2917°)"},
        {"SaLati", "40° 43' Nord\nsoit 40° 43' 45\" Nord (40,7292°)"},
        {"SaLongi", "76° 117' Ouest\nsoit 74° 2' 30\" Ouest (−74,0417°)"},
        {"Distance", "6126 km (3807 milles) — chemin long : 33950 km"},
        {"Azimut", "295° ONO — chemin long : 115° ESE"}};
    for (const auto& [nom, bulle] : bulles) {
        QCOMPARE(w(nom)->toolTip(), QString::fromUtf8(bulle));
        QCOMPARE(w(nom)->accessibleDescription(), QString::fromUtf8(bulle));
    }
    QCOMPARE(w("Image1")->accessibleDescription(),
             QStringLiteral("Aiguille à 295 degrés, ONO, pour 6126 kilomètres ; chemin long "
                            "à 115 degrés, ESE, pour 33950 kilomètres"));
    // A screen reader hears results as read-only, lists by their names.
    QVERIFY(QAccessible::queryAccessibleInterface(w("Distance"))->state().readOnly);
    w<QComboBox>("Elo")->setCurrentIndex(1);
    const auto* liste = QAccessible::queryAccessibleInterface(w("Elo"));
    QCOMPARE(liste->text(QAccessible::Name) + "|" + liste->text(QAccessible::Value),
             QStringLiteral("Longitude Est ou Ouest|Ouest"));

    remplace("Dlo", "6");
    clique("CmdEfface");
    for (const char* nom : {"MonLocator", "SonLocator", "MaLongi", "SaLongi", "MaLati", "SaLati",
                            "Distance", "Azimut"}) {
        QCOMPARE(texte(nom), QString());
    }
    QCOMPARE(texte("Dlo"), QStringLiteral("6"));
    QCOMPARE(aiguille(), QLineF(1272, 480, 1272, 1116));
    QCOMPARE(w("Azimut")->toolTip(), QString());
    QCOMPARE(w("Image1")->accessibleDescription(), QStringLiteral("Aiguille à 0 degrés"));
    QCOMPARE(invites, QStringList());
}

// A click that leaves MonLocator with a refused text shows the refusal once, leaves no
// button down, and computes no distance; the other buttons act once it is closed.
void TstFrmVantrel::clicQuiQuitteUnRefus() {
    const std::tuple<const char*, const char*, bool, QStringList, QString> cas[] = {
        {"jn3", "Command1", true, {JN3}, "FN20XR"},
        // A modal box swallows the release: the press alone must not leave the button down.
        {"jn3", "Command1", false, {JN3}, "FN20XR"},
        {"jn3", "CmdEfface", true, {JN3}, ""},
        // A press on a text box just moves the focus; an accepted locator clicks as usual.
        {"jn3", "SonLocator", true, {JN3}, "FN20XR"},
        {"jn38dm", "Command1", true, {}, "FN20XR6126"}};
    for (const auto& [monLocator, bouton, relache, messages, resultat] : cas) {
        ouvre();
        w<QLineEdit>("SonLocator")->setText(QStringLiteral("FN20XR"));
        accepteMonLocator("jn38dm");
        remplace("MonLocator", monLocator);
        if (relache) {
            clique(bouton);
        } else {
            QTest::mousePress(w(bouton), Qt::LeftButton);
        }
        QTRY_COMPARE(invites, messages);
        QCOMPARE(focus(), bouton);
        QVERIFY(!w<QAbstractButton>(bouton) || !w<QAbstractButton>(bouton)->isDown());
        if (auto* boite = qobject_cast<QLineEdit*>(w(bouton))) {
            QVERIFY(boite->cursorPosition() < boite->text().size()); // the press placed it
        }
        QTRY_COMPARE(texte("SonLocator") + texte("Distance"), resultat);
    }
    // Only that press is swallowed: the next one acts, however soon it comes. One that never
    // came (the system kept it) is forgotten at the next turn of the event loop.
    remplace("MonLocator", "jn3");
    clique("Command1");
    clique("Cmd");
    remplace("MonLocator", "jn3");
    w("Command1")->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    clique("Cmd");
    QCOMPARE(invites, (QStringList{JN3, Incorrect, JN3, Incorrect}));
}

// A result already shown stays when the new request is refused.
void TstFrmVantrel::coordonnees() {
    const QStringList noms = {"Dlo", "Mlo", "Slo", "Elo", "Dla", "Mla", "Sla", "Ela"};
    // "6,6" in French (tests/ui/CMakeLists.txt runs this in French too): 186.6° from 180° W
    // is field 9 (J), square 3, 0.3 of a square or 7.2 subsquares (H); 48.6° N, 138.6° from
    // 90° S, is field 13 (N), square 8, 0.6 × 24 = 14.4 subsquares (O).
    const QString decimales = "6" + QLocale::system().decimalPoint() + "6";
    if (qEnvironmentVariable("LC_ALL").startsWith(u"fr")) {
        QCOMPARE(decimales, QStringLiteral("6,6"));
    }
    const std::pair<QStringList, QString> cas[] = {
        {{"58", "23", "0", "Ouest", "34", "36", "0", "Sud"}, "GF05TJ"},
        {{decimales, "0", "0", "Est", "48", "36", "0", "Nord"}, "JN38HO"},
        // A list left without a choice (the other refusals of a position: tests/core/).
        {{"006", "7", "0", "Est", "48", "35", "0", ""}, ""}};
    for (const auto& [saisie, locator] : cas) {
        invites.clear();
        w<QLineEdit>("TxtLocator")->setText(QStringLiteral("RR99XX"));
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
        capture("TxtLocator");
    }
}

void TstFrmVantrel::application() {
    vantrel::ui::ConfigureApplication();
    QCOMPARE(QApplication::font(), vantrel::ui::Police()); // one face for everything
    // Qt's own texts (here the text boxes' menu) are French whatever the system's language.
    QCOMPARE(QLineEdit::tr("Select All"), QStringLiteral("Tout sélectionner"));
#ifndef Q_OS_WIN
    // The desktop entry it says it belongs to is the one installed.
    QVERIFY(QFile::exists(VANTREL_SOURCES "/packaging/" + QGuiApplication::desktopFileName() +
                          ".desktop"));
#endif
    // No maximise on a window of fixed size.
    QVERIFY(!(fenetre->windowFlags() & Qt::WindowMaximizeButtonHint));
}

QTEST_MAIN(TstFrmVantrel)
