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
#include <numbers>

using essais_fenetre::Q;

namespace {

const QString Incorrect = Q(vantrel::essais::SaisieIncorrecte);
const QString JN3 = Q(vantrel::essais::Longueur("JN3"));

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

void TstFrmVantrel::etatDeDepart() {
    QCOMPARE(fenetre->centralWidget()->size(), vantrel::ui::TailleClient());
    QVERIFY(!fenetre->windowIcon().isNull());
    QVERIFY(!fenetre->font().italic() && fenetre->font().weight() == QFont::Normal);
    QCOMPARE(focus(), QStringLiteral("CmdEfface"));
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

// Capitals as typed, seven characters at most, the starting space counting; accents kept.
void TstFrmVantrel::saisie() {
    const std::tuple<const char*, bool, QString, QString> cas[] = {
        {"MonLocator", false, "jn38dmxyz", "JN38DMX"},
        {"MonLocator", true, "jn38dmx", " JN38DM"},
        {"SonLocator", false, "jn38dé", "JN38Dé"},
        {"Slo", false, "12345", "123"}};
    for (const auto& [nom, garderEspace, touches, attendu] : cas) {
        ouvre();
        clique(nom);
        if (!garderEspace) {
            w<QLineEdit>(nom)->clear();
        }
        touche(Qt::Key_End);
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
                const auto actions = menu->actions();
                const auto coller = std::find_if(actions.begin(), actions.end(), [](auto* a) {
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
    }
    QCOMPARE(texte("MonLocator"), QStringLiteral("FN20XR")); // upper-cased as it was left
    QCOMPARE(invites, QStringList());
}

// Tab and Shift+Tab walk the 13 stops, round to the first; nothing else takes the focus.
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
}

// A refusal keeps the field as typed and the earlier position; leaving for a menu or for
// another window is no leaving.
void TstFrmVantrel::quitterMonLocator() {
    for (auto raison : {Qt::TabFocusReason, Qt::ActiveWindowFocusReason}) {
        ouvre();
        accepteMonLocator("jn38dm");
        remplace("MonLocator", "jn3");
        QWidget autre;
        if (raison == Qt::TabFocusReason) {
            touche(Qt::Key_Tab);
        } else {
            autre.show();
            autre.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&autre));
        }
        QCOMPARE(invites, raison == Qt::TabFocusReason ? QStringList{JN3} : QStringList());
        QCOMPARE(texte("MonLocator") + texte("MaLati"), QStringLiteral("JN348° 31' Nord"));
    }
}

// The distance and azimuth shown, and the needle along the azimuth.
void TstFrmVantrel::distanceEtAiguille() {
    QCOMPARE(aiguille(), QLineF(1155, 465, 1155, 1101)); // where the layout puts it
    // Across the Atlantic, and the short way across the ±180° meridian (worked pairs of the
    // tool's users, checked against the exact geodesic in tests/core/tst_distance.cpp).
    for (const auto& [mon, son, vu] :
         {std::tuple{"jn38dm", "fn20xr", "6126 295"}, {"rp90xa", "ap00aa", "5 89"}}) {
        distance(mon, son);
        QCOMPARE(texte("Distance") + " " + texte("Azimut"), QString::fromLatin1(vu));
        // The needle turns round the dial's pivot, at its length, along the azimuth shown.
        const QLineF ligne = aiguille();
        QCOMPARE(ligne.p2(), QPointF(1272, 1116));
        QVERIFY(std::abs(ligne.length() - 636) < 0.01);
        const double vers = std::atan2(-ligne.dx(), ligne.dy()) * 180 / std::numbers::pi;
        QVERIFY(std::abs(std::remainder(vers - texte("Azimut").toDouble(), 360)) < 1e-3);
    }
    QCOMPARE(invites, QStringList());
}

// Hovered, or read by a screen reader, a result says more: a position as maps write it, the
// distance in miles and the long path round the other side of the earth, the compass point.
void TstFrmVantrel::bullesEtLecteurDEcran() {
    distance("jn38dm", "fn20xr");
    capture("Distance");
    capture("Azimut");
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
    // Return, Enter and Escape in a text box press nothing.
    for (Qt::Key t : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        touche(t);
    }
    QCOMPARE(invites, QStringList());
    // A screen reader hears results as read-only, lists by their names.
    for (const char* nom : {"MaLongi", "SaLati", "Distance", "TxtLocator"}) {
        QVERIFY(QAccessible::queryAccessibleInterface(w(nom))->state().readOnly);
    }
    w<QComboBox>("Elo")->setCurrentIndex(1);
    const auto* liste = QAccessible::queryAccessibleInterface(w("Elo"));
    QCOMPARE(liste->text(QAccessible::Name) + "|" + liste->text(QAccessible::Value),
             QStringLiteral("Longitude Est ou Ouest|Ouest"));
}

// Clear empties the locator side, not the coordinates, and points the needle up.
void TstFrmVantrel::effacer() {
    distance("jn38dm", "fn20xr");
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
}

// A click that leaves MonLocator with a refused text shows the refusal once, leaves no
// button down, and computes no distance; the other buttons act once it is closed.
void TstFrmVantrel::clicQuiQuitteUnRefus() {
    const QString vide = Q(vantrel::essais::LocatorVide);
    const std::tuple<const char*, const char*, bool, QStringList, QString> cas[] = {
        {"", "Command1", true, {vide}, "FN20XR"},
        {"jn3", "Command1", true, {JN3}, "FN20XR"},
        // A modal box swallows the release: the press alone must not leave the button down.
        {"jn3", "Command1", false, {JN3}, "FN20XR"},
        {"jn3", "CmdEfface", true, {JN3}, ""},
        {"jn3", "Cmd", true, {JN3, Incorrect}, "FN20XR"},
        // A press on a text box just moves the focus; an accepted locator clicks as usual.
        {"jn3", "SonLocator", true, {JN3}, "FN20XR"},
        {"jn38dm", "Command1", true, {}, "FN20XR6126"}};
    for (const auto& [monLocator, bouton, relache, messages, resultat] : cas) {
        ouvre();
        w<QLineEdit>("SonLocator")->setText(QStringLiteral("FN20XR"));
        if (*monLocator) {
            accepteMonLocator("jn38dm");
            remplace("MonLocator", monLocator);
        } else {
            touche(Qt::Key_Tab); // into MonLocator, its starting space kept
        }
        if (relache) {
            clique(bouton);
        } else {
            QTest::mousePress(w(bouton), Qt::LeftButton);
        }
        QTRY_COMPARE(invites, messages);
        QCOMPARE(focus(), bouton);
        auto* presse = qobject_cast<QAbstractButton*>(w(bouton));
        QVERIFY(!presse || !presse->isDown());
        if (auto* boite = qobject_cast<QLineEdit*>(w(bouton))) {
            QVERIFY(boite->cursorPosition() < boite->text().size()); // the press placed it
        }
        QTRY_COMPARE(texte("SonLocator") + texte("Distance"), resultat);
    }
    // Only that press is swallowed: the next one acts, however soon it comes.
    remplace("MonLocator", "jn3");
    clique("Command1");
    clique("Cmd");
    QCOMPARE(invites, (QStringList{JN3, Incorrect}));
}

void TstFrmVantrel::lettreCPartagee() {
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
        {{"006", "7", "0", "Est", "48", "35", "", "Nord"}, ""},
        {{"006", "7", "0", "Est", "48", "35", "0", ""}, ""},
        {{"abc", "7", "0", "Est", "48", "35", "0", "Nord"}, ""}};
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
    // Qt's own texts are French whatever the system's language.
    QLineEdit boite;
    QScopedPointer<QMenu> menu(boite.createStandardContextMenu());
    QVERIFY(menu->actions().constLast()->text().startsWith(u"Tout sélectionner"));
#ifndef Q_OS_WIN
    // The desktop entry it says it belongs to is the one installed.
    QVERIFY(QFile::exists(VANTREL_SOURCES "/packaging/" + QGuiApplication::desktopFileName() +
                          ".desktop"));
#endif
    // No maximise on a window of fixed size.
    QVERIFY(!(fenetre->windowFlags() & Qt::WindowMaximizeButtonHint));
}

QTEST_MAIN(TstFrmVantrel)
