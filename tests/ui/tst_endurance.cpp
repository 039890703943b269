// A seeded random session at the window: keys, clicks, pastes and clears, with the window's
// promises checked after every step.
#include "champs_enregistres.h"
#include "frmvantrel.h"
#include "geometrie_cadran.h"
#include "rose.h"
#include "textes_du_programme.h"
#include "vantrel/evenements.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <random>

using vantrel::Champ;
namespace essais = vantrel::essais;

class TstEndurance : public QObject {
    Q_OBJECT

    vantrel::ui::FrmVantrel fenetre;
    std::mt19937 alea{20240607};
    QStringList invites;

    template <class T = QWidget> T* w(const char* nom) { return fenetre.findChild<T*>(nom); }
    std::string lu(Champ c) { return fenetre.LitChamp(c); }
    int hasard(int n) { return static_cast<int>(alea() % static_cast<unsigned>(n)); }
    template <class T> const T& un(std::initializer_list<T> liste) {
        return liste.begin()[hasard(static_cast<int>(liste.size()))];
    }

    // One random thing a user does.
    void agit() {
        QWidget* focus = QApplication::focusWidget();
        switch (hasard(7)) {
        case 0:
        case 1:
            QTest::sendKeyEvent(
                QTest::Click, focus, Qt::Key_unknown,
                QString(un({"a", "j", "n", "3", "8", "d", "m", "X", " ", ",", "é", "-", "6", "0"})),
                Qt::NoModifier);
            break;
        case 2:
            QTest::keyClick(focus, un({Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backspace}));
            break;
        case 3:
            QTest::mouseClick(
                w(un({"Cmd", "Command1", "CmdEfface", "MonLocator", "SonLocator", "Dlo", "Mla"})),
                Qt::LeftButton);
            break;
        case 4:
            w<QLineEdit>(un({"MonLocator", "SonLocator"}))
                ->setText(un({"JN38DM", "FN20XR", "AA00AA", "RR99XX", "PM95UQ", "jn3"}));
            break;
        case 5: // a pasted correspondent, then C&alcul
            w<QLineEdit>("SonLocator")->setText(un({"JN38DM", "QF56OD", "AP00AA", "jo38dm"}));
            QTest::mouseClick(w("Command1"), Qt::LeftButton);
            break;
        default:
            w<QComboBox>(un({"Elo", "Ela"}))->setCurrentIndex(hasard(3) - 1);
            break;
        }
    }

    void verifie(const std::array<std::string, 4>& avant) {
        for (const QString& invite : invites) {
            QVERIFY2(essais::EstMessageDuProgramme(invite.toStdString()), qPrintable(invite));
        }
        invites.clear();
        for (auto [champ, latitude] : {std::pair{Champ::MaLati, true},
                                       {Champ::MaLongi, false},
                                       {Champ::SaLati, true},
                                       {Champ::SaLongi, false}}) {
            QVERIFY(lu(champ).empty() || essais::EstTexteCoordonnee(lu(champ), latitude));
        }
        const std::array<std::string, 4> apres = {lu(Champ::SaLati), lu(Champ::SaLongi),
                                                  lu(Champ::Distance), lu(Champ::Azimut)};
        if (!apres[2].empty() && apres != avant) {
            // A new result is what the handlers give for the locators the fields show.
            vantrel::EtatCalcul etat;
            essais::ChampsEnregistres attendu;
            attendu[Champ::MonLocator] = lu(Champ::MonLocator);
            attendu[Champ::SonLocator] = lu(Champ::SonLocator);
            vantrel::DemandeDistance(etat, attendu);
            QCOMPARE(apres, (std::array{attendu[Champ::SaLati], attendu[Champ::SaLongi],
                                        attendu[Champ::Distance], attendu[Champ::Azimut]}));
        }
        const std::string locator = lu(Champ::TxtLocator);
        QVERIFY(locator.empty() || vantrel::VerifieLocator(locator));
        // The needle on its pivot, along the azimuth shown.
        const QLineF aiguille = w<vantrel::ui::Rose>("Rose")->twips();
        if (aiguille.p2() == QPointF(vantrel::cadran::PivotX, vantrel::cadran::PivotY)) {
            const double angle = std::atan2(-aiguille.dx(), aiguille.dy()) * 180 / M_PI;
            const double azimut = apres[3].empty() ? 0 : std::stod(apres[3]);
            QVERIFY(std::abs(std::remainder(angle - azimut, 360)) < 0.01);
        }
    }

private slots:
    void sessionAuHasard() {
        fenetre.RemplaceInvite([this](const QString& invite) { invites << invite; });
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        for (int pas = 0; pas < 4000; ++pas) {
            const std::array<std::string, 4> avant = {lu(Champ::SaLati), lu(Champ::SaLongi),
                                                      lu(Champ::Distance), lu(Champ::Azimut)};
            agit();
            QVERIFY(!QApplication::activeModalWidget());
            verifie(avant);
            if (QTest::currentTestFailed()) {
                QFAIL(qPrintable(QStringLiteral("at step %1").arg(pas)));
            }
        }
    }
};

QTEST_MAIN(TstEndurance)
#include "tst_endurance.moc"
