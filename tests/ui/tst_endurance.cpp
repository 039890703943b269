// A long random session at the window, bounded and repeatable: keys of every kind, pasted
// texts of any length, clicks anywhere and list choices, drawn from a fixed seed. After every
// step the window must still answer and keep its promises: well-formed results, none but the
// program's own prompts, the needle on its pivot, the keyboard order, and results computed
// from the locators the fields show.
//
// VANTREL_ENDURANCE_GRAINE and VANTREL_ENDURANCE_EVENEMENTS replace the seed and the number
// of events, to explore further by hand; the test suite runs the defaults.

// Clicks go through the window, as a real mouse's do: a list's open popup takes them first.
#define QTEST_QPA_MOUSE_HANDLING

#include "frmvantrel.h"
#include "rose.h"
#include "textes_du_programme.h"
#include "vantrel/champs.h"
#include "vantrel/controle.h"
#include "vantrel/coordonnees.h"
#include "vantrel/etat_calcul.h"
#include "vantrel/evenements.h"
#include "vantrel/messages.h"
#include "vantrel/position.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

using vantrel::Champ;
using vantrel::ui::FrmVantrel;
using vantrel::ui::Rose;

namespace {

constexpr std::uint32_t GraineParDefaut = 20240607;
constexpr int EvenementsParDefaut = 10000;
// Every so many steps the keyboard order is walked with Tab and Shift+Tab.
constexpr int PasEntreParcours = 500;

// The stops of the keyboard order, from the first.
const QStringList Arrets = {"CmdEfface", "MonLocator", "SonLocator", "Command1", "Dlo",
                            "Mlo",       "Slo",        "Cmd",        "Elo",      "Dla",
                            "Mla",       "Sla",        "Ela"};

const QStringList Boutons = {"Cmd", "Command1", "CmdEfface"};
const QStringList Saisies = {"MonLocator", "SonLocator", "Dlo", "Mlo", "Slo", "Dla", "Mla", "Sla"};

// Where the needle stands before its first redraw, and the pivot it turns round afterwards.
const QLineF Depart(1155, 465, 1155, 1101);
const QPointF Pivot(1272, 1116);
constexpr double LongueurAiguille = 636;
constexpr double PiAiguille = 3.14159;

// Locators pasted again and again, so that the same one comes back after a clear.
const QStringList LocatorsFrequents = {"JN38DM", "FN20XR", "AA00AA", "RR99XX", "JJ00AA", "IJ99XX"};

// Characters typed one key at a time: accents, other scripts, one beyond the 16-bit range.
const QStringList Etrangers = {"é",      "É", "è", "à", "ç", "œ", "Œ",  "ß", "ÿ",
                               "Ÿ",      "µ", "€", "ñ", "ж", "Ж", "中", "😀", "\u00a0",
                               "\u0301", "ı", "ﬁ", "š", "ž", "÷", "Ø"};

QString Utf8(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

// Texts as the window hands them to the locator arithmetic.
std::string EnUtf8(const QString& texte) {
    return texte.toStdString();
}

// A window stand-in: what the arithmetic gives for given field texts.
class ChampsSimules : public vantrel::InterfaceChamps {
public:
    std::map<Champ, std::string> textes;
    std::vector<std::string> invites;

    std::string LitChamp(Champ champ) const override {
        const auto it = textes.find(champ);
        return it == textes.end() ? std::string() : it->second;
    }
    void EcritChamp(Champ champ, std::string_view texte) override {
        textes[champ] = std::string(texte);
    }
    void AfficheMessage(std::string_view invite) override { invites.emplace_back(invite); }
};

// The display texts of an accepted locator; empty for any other text.
QString Latitude(const std::string& locator) {
    const vantrel::Controle controle = vantrel::VerifieLocator(locator);
    return controle ? Utf8(vantrel::TexteCoordonnee(vantrel::LatitudeLocator(*controle.locator)))
                    : QString();
}

QString Longitude(const std::string& locator) {
    const vantrel::Controle controle = vantrel::VerifieLocator(locator);
    return controle ? Utf8(vantrel::TexteCoordonnee(vantrel::LongitudeLocator(*controle.locator)))
                    : QString();
}

// "48° 31' Nord", "76° 117' Ouest": a display text that a decoded locator gives.
bool LatitudeBienFormee(const QString& texte) {
    return vantrel::essais::EstTexteCoordonnee(EnUtf8(texte), true);
}

bool LongitudeBienFormee(const QString& texte) {
    return vantrel::essais::EstTexteCoordonnee(EnUtf8(texte), false);
}

bool EntierBienForme(const QString& texte, int maximum) {
    static const QRegularExpression forme(QStringLiteral("^(0|[1-9]\\d{0,5})$"));
    return forme.match(texte).hasMatch() && texte.toInt() <= maximum;
}

} // namespace

class TstEndurance : public QObject {
    Q_OBJECT

    std::unique_ptr<FrmVantrel> fenetre;
    QPointer<FrmVantrel> garde; // tells whether the window still exists
    std::mt19937 alea;

    std::map<QString, QWidget*> controles;
    QStringList cliquables; // every control a click may land on

    // Figures of the run.
    long evenements = 0;
    long verifications = 0;
    long invitesVues = 0;
    long calculs = 0;
    long locatorsCalcules = 0;
    long effacements = 0;
    int pasCourant = 0;

    // The first broken promise, with where it was seen.
    QString faute;
    std::deque<QString> journal; // the last steps, for the report of a fault

    // What the fields must show until the next click changes it.
    QStringList resultatsAttendus{"", "", "", ""}; // SaLati, SaLongi, Distance, Azimut
    QString locatorAttendu;                        // TxtLocator
    bool aiguilleTournee = false;

    // Taken when a button is released, just before its click runs.
    QStringList avantClic;
    long invitesAvantClic = 0;

    // --- the window's controls -------------------------------------------------------------

    QWidget* w(const QString& nom) const {
        const auto it = controles.find(nom);
        if (it == controles.end()) {
            qFatal("no control %s", qPrintable(nom));
        }
        return it->second;
    }
    QLineEdit* champ(const QString& nom) const { return static_cast<QLineEdit*>(w(nom)); }
    QComboBox* liste(const QString& nom) const { return static_cast<QComboBox*>(w(nom)); }
    QString texte(const QString& nom) const { return champ(nom)->text(); }
    std::string lu(const QString& nom) const {
        if (auto* l = qobject_cast<QComboBox*>(w(nom))) {
            return EnUtf8(l->currentText());
        }
        return EnUtf8(texte(nom));
    }
    static QString focus() {
        QWidget* f = QApplication::focusWidget();
        return f ? f->objectName() : QString();
    }
    QStringList resultats() const {
        return {texte("SaLati"), texte("SaLongi"), texte("Distance"), texte("Azimut")};
    }
    QStringList entreesLocator() const {
        QStringList e{texte("TxtLocator")};
        for (const char* nom : {"Dlo", "Mlo", "Slo", "Elo", "Dla", "Mla", "Sla", "Ela"}) {
            e << Utf8(lu(nom));
        }
        return e;
    }

    // Where keys go: the focused control, or an open list's popup.
    QWidget* cible() const {
        if (QWidget* f = QApplication::focusWidget()) {
            return f;
        }
        if (QWidget* popup = QApplication::activePopupWidget()) {
            return popup;
        }
        return fenetre.get();
    }

    // --- drawing -----------------------------------------------------------------------------

    int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea); }
    bool chance(int pourcent) { return entre(0, 99) < pourcent; }
    const QString& parmi(const QStringList& liste) {
        return liste[entre(0, static_cast<int>(liste.size()) - 1)];
    }

    char32_t caractere() {
        switch (entre(0, 9)) {
        case 0:
        case 1:
        case 2:
            return static_cast<char32_t>(entre(0x20, 0x7E));
        case 3: {
            static const std::u32string locatorien = U"ABJNRXabjnrx0123456789  ";
            return locatorien[entre(0, static_cast<int>(locatorien.size()) - 1)];
        }
        case 4:
            return static_cast<char32_t>(entre(0xA0, 0xFF));
        case 5: {
            // Windows-1252 letters beyond Latin-1, and the replacement character.
            static const std::u32string ansi = U"€ŒœŠšŽžŸ’…\uFFFD";
            return ansi[entre(0, static_cast<int>(ansi.size()) - 1)];
        }
        case 6: {
            // Control and invisible characters: NUL, tab, line ends, joiners, marks.
            static const std::u32string invisibles = {0x00,   0x09,   0x0A,   0x0D,   0x7F,
                                                      0x85,   0x200B, 0x200D, 0x200F, 0x2028,
                                                      0xFEFF, 0xFFFE, 0xFFFF, 0x0301};
            return invisibles[entre(0, static_cast<int>(invisibles.size()) - 1)];
        }
        case 7: {
            const int c = entre(0x100, 0xFFFD - 0x800);
            return static_cast<char32_t>(c < 0xD800 ? c : c + 0x800); // no surrogates
        }
        case 8:
            return static_cast<char32_t>(entre(0x1F300, 0x1F64F)); // beyond 16 bits
        default:
            return static_cast<char32_t>(entre(0x10000, 0x10FFFF));
        }
    }

    QString locatorAuHasard() {
        QString l;
        l += QChar(u'A' + entre(0, 17));
        l += QChar(u'A' + entre(0, 17));
        l += QChar(u'0' + entre(0, 9));
        l += QChar(u'0' + entre(0, 9));
        l += QChar(u'A' + entre(0, 23));
        l += QChar(u'A' + entre(0, 23));
        return l;
    }

    // A locator as a user might paste it: any case, spaces around, now and then one
    // character wrong, missing or too many.
    QString presqueLocator() {
        QString l = chance(60) ? parmi(LocatorsFrequents) : locatorAuHasard();
        for (QChar& c : l) {
            if (chance(30)) {
                c = c.toLower();
            }
        }
        switch (entre(0, 9)) {
        case 0:
            l[entre(0, 5)] = QChar(static_cast<char16_t>(entre(0x21, 0xFF)));
            break;
        case 1:
            l.remove(entre(0, 5), 1);
            break;
        case 2:
            l.insert(entre(0, 6), QChar(u'A' + entre(0, 25)));
            break;
        default:
            break;
        }
        if (chance(20)) {
            l.prepend(QString(entre(1, 2), u' '));
        }
        if (chance(20)) {
            l.append(QString(entre(1, 2), u' '));
        }
        return l;
    }

    QString nombre() {
        static const QStringList formes = {"%1", "-%1", " %1", "%1.5", "%1,5", "%1e2", "+%1"};
        return parmi(formes).arg(entre(0, chance(50) ? 999 : 99));
    }

    QString texteAuHasard() {
        const int genre = entre(0, 99);
        if (genre < 35) {
            return presqueLocator();
        }
        if (genre < 50) {
            return nombre();
        }
        const int longueur = chance(50) ? entre(0, 10) : entre(0, 200);
        std::u32string points;
        for (int i = 0; i < longueur; ++i) {
            points += caractere();
        }
        return QString::fromStdU32String(points);
    }

    // --- events ------------------------------------------------------------------------------

    void note(const QString& quoi) {
        journal.push_back(QStringLiteral("#%1 %2").arg(pasCourant).arg(quoi));
        if (journal.size() > 30) {
            journal.pop_front();
        }
    }

    void touche(Qt::Key t, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* c = cible();
        note(QStringLiteral("touche %1 (mod %2) sur %3")
                 .arg(QKeySequence(t).toString())
                 .arg(int(m), 0, 16)
                 .arg(c->objectName()));
        QTest::keyClick(c, t, m);
        ++evenements;
    }

    void caractereTape(char c) {
        note(QStringLiteral("tape '%1' sur %2").arg(QChar(c)).arg(cible()->objectName()));
        QTest::keyClick(cible(), c);
        ++evenements;
    }

    void caractereEtranger(const QString& c) {
        note(QStringLiteral("tape « %1 » sur %2").arg(c).arg(cible()->objectName()));
        QTest::sendKeyEvent(QTest::Click, cible(), Qt::Key_unknown, c, Qt::NoModifier);
        ++evenements;
    }

    void clique(QWidget* controle, bool double_) {
        const QPoint p(entre(1, qMax(1, controle->width() - 2)),
                       entre(1, qMax(1, controle->height() - 2)));
        note(QStringLiteral("%1 sur %2 en %3,%4")
                 .arg(double_ ? "double clic" : "clic")
                 .arg(controle->objectName())
                 .arg(p.x())
                 .arg(p.y()));
        if (double_) {
            QTest::mouseDClick(controle, Qt::LeftButton, {}, p);
        } else {
            QTest::mouseClick(controle, Qt::LeftButton, {}, p);
        }
        ++evenements;
    }

    // C&alcul's shortcut presses the button and clicks it a moment later: the step waits
    // for the click, so that a run is the same from one machine to the next.
    void altA() {
        touche(Qt::Key_A, Qt::AltModifier);
        auto* bouton = static_cast<QPushButton*>(w("Command1"));
        verifie(QTest::qWaitFor([bouton] { return !bouton->isDown(); }, 5000),
                QStringLiteral("Alt+A left C&alcul pressed"));
    }

    void toucheAuHasard() {
        const int genre = entre(0, 99);
        if (genre < 30) {
            caractereTape(static_cast<char>((chance(50) ? 'a' : 'A') + entre(0, 25)));
        } else if (genre < 42) {
            static const char autres[] = " 0123456789-.,+e[?@/";
            caractereTape(autres[entre(0, sizeof autres - 2)]);
        } else if (genre < 54) {
            caractereEtranger(parmi(Etrangers));
        } else if (genre < 92) {
            static const Qt::Key controle[] = {
                Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,    Qt::Key_End,    Qt::Key_Left,
                Qt::Key_Right,     Qt::Key_Up,     Qt::Key_Down,    Qt::Key_Tab,    Qt::Key_Tab,
                Qt::Key_Backtab,   Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Escape, Qt::Key_Space,
                Qt::Key_F4,        Qt::Key_PageUp, Qt::Key_PageDown};
            const Qt::Key t = controle[entre(0, std::size(controle) - 1)];
            touche(t, t == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        } else {
            // Shortcuts; Alt+Q (Quitter) alone is never sent.
            switch (entre(0, 9)) {
            case 0:
            case 1:
                touche(Qt::Key_C, Qt::AltModifier);
                break;
            case 2:
                altA();
                break;
            case 3:
                touche(Qt::Key_A, Qt::ControlModifier);
                break;
            case 4:
                touche(Qt::Key_Z, Qt::ControlModifier);
                break;
            case 5:
                touche(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
                break;
            case 6:
                touche(Qt::Key_X, Qt::ControlModifier);
                break;
            case 7:
                touche(Qt::Key_Home, Qt::ShiftModifier);
                break;
            case 8:
                touche(Qt::Key_Down, Qt::AltModifier);
                break;
            default: {
                // Any other Alt+letter.
                const int lettre = entre(0, 23); // A to X, Q skipped
                touche(
                    static_cast<Qt::Key>(Qt::Key_A + (lettre >= 'Q' - 'A' ? lettre + 1 : lettre)),
                    Qt::AltModifier);
                break;
            }
            }
        }
    }

    // A text through the clipboard into whatever has the focus, often after a click into a
    // box and a select-all.
    void colle() {
        if (chance(60)) {
            clique(w(parmi(Saisies)), false);
        }
        if (chance(40)) {
            touche(Qt::Key_A, Qt::ControlModifier);
        }
        const QString t = texteAuHasard();
        QApplication::clipboard()->setText(t);
        note(QStringLiteral("presse-papiers « %1 » (%2)").arg(t.left(40)).arg(t.size()));
        touche(Qt::Key_V, Qt::ControlModifier);
    }

    void choisitDansListe() {
        QComboBox* l = liste(chance(50) ? "Elo" : "Ela");
        if (chance(50)) {
            const int indice = entre(-1, 1);
            note(QStringLiteral("%1 → indice %2").arg(l->objectName()).arg(indice));
            l->setCurrentIndex(indice);
            ++evenements;
            return;
        }
        // By the keyboard, in the list's popup.
        clique(l, false);
        for (int i = entre(0, 2); i > 0; --i) {
            touche(chance(50) ? Qt::Key_Down : Qt::Key_Up);
        }
        touche(chance(70) ? Qt::Key_Return : Qt::Key_Escape);
    }

    // A box clicked, its text selected and replaced by a pasted one.
    void remplit(const QString& nom, const QString& t) {
        clique(w(nom), false);
        touche(Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(t);
        note(QStringLiteral("presse-papiers « %1 »").arg(t));
        touche(Qt::Key_V, Qt::ControlModifier);
    }

    // What a user means to do, so that results get computed often enough to be checked:
    // two near-locators, then C&alcul.
    void demandeDistance() {
        remplit("MonLocator", presqueLocator());
        remplit("SonLocator", presqueLocator());
        clique(w("Command1"), false);
    }

    // A position, mostly within range, then &Calcul locator.
    void demandeLocator() {
        const std::pair<const char*, int> champs[] = {{"Dlo", 180}, {"Mlo", 59}, {"Slo", 59},
                                                      {"Dla", 90},  {"Mla", 59}, {"Sla", 59}};
        for (const auto& [nom, maximum] : champs) {
            remplit(nom, chance(90) ? QString::number(entre(0, maximum)) : nombre());
        }
        for (const char* nom : {"Elo", "Ela"}) {
            liste(nom)->setCurrentIndex(chance(95) ? entre(0, 1) : -1);
        }
        clique(w("Cmd"), false);
    }

    void pas() {
        const int genre = entre(0, 99);
        if (genre < 44) {
            toucheAuHasard();
        } else if (genre < 56) {
            colle();
        } else if (genre < 70) {
            clique(w(parmi(Boutons)), chance(5));
        } else if (genre < 82) {
            clique(w(parmi(cliquables)), chance(15));
        } else if (genre < 90) {
            choisitDansListe();
        } else if (genre < 92) {
            altA();
        } else if (genre < 97) {
            demandeDistance();
        } else {
            demandeLocator();
        }
    }

    // --- promises ----------------------------------------------------------------------------

    // One promise checked; the first one broken is kept with its details.
    bool verifie(bool tenue, const QString& promesse) {
        ++verifications;
        if (!tenue && faute.isEmpty()) {
            faute = QStringLiteral("step %1: %2").arg(pasCourant).arg(promesse);
        }
        return tenue;
    }

    QString etatFenetre() const {
        QString e;
        for (const char* nom :
             {"MonLocator", "SonLocator", "MaLati", "MaLongi", "SaLati", "SaLongi", "Distance",
              "Azimut", "TxtLocator", "Dlo", "Mlo", "Slo", "Elo", "Dla", "Mla", "Sla", "Ela"}) {
            e += QStringLiteral("  %1 = «%2»\n").arg(nom, Utf8(lu(nom)));
        }
        e += QStringLiteral("  accepted = «%1», focus = %2")
                 .arg(Utf8(fenetre->etat().MonLocatorAccepte), focus());
        return e;
    }

    // Every prompt is one of the program's messages, about a text a field shows.
    void invite(const QString& message) {
        ++invitesVues;
        note(QStringLiteral("message « %1 »").arg(message));
        std::set<std::string> admis = {std::string(vantrel::messages::MonLocatorVide),
                                       std::string(vantrel::messages::SonLocatorVide),
                                       std::string(vantrel::messages::SaisieIncorrecte)};
        for (const char* nom : {"MonLocator", "SonLocator"}) {
            const vantrel::Controle c = vantrel::VerifieLocator(lu(nom));
            if (!c) {
                admis.insert(c.message);
            }
        }
        verifie(vantrel::essais::EstMessageDuProgramme(EnUtf8(message)),
                QStringLiteral("prompt is none of the program's messages: «%1»").arg(message));
        verifie(admis.contains(EnUtf8(message)),
                QStringLiteral("prompt «%1» is about no text the fields show").arg(message));
    }

    void avantUnClic() {
        avantClic = resultats() + entreesLocator();
        invitesAvantClic = invitesVues;
    }

    // C&alcul: a prompt and nothing computed, or the results of the locators shown.
    void apresCalcul() {
        const long invitesDuClic = invitesVues - invitesAvantClic;
        const QStringList apres = resultats();
        const bool change = apres != avantClic.mid(0, 4);
        const std::string mon = lu("MonLocator");
        const std::string son = lu("SonLocator");

        ChampsSimules attendu;
        attendu.textes[Champ::MonLocator] = mon;
        attendu.textes[Champ::SonLocator] = son;
        vantrel::EtatCalcul etat;
        vantrel::DemandeDistance(etat, attendu);
        verifie(static_cast<std::size_t>(invitesDuClic) == attendu.invites.size(),
                QStringLiteral("C&alcul gave %1 prompts where its fields call for %2")
                    .arg(invitesDuClic)
                    .arg(attendu.invites.size()));

        if (invitesDuClic > 0) {
            verifie(!change, QStringLiteral("C&alcul prompted, yet changed the results: %1 → %2")
                                 .arg(avantClic.mid(0, 4).join(u'|'), apres.join(u'|')));
            return;
        }
        ++calculs;
        aiguilleTournee = true;
        const std::string accepte = fenetre->etat().MonLocatorAccepte;
        const std::string normalise = vantrel::NormaliseLocator(mon);
        verifie(normalise == accepte, QStringLiteral("computed from «%1», the field shows «%2»")
                                          .arg(Utf8(accepte), Utf8(mon)));
        verifie(texte("MaLati") == Latitude(accepte) && texte("MaLongi") == Longitude(accepte),
                QStringLiteral("computed from «%1», but MaLati, MaLongi show «%2», «%3»")
                    .arg(Utf8(accepte), texte("MaLati"), texte("MaLongi")));
        const std::string sonNormalise = vantrel::NormaliseLocator(son);
        verifie(texte("SaLati") == Latitude(sonNormalise) &&
                    texte("SaLongi") == Longitude(sonNormalise),
                QStringLiteral("SaLati, SaLongi «%1», «%2» are not those of «%3»")
                    .arg(texte("SaLati"), texte("SaLongi"), Utf8(son)));
        const QStringList calcule = {
            Utf8(attendu.LitChamp(Champ::SaLati)), Utf8(attendu.LitChamp(Champ::SaLongi)),
            Utf8(attendu.LitChamp(Champ::Distance)), Utf8(attendu.LitChamp(Champ::Azimut))};
        verifie(apres == calcule,
                QStringLiteral("results %1 where «%2» to «%3» gives %4")
                    .arg(apres.join(u'|'), Utf8(mon), Utf8(son), calcule.join(u'|')));
        resultatsAttendus = apres;
    }

    // &Calcul locator: a prompt and the old locator, or the locator of the position shown.
    void apresLocator() {
        const long invitesDuClic = invitesVues - invitesAvantClic;
        ChampsSimules attendu;
        const QStringList entrees = entreesLocator();
        const Champ ordre[] = {Champ::Dlo, Champ::Mlo, Champ::Slo, Champ::Elo,
                               Champ::Dla, Champ::Mla, Champ::Sla, Champ::Ela};
        for (std::size_t i = 0; i < std::size(ordre); ++i) {
            attendu.textes[ordre[i]] = EnUtf8(entrees[static_cast<qsizetype>(i) + 1]);
        }
        attendu.textes[Champ::TxtLocator] = EnUtf8(avantClic[4]);
        vantrel::DemandeLocator(attendu, vantrel::LocaleUtilisateur());
        verifie(static_cast<std::size_t>(invitesDuClic) == attendu.invites.size(),
                QStringLiteral("&Calcul locator gave %1 prompts where its fields call for %2")
                    .arg(invitesDuClic)
                    .arg(attendu.invites.size()));
        verifie(texte("TxtLocator") == Utf8(attendu.LitChamp(Champ::TxtLocator)),
                QStringLiteral("TxtLocator «%1» where the position gives «%2»")
                    .arg(texte("TxtLocator"), Utf8(attendu.LitChamp(Champ::TxtLocator))));
        if (invitesDuClic == 0) {
            ++locatorsCalcules;
        }
        locatorAttendu = texte("TxtLocator");
    }

    // &Clear: the locator side emptied, the position side kept, the needle upright.
    void apresEffacement() {
        ++effacements;
        aiguilleTournee = true;
        for (const char* nom : {"MonLocator", "SonLocator", "MaLongi", "SaLongi", "MaLati",
                                "SaLati", "Distance", "Azimut"}) {
            verifie(texte(nom).isEmpty(),
                    QStringLiteral("&Clear left «%1» in %2").arg(texte(nom), nom));
        }
        verifie(entreesLocator() == avantClic.mid(4),
                QStringLiteral("&Clear changed the position side"));
        verifie(w("Rose")->property("dummy").isNull() &&
                    static_cast<Rose*>(w("Rose"))->twips() == QLineF(1272, 480, 1272, 1116),
                QStringLiteral("&Clear left the needle off the top"));
        resultatsAttendus = {"", "", "", ""};
    }

    // The order of the enabled stops in the focus chain, from the first.
    QStringList chaineDuFocus() const {
        QStringList chaine;
        QWidget* premier = w(Arrets.front());
        QWidget* x = premier;
        int garde = 0;
        do {
            if (x->window() == fenetre.get() && x->isEnabled() && x->isVisibleTo(fenetre.get()) &&
                (x->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
                chaine << x->objectName();
            }
            x = x->nextInFocusChain();
        } while (x != premier && ++garde < 1000);
        return chaine;
    }

    void verifieInvariants() {
        QCoreApplication::processEvents();
        if (!verifie(!garde.isNull() && fenetre->isVisible(), QStringLiteral("window gone"))) {
            return;
        }
        for (QWidget* haut : QApplication::topLevelWidgets()) {
            verifie(!haut->isVisible() || !qobject_cast<QDialog*>(haut),
                    QStringLiteral("a dialog is shown: %1").arg(haut->metaObject()->className()));
        }
        // The keyboard stays in the window: on a stop, or in an open list.
        verifie(Arrets.contains(focus()) || QApplication::activePopupWidget(),
                QStringLiteral("focus on «%1»").arg(focus()));

        // The user's position: nothing, or that of the locator last accepted.
        const std::string accepte = fenetre->etat().MonLocatorAccepte;
        const QString maLati = texte("MaLati"), maLongi = texte("MaLongi");
        verifie((maLati.isEmpty() && maLongi.isEmpty()) ||
                    (LatitudeBienFormee(maLati) && LongitudeBienFormee(maLongi)),
                QStringLiteral("MaLati, MaLongi «%1», «%2»").arg(maLati, maLongi));
        verifie(maLati.isEmpty() || (maLati == Latitude(accepte) && maLongi == Longitude(accepte)),
                QStringLiteral("MaLati, MaLongi «%1», «%2» for the accepted «%3»")
                    .arg(maLati, maLongi, Utf8(accepte)));
        verifie(accepte.empty() || vantrel::VerifieLocator(accepte),
                QStringLiteral("accepted «%1»").arg(Utf8(accepte)));

        // The correspondent and the results: all empty, or all well formed.
        const QStringList r = resultats();
        const bool vides =
            std::all_of(r.begin(), r.end(), [](const QString& t) { return t.isEmpty(); });
        verifie(vides || (LatitudeBienFormee(r[0]) && LongitudeBienFormee(r[1]) &&
                          EntierBienForme(r[2], 20039) && EntierBienForme(r[3], 360)),
                QStringLiteral("results %1").arg(r.join(u'|')));
        verifie(r == resultatsAttendus,
                QStringLiteral("results %1 changed outside a click, were %2")
                    .arg(r.join(u'|'), resultatsAttendus.join(u'|')));

        const QString txt = texte("TxtLocator");
        verifie(txt.isEmpty() || (txt.size() == 6 && vantrel::VerifieLocator(EnUtf8(txt))),
                QStringLiteral("TxtLocator «%1»").arg(txt));
        verifie(txt == locatorAttendu,
                QStringLiteral("TxtLocator «%1» changed outside a click").arg(txt));

        // Boxes keep their limits; lists their two entries.
        for (const QString& nom : Saisies) {
            verifie(texte(nom).size() <= champ(nom)->maxLength(),
                    QStringLiteral("%1 holds %2 characters").arg(nom).arg(texte(nom).size()));
        }
        for (const char* nom : {"Elo", "Ela"}) {
            QComboBox* l = liste(nom);
            verifie(l->count() == 2 && l->currentIndex() >= -1 && l->currentIndex() <= 1,
                    QStringLiteral("%1 has %2 entries, index %3")
                        .arg(nom)
                        .arg(l->count())
                        .arg(l->currentIndex()));
        }

        // The needle: where it starts until the first redraw, then 636 twips from the pivot,
        // pointing along the azimuth shown.
        const QLineF aiguille = static_cast<Rose*>(w("Rose"))->twips();
        if (!aiguilleTournee && aiguille == Depart) {
            verifie(true, {});
        } else {
            const double theta = texte("Azimut").toInt() / 360.0 * PiAiguille * 2;
            const QPointF pointe(Pivot.x() + LongueurAiguille * std::sin(theta),
                                 Pivot.y() - LongueurAiguille * std::cos(theta));
            verifie(aiguille.p2() == Pivot && std::abs(aiguille.length() - LongueurAiguille) < 0.01,
                    QStringLiteral("needle %1,%2 → %3,%4")
                        .arg(aiguille.x1())
                        .arg(aiguille.y1())
                        .arg(aiguille.x2())
                        .arg(aiguille.y2()));
            verifie(QLineF(aiguille.p1(), pointe).length() < 0.05,
                    QStringLiteral("needle tip %1,%2 for the azimuth «%3»")
                        .arg(aiguille.x1())
                        .arg(aiguille.y1())
                        .arg(texte("Azimut")));
        }

        verifie(chaineDuFocus() == Arrets,
                QStringLiteral("focus chain %1").arg(chaineDuFocus().join(u' ')));
    }

    // Tab from the first stop round to it again, then Shift+Tab back.
    void parcoursClavier() {
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
            QCoreApplication::processEvents();
        }
        note(QStringLiteral("parcours au clavier"));
        w(Arrets.front())->setFocus(Qt::OtherFocusReason);
        QStringList aller{focus()};
        for (qsizetype i = 0; i < Arrets.size(); ++i) {
            touche(Qt::Key_Tab);
            aller << focus();
        }
        QStringList retour{focus()};
        for (qsizetype i = 0; i < Arrets.size(); ++i) {
            touche(Qt::Key_Backtab, Qt::ShiftModifier);
            retour << focus();
        }
        QStringList attendu = Arrets;
        attendu << Arrets.front();
        verifie(aller == attendu, QStringLiteral("Tab walks %1").arg(aller.join(u' ')));
        std::reverse(attendu.begin(), attendu.end());
        verifie(retour == attendu, QStringLiteral("Shift+Tab walks %1").arg(retour.join(u' ')));
    }

    void construitFenetre() {
        fenetre = std::make_unique<FrmVantrel>();
        garde = fenetre.get();
        fenetre->RemplaceInvite([this](const QString& message) { invite(message); });
        controles.clear();
        cliquables.clear();
        for (QWidget* c : fenetre->centralWidget()->findChildren<QWidget*>()) {
            if (!c->objectName().isEmpty()) {
                controles[c->objectName()] = c;
                // Not the needle, nor the lists' popups (windows of their own).
                if (!qobject_cast<Rose*>(c) && c->window() == fenetre.get()) {
                    cliquables << c->objectName();
                }
            }
        }
        cliquables.sort();
        // Connected after the window's own handlers: these run once each click has acted.
        for (const QString& nom : Boutons) {
            connect(static_cast<QPushButton*>(w(nom)), &QPushButton::released, this,
                    &TstEndurance::avantUnClic);
        }
        connect(static_cast<QPushButton*>(w("Command1")), &QPushButton::clicked, this,
                &TstEndurance::apresCalcul);
        connect(static_cast<QPushButton*>(w("Cmd")), &QPushButton::clicked, this,
                &TstEndurance::apresLocator);
        connect(static_cast<QPushButton*>(w("CmdEfface")), &QPushButton::clicked, this,
                &TstEndurance::apresEffacement);
        fenetre->show();
    }

private slots:
    void session() {
        const auto graine = qEnvironmentVariableIsSet("VANTREL_ENDURANCE_GRAINE")
                                ? static_cast<std::uint32_t>(
                                      qEnvironmentVariable("VANTREL_ENDURANCE_GRAINE").toULong())
                                : GraineParDefaut;
        const long nombre = qEnvironmentVariableIsSet("VANTREL_ENDURANCE_EVENEMENTS")
                                ? qEnvironmentVariableIntValue("VANTREL_ENDURANCE_EVENEMENTS")
                                : EvenementsParDefaut;
        qInfo("seed %u, %ld events", graine, nombre);
        alea.seed(graine);

        construitFenetre();
        QVERIFY(QTest::qWaitForWindowActive(fenetre.get()));
        QElapsedTimer chrono;
        chrono.start();

        verifieInvariants();
        for (pasCourant = 1; evenements < nombre && faute.isEmpty(); ++pasCourant) {
            pas();
            verifieInvariants();
            if (pasCourant % PasEntreParcours == 0 && faute.isEmpty()) {
                parcoursClavier();
                verifieInvariants();
            }
        }

        qInfo("%d steps, %ld events, %ld checks, %ld prompts, %ld distances, %ld locators, "
              "%ld clears, %lld ms",
              pasCourant - 1, evenements, verifications, invitesVues, calculs, locatorsCalcules,
              effacements, chrono.elapsed());
        if (!faute.isEmpty()) {
            QString rapport = QStringLiteral("seed %1, %2\nlast steps:\n").arg(graine).arg(faute);
            for (const QString& etape : journal) {
                rapport += QStringLiteral("  %1\n").arg(etape);
            }
            rapport += QStringLiteral("window:\n") + etatFenetre();
            QFAIL(qPrintable(rapport));
        }
    }

    void cleanup() { fenetre.reset(); }
};

QTEST_MAIN(TstEndurance)
#include "tst_endurance.moc"
