// Every text the user reads in the window and in its prompts, written out here to the letter
// (the program's spelling, its spaces): a one-character change to any of them fails.
#include "cadretitre.h"
#include "fenetre_pilotee.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

using essais_fenetre::Q;

void TstFrmVantrel::textesAffiches() {
    QCOMPARE(fenetre->windowTitle(), QStringLiteral("Vantrel"));
    QCOMPARE(fenetre->menuBar()->actions().value(0)->text(), QStringLiteral("&Quitter"));
    // The about box ends with the release's version and date.
    // clang-format off
    const std::pair<const char*, const char*> textes[] = {
        {"Frame1", "Azimut"}, {"Frame4", ""}, {"Frame5", "A propos de Vantrel"},
        {"Frame2", "Calcul locator"}, {"Frame3", "Calcul des distances "},
        {"Label3(0)", " Créé par :            l'équipe Vantrel"},
        {"Label3(1)", "Locator :             JN38DM"},
        {"Label3(2)", "Contact :             vt@example.org"},
        {"Label3(3)", "Version :             …"}, {"Label3(4)", "Date :                  …"},
        {"Label1(2)", "Degrés"}, {"Label1(3)", "Minutes"}, {"Label1(5)", "Seconde"},
        {"Label1(4)", "Est-Ouest"}, {"Label1(1)", "Longitude:"}, {"Label1(8)", "Degrés"},
        {"Label1(7)", "Minutes"}, {"Label1(9)", "Seconde"}, {"Label1(6)", "Nord-Sud"},
        {"Label1(0)", "Latitude:"}, {"Cmd", "&Calcul locator"}, {"Label2(2)", "Locator :"},
        {"Label1(18)", "Longitude"}, {"Label1(19)", "Latitude"},
        {"Label1(13)", "Locator de départ"}, {"Label1(17)", "Longitude"},
        {"Label1(20)", "Latitude"}, {"Label1(14)", "Locator d'arrvée"}, {"CmdEfface", "&Clear"},
        {"Label1(16)", "Distance kilomètres"}, {"Label1(15)", " Azimut Degrés."},
        {"Command1", "C&alcul"}, {"MonLocator", " "}, {"Slo", "0"}, {"Sla", "0"},
        {"SonLocator", ""}, {"Dlo", ""}, {"TxtLocator", ""},
    };
    // clang-format on
    for (const auto& [nom, attendu] : textes) {
        QWidget* c = w(nom);
        QVERIFY2(c, nom);
        QString vu;
        if (auto* cadre = qobject_cast<vantrel::ui::CadreTitre*>(c)) {
            vu = cadre->title();
        } else if (auto* etiquette = qobject_cast<QLabel*>(c)) {
            vu = etiquette->text();
        } else if (auto* bouton = qobject_cast<QPushButton*>(c)) {
            vu = bouton->text();
        } else {
            vu = qobject_cast<QLineEdit*>(c)->text();
        }
        QString texte = QString::fromUtf8(attendu);
        if (texte.endsWith(u'…')) {
            texte.chop(1);
            QVERIFY2(vu.startsWith(texte) && vu.size() > texte.size(), nom);
        } else {
            QCOMPARE(vu, texte);
        }
    }
    for (const auto& [nom, articles] : {std::pair{"Elo", "Est|Ouest"}, {"Ela", "Nord|Sud"}}) {
        auto* liste = w<QComboBox>(nom);
        QCOMPARE(liste->count(), 2);
        QCOMPARE(liste->itemText(0) + "|" + liste->itemText(1), QString::fromUtf8(articles));
    }
    QCOMPARE(w("Dlo")->toolTip(), QStringLiteral("Exemple 006 7 Est"));
    QCOMPARE(w("Dla")->toolTip(), QStringLiteral("Exemple 48 35 Nord"));
}

// The prompts no other case of this suite reaches, as the user reaches them (every refusal of
// a locator is held to the letter in tests/core/tst_locator.cpp).
void TstFrmVantrel::invitesALaLettre() {
    // The distance asked with no locator of one's own, then with no correspondent; a locator
    // asked with nothing typed.
    clique("CmdEfface");
    clique("Command1");
    remplace("MonLocator", "jn38dm");
    touche(Qt::Key_Tab);
    clique("Command1");
    clique("Cmd");
    QCOMPARE(invites,
             (QStringList{Q(vantrel::essais::MonLocatorVide), Q(vantrel::essais::SonLocatorVide),
                          Q(vantrel::essais::SaisieIncorrecte)}));
}
