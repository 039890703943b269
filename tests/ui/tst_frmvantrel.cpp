// The window driven as a user drives it: keys to the focused control, mouse clicks on the
// controls, prompts recorded instead of shown.
#include "disposition.h"
#include "frmvantrel.h"
#include "rose.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

using vantrel::ui::FrmVantrel;
using vantrel::ui::Rose;

namespace {

const QString Longueur =
    QStringLiteral(" : Un Locator est composé de deux lettres, deux chiffres, deux lettres, "
                   "comme JN38DM.");

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
    QLineEdit* champ(const QString& nom) const { return w<QLineEdit>(nom); }
    QString texte(const QString& nom) const { return champ(nom)->text(); }
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
        champ(nom)->selectAll();
        touche(Qt::Key_Delete);
        tape(touches);
    }

    // MonLocator accepted by leaving it with Tab; the prompts so far are forgotten.
    void accepteMonLocator(const char* locator) {
        remplace("MonLocator", locator);
        touche(Qt::Key_Tab);
        QCOMPARE(invites, QStringList());
    }

    static QPointF pointe(double x, double y) { return {x, y}; }
    static bool proche(QPointF a, QPointF b) { return QLineF(a, b).length() < 0.05; }

private slots:
    void init() {
        fenetre = std::make_unique<FrmVantrel>();
        invites.clear();
        fenetre->RemplaceInvite([this](const QString& invite) { invites << invite; });
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowActive(fenetre.get()));
    }
    void cleanup() { fenetre.reset(); }

    void fenetreFixeAvecSonMenu() {
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("Vantrel"));
        QCOMPARE(fenetre->centralWidget()->size(), QSize(590, 296));
        QCOMPARE(fenetre->minimumSize(), fenetre->maximumSize());
        QCOMPARE(fenetre->height(), 296 + fenetre->menuBar()->height());

        const auto actions = fenetre->menuBar()->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions.front()->text(), QStringLiteral("&Quitter"));
        QVERIFY(!actions.front()->menu());
        actions.front()->trigger();
        QVERIFY(!fenetre->isVisible());
    }

    void demarrage() {
        QCOMPARE(focus(), QStringLiteral("CmdEfface"));
        QCOMPARE(texte("MonLocator"), QStringLiteral(" "));
        for (const char* nom : {"Elo", "Ela"}) {
            QCOMPARE(w<QComboBox>(nom)->currentIndex(), -1);
            QCOMPARE(w<QComboBox>(nom)->currentText(), QString());
        }
        QCOMPARE(w<QComboBox>("Elo")->count(), 2);
        QCOMPARE(w<QComboBox>("Ela")->itemText(1), QStringLiteral("Sud"));
    }

    void majusculesEtLongueurMax_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<bool>("garderEspace");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("mon locator") << "MonLocator" << false << "JN38DMX";
        // The starting space counts: six letters typed beside it fill the field.
        QTest::newRow("mon locator et son espace") << "MonLocator" << true << " JN38DM";
        QTest::newRow("son locator") << "SonLocator" << false << "JN38DMX";
    }

    void majusculesEtLongueurMax() {
        QFETCH(QString, nom);
        QFETCH(bool, garderEspace);
        QFETCH(QString, attendu);
        clique(nom);
        if (garderEspace) {
            touche(Qt::Key_End);
        } else {
            champ(nom)->selectAll();
        }
        tape("jn38dmxyz");
        QCOMPARE(texte(nom), attendu);
    }

    void accentsGardes() {
        // Only a to z become capitals while typing.
        remplace("SonLocator", "jn38d");
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                            QStringLiteral("é"), Qt::NoModifier);
        QCOMPARE(texte("SonLocator"), QStringLiteral("JN38Dé"));
    }

    void troisChiffresAuPlus_data() {
        QTest::addColumn<QString>("nom");
        for (const char* nom : {"Dlo", "Mlo", "Slo", "Dla", "Mla", "Sla"}) {
            QTest::newRow(nom) << nom;
        }
    }

    void troisChiffresAuPlus() {
        QFETCH(QString, nom);
        remplace(nom, "1234");
        QCOMPARE(texte(nom), QStringLiteral("123"));
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

    void rienDautreNePrendLeFocus_data() {
        QTest::addColumn<QString>("nom");
        for (const char* nom :
             {"MaLati", "MaLongi", "SaLati", "SaLongi", "Distance", "Azimut", "TxtLocator",
              "Label1(13)", "Label1(20)", "Frame3", "Image1", "Image2"}) {
            QTest::newRow(nom) << nom;
        }
    }

    void rienDautreNePrendLeFocus() {
        QFETCH(QString, nom);
        clique("SonLocator");
        clique(nom);
        QTest::mouseDClick(w(nom), Qt::LeftButton);
        QCOMPARE(focus(), QStringLiteral("SonLocator"));
        if (auto* boite = qobject_cast<QLineEdit*>(w(nom))) {
            tape("12");
            QCOMPARE(boite->text(), QString());
            QVERIFY(!boite->hasSelectedText());
        }
    }

    void listesSansSaisie() {
        clique("Elo");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // closes the popup
        QCOMPARE(focus(), QStringLiteral("Elo"));
        tape("xyz");
        QCOMPARE(w<QComboBox>("Elo")->currentText(), QString());
        QVERIFY(!w<QComboBox>("Elo")->lineEdit());
    }

    void quitterMonLocatorRefuse_data() {
        QTest::addColumn<QByteArray>("tape");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("message");
        QTest::newRow("espaces") << QByteArray("   ") << "   "
                                 << "Le locator est vide !";
        QTest::newRow("trop court") << QByteArray("jn38d") << "JN38D"
                                    << "JN38D" + Longueur;
        QTest::newRow("trop long") << QByteArray("jn38dmx") << "JN38DMX"
                                   << "JN38DMX" + Longueur;
        QTest::newRow("1er") << QByteArray("1n38dm") << "1N38DM"
                             << "49 : Le premier caractère n'est pas une lettre valide.";
        QTest::newRow("2e") << QByteArray("jy38dm") << "JY38DM"
                            << "89 : Le second caractère n'est pas une lettre valide.";
        QTest::newRow("3e") << QByteArray("jnx8dm") << "JNX8DM"
                            << "88 : Le troisième caractère n'est pas un chiffre.";
        QTest::newRow("4e") << QByteArray("jn3xdm") << "JN3XDM"
                            << "88 : Le quatrième caractère n'est pas un chiffre.";
        QTest::newRow("5e") << QByteArray("jn38[m") << "JN38[M"
                            << "91 : Le cinquième caractère n'est pas une lettre valide.";
        QTest::newRow("6e") << QByteArray("jn38d1") << "JN38D1"
                            << "49 : Le sixième caractère n'est pas une lettre valide.";
    }

    void quitterMonLocatorRefuse() {
        QFETCH(QByteArray, tape);
        QFETCH(QString, champ);
        QFETCH(QString, message);
        accepteMonLocator("jn38dm");
        QCOMPARE(texte("MaLati"), QStringLiteral("48° 31' Nord"));

        remplace("MonLocator", tape.constData());
        touche(Qt::Key_Tab);
        QCOMPARE(invites, QStringList{message});
        QCOMPARE(texte("MonLocator"), champ);
        QCOMPARE(focus(), QStringLiteral("SonLocator"));
        // The earlier position stays, shown and stored.
        QCOMPARE(texte("MaLati"), QStringLiteral("48° 31' Nord"));
        QCOMPARE(texte("MaLongi"), QStringLiteral("6° 17' Est"));
        QCOMPARE(fenetre->etat().MonLocatorAccepte, std::string("JN38DM"));
    }

    void quitterMonLocatorAccentue() {
        // The field is upper-cased on leaving, accents included; the prompt gives the code.
        remplace("MonLocator", "jn38d");
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                            QStringLiteral("é"), Qt::NoModifier);
        touche(Qt::Key_Tab);
        QCOMPARE(texte("MonLocator"), QStringLiteral("JN38DÉ"));
        QCOMPARE(invites, QStringList{"201 : Le sixième caractère n'est pas une lettre valide."});
    }

    void distanceComplete() {
        touche(Qt::Key_Tab);
        QCOMPARE(focus(), QStringLiteral("MonLocator"));
        touche(Qt::Key_Home);
        touche(Qt::Key_Delete);
        tape("jn38dm");
        touche(Qt::Key_Tab);
        tape("fn20xr");
        clique("Command1");

        QCOMPARE(invites, QStringList());
        QCOMPARE(texte("MaLati"), QStringLiteral("48° 31' Nord"));
        QCOMPARE(texte("MaLongi"), QStringLiteral("6° 17' Est"));
        QCOMPARE(texte("SaLati"), QStringLiteral("40° 43' Nord"));
        QCOMPARE(texte("SaLongi"), QStringLiteral("76° 117' Ouest"));
        QCOMPARE(texte("Distance"), QStringLiteral("6126"));
        QCOMPARE(texte("Azimut"), QStringLiteral("295"));
        QVERIFY2(
            proche(aiguille().p1(), pointe(695.6, 847.2)),
            qPrintable(QStringLiteral("tip at %1, %2").arg(aiguille().x1()).arg(aiguille().y1())));
        QCOMPARE(aiguille().p2(), pointe(1272, 1116));

        // What a screen reader reads.
        QAccessibleInterface* distance = QAccessible::queryAccessibleInterface(w("Distance"));
        QCOMPARE(distance->text(QAccessible::Value), QStringLiteral("6126"));
        QCOMPARE(distance->text(QAccessible::Name), QStringLiteral("Distance kilomètres"));
        QVERIFY(w("Image1")->accessibleDescription().startsWith(
            QStringLiteral("Aiguille à 295 degrés")));
    }

    void bullesDesResultats() {
        QCOMPARE(w("Distance")->toolTip(), QString());
        accepteMonLocator("jn38dm");
        tape("fn20xr");
        clique("Command1");
        QCOMPARE(w("Distance")->toolTip(),
                 QStringLiteral("6126 km (3807 milles) — chemin long : 33950 km"));
        QCOMPARE(w("Azimut")->toolTip(), QStringLiteral("295° ONO — chemin long : 115° ESE"));
        QVERIFY(w("Image1")->accessibleDescription().contains(QStringLiteral("chemin long")));

        clique("CmdEfface");
        QCOMPARE(w("Distance")->toolTip(), QString());
        QCOMPARE(w("Azimut")->toolTip(), QString());
    }

    void entreeNeCalculeRien() {
        accepteMonLocator("jn38dm");
        tape("fn20xr");
        touche(Qt::Key_Return);
        touche(Qt::Key_Enter);
        touche(Qt::Key_Escape);
        QCOMPARE(texte("Distance"), QString());
        QVERIFY(fenetre->isVisible());
    }

    void sonLocatorRefuseNeChangeRien() {
        accepteMonLocator("jn38dm");
        tape("fn20xr");
        clique("Command1");
        remplace("SonLocator", "jn3");
        clique("Command1");
        QCOMPARE(invites, QStringList{"JN3" + Longueur});
        QCOMPARE(texte("SaLongi"), QStringLiteral("76° 117' Ouest"));
        QCOMPARE(texte("Azimut"), QStringLiteral("295"));
        QVERIFY(proche(aiguille().p1(), pointe(695.6, 847.2)));
    }

    // A click that leaves MonLocator with a rejected text shows the rejection once, and does
    // nothing else: no computation, no clearing, no button left pressed.
    void clicQuiQuitteUnRefus_data() {
        QTest::addColumn<QByteArray>("monLocator");
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<bool>("relache");
        QTest::addColumn<QString>("message");
        QTest::newRow("espace de départ, C&alcul")
            << QByteArray() << "Command1" << true << "Le locator est vide !";
        QTest::newRow("refusé, C&alcul")
            << QByteArray("jn3") << "Command1" << true << "JN3" + Longueur;
        // A modal box swallows the release: the press alone must not leave the button down.
        QTest::newRow("refusé, pression seule")
            << QByteArray("jn3") << "Command1" << false << "JN3" + Longueur;
        QTest::newRow("refusé, &Clear")
            << QByteArray("jn3") << "CmdEfface" << true << "JN3" + Longueur;
        QTest::newRow("refusé, &Calcul locator")
            << QByteArray("jn3") << "Cmd" << true << "JN3" + Longueur;
    }

    void clicQuiQuitteUnRefus() {
        QFETCH(QByteArray, monLocator);
        QFETCH(QString, bouton);
        QFETCH(bool, relache);
        QFETCH(QString, message);
        champ("SonLocator")->setText(QStringLiteral("FN20XR"));
        if (monLocator.isEmpty()) {
            touche(Qt::Key_Tab); // into MonLocator, its starting space kept
        } else {
            accepteMonLocator("jn38dm");
            remplace("MonLocator", monLocator.constData());
        }
        QCOMPARE(focus(), QStringLiteral("MonLocator"));

        if (relache) {
            clique(bouton);
        } else {
            QTest::mousePress(w(bouton), Qt::LeftButton);
        }
        QCOMPARE(invites, QStringList{message});
        QCOMPARE(focus(), bouton);
        QVERIFY(!w<QPushButton>(bouton)->isDown());
        QCOMPARE(texte("SonLocator"), QStringLiteral("FN20XR"));
        QCOMPARE(texte("Distance"), QString());

        // The next click is an ordinary click again.
        if (!relache) {
            QTest::mouseRelease(w(bouton), Qt::LeftButton);
        }
        QTest::qWait(0);
        invites.clear();
        clique("Command1");
        QCOMPARE(invites, QStringList{message});
    }

    void altAVerifieLeChamp_data() {
        QTest::addColumn<QByteArray>("monLocator");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("azimut");
        QTest::newRow("espace de départ")
            << QByteArray() << QStringList{"Le locator est vide !"} << ""
            << "";
        QTest::newRow("refusé") << QByteArray("jn3") << QStringList{"JN3" + Longueur} << ""
                                << "";
        // Computed from the locator shown, not from the one accepted before.
        QTest::newRow("nouveau") << QByteArray("fn20xr") << QStringList() << "6126"
                                 << "52";
    }

    void altAVerifieLeChamp() {
        QFETCH(QByteArray, monLocator);
        QFETCH(QStringList, messages);
        QFETCH(QString, distance);
        QFETCH(QString, azimut);
        if (monLocator.isEmpty()) {
            champ("SonLocator")->setText(QStringLiteral("JN38DM"));
            touche(Qt::Key_Tab); // into MonLocator, its starting space kept
        } else {
            accepteMonLocator("jn38dm");
            tape("jn38dm");
            remplace("MonLocator", monLocator.constData());
        }
        touche(Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(invites, messages);
        QTest::qWait(200); // the click comes after the button's short animation
        QCOMPARE(invites, messages);
        QCOMPARE(texte("Distance"), distance);
        QCOMPARE(texte("Azimut"), azimut);
        QCOMPARE(focus(), QStringLiteral("MonLocator"));
    }

    void coordonnees_data() {
        QTest::addColumn<QStringList>("saisie"); // Dlo, Mlo, Slo, Elo, Dla, Mla, Sla, Ela
        QTest::addColumn<QString>("locator");
        QTest::addColumn<QStringList>("messages");
        const QString incorrect = QStringLiteral("Saise incorrect ");
        QTest::newRow("exemple") << QStringList{"006", "7", "0", "Est", "48", "35", "0", "Nord"}
                                 << "JN38BO" << QStringList();
        QTest::newRow("ouest et sud")
            << QStringList{"58", "23", "0", "Ouest", "34", "36", "0", "Sud"} << "GF05TJ"
            << QStringList();
        QTest::newRow("degrés vides") << QStringList{"", "7", "0", "Est", "48", "35", "0", "Nord"}
                                      << "RR99XX" << QStringList{incorrect};
        QTest::newRow("secondes vides")
            << QStringList{"006", "7", "0", "Est", "48", "35", "", "Nord"} << "RR99XX"
            << QStringList{incorrect};
        QTest::newRow("Est-Ouest non choisi")
            << QStringList{"006", "7", "0", "", "48", "35", "0", "Nord"} << "RR99XX"
            << QStringList{incorrect};
        QTest::newRow("Nord-Sud non choisi")
            << QStringList{"006", "7", "0", "Est", "48", "35", "0", ""} << "RR99XX"
            << QStringList{incorrect};
        QTest::newRow("pas un nombre")
            << QStringList{"abc", "7", "0", "Est", "48", "35", "0", "Nord"} << "RR99XX"
            << QStringList{incorrect};
        QTest::newRow("hors de la terre")
            << QStringList{"181", "0", "0", "Est", "48", "35", "0", "Nord"} << "RR99XX"
            << QStringList{incorrect};
    }

    void coordonnees() {
        QFETCH(QStringList, saisie);
        QFETCH(QString, locator);
        QFETCH(QStringList, messages);
        // A result already shown stays when the new request is refused.
        champ("TxtLocator")->setText(QStringLiteral("RR99XX"));
        const QStringList noms = {"Dlo", "Mlo", "Slo", "Elo", "Dla", "Mla", "Sla", "Ela"};
        for (qsizetype i = 0; i < noms.size(); ++i) {
            if (auto* liste = qobject_cast<QComboBox*>(w(noms[i]))) {
                liste->setCurrentIndex(liste->findText(saisie[i]));
            } else {
                remplace(noms[i], saisie[i].toLatin1().constData());
            }
        }
        clique("Cmd");
        QCOMPARE(invites, messages);
        QCOMPARE(texte("TxtLocator"), locator);
    }

    void effacer() {
        accepteMonLocator("jn38dm");
        tape("fn20xr");
        clique("Command1");
        remplace("Dlo", "6");
        champ("TxtLocator")->setText(QStringLiteral("JN38BO"));

        clique("CmdEfface");
        for (const char* nom : {"MonLocator", "SonLocator", "MaLongi", "SaLongi", "MaLati",
                                "SaLati", "Distance", "Azimut"}) {
            QCOMPARE(texte(nom), QString());
        }
        QCOMPARE(texte("Dlo"), QStringLiteral("6"));
        QCOMPARE(texte("TxtLocator"), QStringLiteral("JN38BO"));
        QCOMPARE(aiguille(), QLineF(1272, 480, 1272, 1116));
        QCOMPARE(fenetre->etat().MonLocatorAccepte, std::string("JN38DM"));
        QCOMPARE(fenetre->etat().MaLatDeg, 48);

        clique("Command1");
        QCOMPARE(invites, QStringList{"Mon locator est vide"});
    }

    void premierTraceDeLAiguille() {
        QCOMPARE(aiguille(), QLineF(1155, 465, 1155, 1101));
        // Azimut already holds "": the assignment changes no text, yet redraws.
        fenetre->EcritChamp(vantrel::Champ::Azimut, "");
        QCOMPARE(aiguille(), QLineF(1272, 480, 1272, 1116));
        fenetre->EcritChamp(vantrel::Champ::Azimut, "45");
        QVERIFY(proche(aiguille().p1(), pointe(1721.7, 666.3)));
        QVERIFY(w("Image1")->accessibleDescription().startsWith(
            QStringLiteral("Aiguille à 45 degrés")));
    }

    void lettreCPartagee() {
        // Both buttons carry "C": the letter moves the focus between them and clicks neither.
        clique("Dlo");
        QStringList parcours;
        for (int i = 0; i < 3; ++i) {
            touche(Qt::Key_C, Qt::AltModifier);
            parcours << focus();
        }
        QTest::qWait(200);
        QCOMPARE(parcours, (QStringList{"Cmd", "CmdEfface", "Cmd"}));
        QCOMPARE(invites, QStringList());
        QCOMPARE(texte("MonLocator"), QStringLiteral(" "));
        // The space bar then clicks the button that holds the focus.
        touche(Qt::Key_Space);
        QCOMPARE(invites, QStringList{"Saise incorrect "});
    }

    void cadresEtControlesEnPlace() {
        const QRect client = fenetre->centralWidget()->rect();
        const auto cadres = fenetre->centralWidget()->findChildren<QGroupBox*>(
            QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(cadres.size(), 5);
        for (QGroupBox* cadre : cadres) {
            QVERIFY2(client.intersects(cadre->geometry()), qPrintable(cadre->objectName()));
            QVERIFY(cadre->geometry().left() >= 0 && cadre->geometry().right() <= client.right());
            QVERIFY(cadre->geometry().bottom() <= client.bottom());
            for (QGroupBox* autre : cadres) {
                QVERIFY2(cadre == autre || !cadre->geometry().intersects(autre->geometry()),
                         qPrintable(cadre->objectName() + " / " + autre->objectName()));
            }
            const auto controles =
                cadre->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            QVERIFY(!controles.isEmpty());
            for (QWidget* c : controles) {
                const QString nom = cadre->objectName() + " / " + c->objectName();
                QVERIFY2(cadre->rect().contains(c->geometry()), qPrintable(nom));
                // Below the caption band, except the needle's overlay that covers the frame.
                QVERIFY2(qobject_cast<Rose*>(c) || c->y() >= 11, qPrintable(nom));
            }
        }
    }
};

QTEST_MAIN(TstFrmVantrel)
#include "tst_frmvantrel.moc"
