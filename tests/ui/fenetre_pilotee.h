// The window driven as a user drives it: keys to the focused control, mouse clicks on the
// controls, prompts recorded instead of shown. The suite's cases are spread over the files
// tst_frmvantrel*.cpp, one executable.
#pragma once

#include "frmvantrel.h"
#include "rose.h"
#include "textes_du_programme.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

class TstFrmVantrel : public QObject {
    Q_OBJECT

    std::unique_ptr<vantrel::ui::FrmVantrel> fenetre;
    QStringList invites;

    template <class T = QWidget> T* w(const QString& nom) const {
        return fenetre->findChild<T*>(nom);
    }
    QString texte(const QString& nom) const { return w<QLineEdit>(nom)->text(); }
    QString focus() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
    QLineF aiguille() const { return w<vantrel::ui::Rose>("Rose")->twips(); }
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
    void ouvre() {
        fenetre = std::make_unique<vantrel::ui::FrmVantrel>();
        invites.clear();
        fenetre->RemplaceInvite([this](const QString& invite) { invites << invite; });
        fenetre->show();
        fenetre->activateWindow(); // on X11 without a window manager, nothing else activates it
        QVERIFY(QTest::qWaitForWindowActive(fenetre.get()));
    }

    // With VANTREL_CAPTURES naming a folder, a box as the window shows it, saved there as
    // "NAME-TEXT.png", with its place in the window in "NAME-TEXT.geometrie" (WxH+X+Y), and
    // where each control lies, "NAME WxH+X+Y" a line, in "fenetre.geometrie": the references
    // for the installed Windows build's screenshots, and where it is clicked (packaging/windows/).
    void capture(const QString& nom) const;
    void plan() const;

private slots:
    void init() { ouvre(); }
    void cleanup() { fenetre.reset(); }

    // tst_frmvantrel.cpp: what the user does and what comes of it.
    void etatDeDepart();
    void saisie();
    void collerSansBlancs();
    void ordreClavier();
    void quitterMonLocator();
    void resultatsPuisEffacer();
    void clicQuiQuitteUnRefus();
    void coordonnees();
    void application();

    // tst_frmvantrel_apparence.cpp: every text to the letter, where things stand and how they
    // read.
    void textesAffiches();
    void controlesALeurPlace();
    void lisibleSousToutesCouleurs();
    void boiteDeMessage();
    void cadrePeint();
    void textesEntiers();
    void plusLargesEnumeres();
};
