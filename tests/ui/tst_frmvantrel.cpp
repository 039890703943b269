// The window driven as a user drives it: keys to the focused control, mouse clicks on the
// controls, prompts recorded instead of shown.
#include "apparence.h"
#include "application.h"
#include "cadretitre.h"
#include "centre_locator.h"
#include "disposition.h"
#include "frmvantrel.h"
#include "rose.h"
#include "textes_du_programme.h"
#include "vantrel/constantes.h"
#include "zone_client.h"

#include <GeographicLib/Geodesic.hpp>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOption>
#include <QTest>
#include <QTimer>
#include <memory>
#include <numbers>

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

// How far the text in a part of a picture stands out from what it is drawn on (the colour at the
// part's top left): the contrast ratio of relative luminances, 1 to 21, of its farthest pixel.
double Contraste(const QImage& image, QRect partie) {
    const auto luminance = [](QColor c) {
        const auto l = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * l(c.redF()) + 0.7152 * l(c.greenF()) + 0.0722 * l(c.blueF()) + 0.05;
    };
    const double fond = luminance(image.pixelColor(partie.topLeft()));
    double contraste = 1;
    for (int i = 0; i < partie.width() * partie.height(); ++i) {
        const double l = luminance(
            image.pixelColor(partie.topLeft() + QPoint(i % partie.width(), i / partie.width())));
        contraste = std::max(contraste, std::max(l, fond) / std::min(l, fond));
    }
    return contraste;
}

} // namespace

class TstFrmVantrel : public QObject {
    Q_OBJECT

    std::unique_ptr<FrmVantrel> fenetre;
    QStringList invites;

    template <class T = QWidget> T* w(const QString& nom) const {
        return fenetre->findChild<T*>(nom);
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

    // With VANTREL_CAPTURES naming a folder, a box as the window shows it, saved there as
    // "NAME-TEXT.png", with its place in the window in "NAME-TEXT.geometrie" (WxH+X+Y):
    // references for the installed Windows build's screenshots (packaging/windows/).
    void capture(const QString& nom) const {
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

    // ... and where each control lies in the window, "NAME WxH+X+Y" a line, in
    // "fenetre.geometrie": where the installed Windows build is clicked.
    void plan() const {
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

    void ouvre() {
        fenetre = std::make_unique<FrmVantrel>();
        invites.clear();
        fenetre->RemplaceInvite([this](const QString& invite) { invites << invite; });
        fenetre->show();
        fenetre->activateWindow(); // on X11 without a window manager, nothing else activates it
        QVERIFY(QTest::qWaitForWindowActive(fenetre.get()));
    }

private slots:
    void init() { ouvre(); }
    void cleanup() { fenetre.reset(); }

    void etatDeDepart() {
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("Vantrel"));
        QCOMPARE(fenetre->centralWidget()->size(), vantrel::ui::TailleClient());
        QVERIFY(!fenetre->windowIcon().isNull());
        QVERIFY(!fenetre->font().italic() && fenetre->font().weight() == QFont::Normal);
        QCOMPARE(focus(), QStringLiteral("CmdEfface"));
        QCOMPARE(texte("MonLocator"), QStringLiteral(" "));
        QCOMPARE(w("Dlo")->toolTip(), QStringLiteral("Exemple 006 7 Est"));
        QCOMPARE(w<QComboBox>("Elo")->currentText() + w<QComboBox>("Ela")->currentText(), "");
        QVERIFY(w("Label1(2)")->font().underline() && !w("Label1(1)")->font().underline());
        QCOMPARE(w("Label1(1)")->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QVERIFY(!w("Label1(20)")->isEnabled()); // the correspondent's "Latitude", greyed
        plan();
        const auto actions = fenetre->menuBar()->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.front()->text(), QStringLiteral("&Quitter"));
        actions.front()->trigger();
        QVERIFY(!fenetre->isVisible());
    }

    // The window as the user sees it, frame included, centred on the screen. Under Wine the
    // frame is the X window manager's: what Qt knows, and this checks, is the frame Windows draws.
    void centreeSurLEcran() {
        const QPoint ecart =
            fenetre->frameGeometry().center() - fenetre->screen()->geometry().center();
        QVERIFY2(qAbs(ecart.x()) <= 2 && qAbs(ecart.y()) <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(ecart.x()).arg(ecart.y())));
    }

    // Every control stands in its own place inside its frame; both pictures are there at the size
    // of their rectangle.
    void controlesALeurPlace() {
        for (auto* cadre : fenetre->centralWidget()->findChildren<QGroupBox*>()) {
            const auto controles =
                cadre->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            for (QWidget* c : controles) {
                QVERIFY2(cadre->rect().contains(c->geometry()), qPrintable(c->objectName()));
                for (QWidget* autre : controles) {
                    QVERIFY(c == autre || c->pos() != autre->pos());
                }
            }
        }
        for (const char* nom : {"Image1", "Image2"}) {
            const QPixmap image = w<QLabel>(nom)->pixmap();
            QCOMPARE(image.deviceIndependentSize().toSize(), w(nom)->size());
        }
    }

    // Capitals as typed, seven characters at most, the starting space counting; accents kept.
    void saisie() {
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
    void collerSansBlancs() {
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
                    QTest::mouseClick(menu, Qt::LeftButton, {},
                                      menu->actionGeometry(*coller).center());
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

    // Every text reads (a contrast of 4.5 or more) on the desktop's light colours and on dark
    // ones: the labels and captions keep their colours on the window's own light face. The
    // greyed label is meant not to stand out.
    void lisibleSousToutesCouleurs() {
        const QPalette systeme = QApplication::palette();
        for (const QPalette& palette : {systeme, QPalette(QColor(50, 50, 50))}) {
            QApplication::setPalette(palette);
            ouvre();
            distance("jn38dm", "fn20xr");
            fenetre->EcritChamp(vantrel::Champ::TxtLocator, "JN38FL");
            const QImage image = fenetre->grab().toImage();
            // The locator found shows in its yellow box, whatever the desktop's colours.
            QCOMPARE(image.pixelColor(w("TxtLocator")->mapTo(fenetre.get(), QPoint(3, 3))),
                     QColor(255, 255, 0));
            std::vector<std::pair<QWidget*, QRect>> textes;
            for (auto* c : fenetre->findChildren<vantrel::ui::CadreTitre*>()) {
                textes.emplace_back(c, QRect(9, 0, 30, 2 * c->hautBordure()));
            }
            for (auto* e : fenetre->findChildren<QLabel*>()) {
                textes.emplace_back(e,
                                    e->isEnabled() && e->pixmap().isNull() ? e->rect() : QRect());
            }
            for (auto* b : fenetre->findChildren<QLineEdit*>()) {
                textes.emplace_back(b, b->text().isEmpty() ? QRect()
                                                           : b->rect().adjusted(3, 3, -3, -3));
            }
            for (const auto& [w, partie] : textes) {
                const double c =
                    Contraste(image, partie.translated(w->mapTo(fenetre.get(), QPoint())));
                QVERIFY2(partie.isEmpty() || c >= 4.5,
                         qPrintable(w->objectName() + QString::number(c)));
            }
        }
        QApplication::setPalette(systeme);
    }

    // Tab and Shift+Tab walk the 13 stops, round to the first; nothing else takes the focus.
    void ordreClavier() {
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
    void quitterMonLocator() {
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

    // The distance and azimuth as the exact great circle of the program's sphere has them
    // (GeographicLib): the distance rounded, the azimuth to the degree, the needle along it.
    void distanceEtAiguille() {
        QCOMPARE(aiguille(), QLineF(1155, 465, 1155, 1101)); // where the layout puts it
        const GeographicLib::Geodesic sphere(
            vantrel::CirconferenceTerre * 1000 / (2 * std::numbers::pi), 0);
        // Across the Atlantic, and the short way across the ±180° meridian.
        for (const auto& [mon, son] : {std::pair{"jn38dm", "fn20xr"}, {"rp90xa", "ap00aa"}}) {
            distance(mon, son);
            const auto [lat1, lon1] =
                vantrel::essais::CentreLocator(texte("MonLocator").toStdString());
            const auto [lat2, lon2] =
                vantrel::essais::CentreLocator(texte("SonLocator").toStdString());
            double metres = 0, azimut = 0, arrivee = 0;
            sphere.Inverse(lat1, lon1, lat2, lon2, metres, azimut, arrivee);
            QVERIFY(std::abs(texte("Distance").toDouble() - metres / 1000) <= 0.5 + 1e-3);
            QVERIFY(std::abs(std::remainder(texte("Azimut").toDouble() - azimut, 360)) < 1);
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
    void bullesEtLecteurDEcran() {
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
    void effacer() {
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
    }

    // A click that leaves MonLocator with a refused text shows the refusal once, leaves no
    // button down, and computes no distance; the other buttons act once it is closed.
    void clicQuiQuitteUnRefus() {
        const QString vide = Q(std::string(vantrel::messages::LocatorVide));
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

    // A result already shown stays when the new request is refused.
    void coordonnees() {
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

    // The real prompt: a modal box titled as the window, the text alone, one OK button, wide
    // enough for its title (here longer than its text) on a title bar beside the icon and
    // buttons there, as the style draws such a bar.
    void boiteDeMessage() {
        fenetre->RemplaceInvite({});
        fenetre->setWindowTitle(QStringLiteral("Vantrel, les locators et leurs distances"));
        QString vue;
        int place = 0, titre = 0;
        QTimer::singleShot(0, [&] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(boite);
            QCoreApplication::sendPostedEvents(); // its layout settled, as when it is drawn
            vue = boite->windowTitle() + "|" + boite->text();
            QCOMPARE(boite->icon(), QMessageBox::NoIcon);
            QCOMPARE(boite->buttons().size(), 1);
            QStyleOptionTitleBar barre;
            barre.initFrom(boite);
            barre.titleBarFlags = Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                  Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
            barre.rect =
                QRect(0, 0, boite->width(), boite->style()->pixelMetric(QStyle::PM_TitleBarHeight));
            place = boite->style()
                        ->subControlRect(QStyle::CC_TitleBar, &barre, QStyle::SC_TitleBarLabel)
                        .width();
            titre = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont))
                        .horizontalAdvance(boite->windowTitle());
            boite->accept();
        });
        clique("Cmd");
        QCOMPARE(vue, fenetre->windowTitle() + "|" + Incorrect);
        QVERIFY2(place >= titre, qPrintable(QStringLiteral("%1 %2").arg(place).arg(titre)));
    }

    // A frame draws its border, and its caption in the caption's colour and face (here larger
    // than the frame's own: it reaches below the frame's line height).
    void cadrePeint() {
        QFont grande = QApplication::font();
        grande.setPointSize(3 * grande.pointSize());
        vantrel::ui::CadreTitre cadre(QStringLiteral("MMMM"), grande, Qt::blue, nullptr);
        cadre.resize(120, 60);
        const QImage image = cadre.grab().toImage();
        const int hauteur = cadre.fontMetrics().height();
        bool bleu = false; // the caption, below the frame's own line height
        for (int i = 0; i < 120 * (60 - hauteur); ++i) {
            bleu = bleu || image.pixel(i % 120, hauteur + i / 120) == qRgb(0, 0, 255);
        }
        QVERIFY(bleu);
        for (QPoint bord : {QPoint(119, 55), QPoint(60, 59)}) {
            QCOMPARE(image.pixel(bord), cadre.palette().color(QPalette::Mid).rgb());
        }
        // The border runs half the caption's height down, and stops short of the caption.
        QCOMPARE(image.pixel(0, 1), cadre.palette().color(QPalette::Window).rgb());
        QCOMPARE(image.pixel(7, cadre.hautBordure()),
                 cadre.palette().color(QPalette::Window).rgb());
        // Without a caption the border runs along the top edge.
        cadre.setTitle({});
        QCOMPARE(cadre.grab().toImage().pixel(60, 0), cadre.palette().color(QPalette::Mid).rgb());
    }

    // Every text shows whole in its control, in the face the control has and at the layout's
    // size: the captions, labels and buttons, the lists' items, and the widest text the program
    // writes into each result box, which need not scroll to show its end (the cursor at the end
    // stands as far from the start as the text is wide, to the pixel).
    void textesEntiers() {
        QStringList coupes; // the texts cut short
        for (const vantrel::ui::Element& e : vantrel::ui::Elements) {
            QWidget* c = w(QString::fromUtf8(e.nom.data(), qsizetype(e.nom.size())));
            QStringList textes{QString::fromUtf8(e.plusLarge ? e.plusLarge : e.texte)};
            auto* cadre = qobject_cast<vantrel::ui::CadreTitre*>(c);
            const QFont police = cadre ? cadre->policeTitre() : c->font();
            QCOMPARE(police.pointSizeF(), e.points); // the layout's size, narrowed or not
            QRect place = c->contentsRect();
            if (cadre) {
                place.adjust(cadre->RetraitTexte, 0, -cadre->RetraitTexte, 0);
            } else if (auto* bouton = qobject_cast<QPushButton*>(c)) {
                QStyleOptionButton option;
                option.initFrom(bouton);
                option.features = QStyleOptionButton::AutoDefaultButton;
                place = c->style()->subElementRect(QStyle::SE_PushButtonContents, &option, c);
                textes = {bouton->text().remove('&')};
            } else if (auto* liste = qobject_cast<QComboBox*>(c)) {
                QStyleOptionComboBox option;
                option.initFrom(liste);
                place = c->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                   QStyle::SC_ComboBoxEditField, c);
                place.setLeft(place.left() + 1); // where its text starts
                textes = {liste->itemText(0), liste->itemText(1)};
            } else if (auto* boite = qobject_cast<QLineEdit*>(c); boite && e.estResultat()) {
                const int debut = boite->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
                boite->setText(textes[0]); // the cursor at its end
                boite->repaint();          // where the box scrolls its text to
                const int fin = boite->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
                if (fin - debut < QFontMetrics(police, c).horizontalAdvance(textes[0])) {
                    coupes << c->objectName() + ": " + textes[0];
                }
                continue;
            }
            for (const QString& t : textes) {
                if (QFontMetrics(police, c).horizontalAdvance(t) > place.width()) {
                    coupes << c->objectName() + ": " + t;
                }
            }
        }
        QVERIFY2(coupes.isEmpty(), qPrintable(coupes.join(" | ")));
    }

    void application() {
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
};

QTEST_MAIN(TstFrmVantrel)
#include "tst_frmvantrel.moc"
