#include "frmvantrel.h"

#include "apparence.h"
#include "construction.h"
#include "disposition.h"
#include "rose.h"
#include "twips.h"
#include "vantrel/complements.h"
#include "vantrel/controle.h"
#include "vantrel/evenements.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <utility>

namespace vantrel::ui {

namespace {

QString EnQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::size_t Indice(Champ champ) {
    return static_cast<std::size_t>(champ);
}

} // namespace

FrmVantrel::FrmVantrel(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    // A window of fixed size: minimise and close, nothing to maximise.
    setObjectName(QStringLiteral("FrmVantrel"));
    setWindowTitle(QStringLiteral("Vantrel"));
    setFont(Police());
    // The light face the layout's colours were chosen for (blue and black text on it), whatever
    // the desktop's colour scheme: on a dark one they would not read.
    setPalette(PaletteFenetre());

    auto* zoneClient = new QWidget(this);
    zoneClient->setFixedSize(EnPixels(LargeurClient), EnPixels(HauteurClient));
    setCentralWidget(zoneClient);
    const std::vector<QWidget*> widgets = Construit(zoneClient);
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        if (const auto champ = Elements[i].champ) {
            boites_[Indice(*champ)] = qobject_cast<QLineEdit*>(widgets[i]);
            listes_[Indice(*champ)] = qobject_cast<QComboBox*>(widgets[i]);
        }
    }
    cmd_ = static_cast<QPushButton*>(widgets[Rang("Cmd", Bouton)]);
    command1_ = static_cast<QPushButton*>(widgets[Rang("Command1", Bouton)]);
    cmdEfface_ = static_cast<QPushButton*>(widgets[Rang("CmdEfface", Bouton)]);
    image1_ = static_cast<QLabel*>(widgets[Rang("Image1", Image)]);
    rose_ = static_cast<Rose*>(widgets[Rang("Rose", Ligne)]);
    // The icon is the picture the installed one is made of: looking it up in the icon theme
    // instead would cost more than the rest of the start.
    apresPremierePeinture_ = [this, widgets] {
        setWindowIcon(QIcon(QStringLiteral(":/icone.png")));
        AjusteResultatsEtListes(widgets);
    };

    QAction* quitter = menuBar()->addAction(QStringLiteral("&Quitter"), this, &QWidget::close);
    quitter->setObjectName(QStringLiteral("Mnu_Quitter"));
    // Nothing follows a resize: the window keeps the size of its contents.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmd_, &QPushButton::clicked, this, &FrmVantrel::Cmd_Click);
    connect(command1_, &QPushButton::clicked, this, &FrmVantrel::Command1_Click);
    connect(cmdEfface_, &QPushButton::clicked, this, &FrmVantrel::CmdEfface_Click);

    for (std::size_t arret : OrdreClavier()) {
        widgets[arret]->installEventFilter(this);
    }

    RemplaceInvite({});
    Form_Load();
    DecritAzimut({});
    widgets[OrdreClavier().front()]->setFocus();
}

void FrmVantrel::RemplaceInvite(Invite invite) {
    if (invite) {
        invite_ = std::move(invite);
        return;
    }
    invite_ = [this](const QString& texte) {
        QMessageBox boite(QMessageBox::NoIcon, windowTitle(), texte, QMessageBox::Ok, this);
        boite.button(QMessageBox::Ok)->setIcon({}); // the prompt alone, no picture anywhere
        // Wide enough for its title beside what a window manager puts on a title bar (icon,
        // buttons), which Qt leaves out of a message box's size outside Windows.
        constexpr int BarreDeTitre = 160;
        const int largeur = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar"))
                                .horizontalAdvance(windowTitle()) +
                            BarreDeTitre;
        auto* grille = static_cast<QGridLayout*>(boite.layout());
        grille->addItem(new QSpacerItem(largeur, 0), grille->rowCount(), 0, 1,
                        grille->columnCount());
        boite.exec();
    };
}

std::string FrmVantrel::LitChamp(Champ champ) const {
    if (const QComboBox* liste = listes_[Indice(champ)]) {
        return liste->currentText().toStdString();
    }
    return boites_[Indice(champ)]->text().toStdString();
}

void FrmVantrel::EcritChamp(Champ champ, std::string_view texte) {
    const QString nouveau = EnQString(texte);
    if (QComboBox* liste = listes_[Indice(champ)]) {
        liste->setCurrentText(nouveau); // the item of that text, if the list has one
        return;
    }
    QLineEdit* champTexte = boites_[Indice(champ)];
    champTexte->setText(nouveau);
    if (champTexte->isReadOnly()) {
        // A result says itself whole when hovered, a position in the usual notation too (the
        // distance and the azimuth say more: DecritAzimut, once Azimut is written).
        const QString bulle = nouveau.isEmpty() ? nouveau : nouveau + NotationUsuelle(champ);
        champTexte->setToolTip(bulle);
        champTexte->setAccessibleDescription(bulle);
    }
    if (champ == Champ::Azimut) {
        // Every assignment redraws, even of the same text (setText then signals nothing).
        rose_->Azimut_Change(nouveau);
        DecritAzimut(nouveau);
    }
}

void FrmVantrel::AfficheMessage(std::string_view invite) {
    invite_(EnQString(invite));
}

QString FrmVantrel::NotationUsuelle(Champ champ) const {
    // From the position the handlers kept before they wrote its text.
    const auto ligne = [](std::int16_t degres, double minutes, bool latitude) {
        return QStringLiteral("\nsoit ") +
               EnQString(vantrel::NotationUsuelle(degres, minutes, latitude));
    };
    switch (champ) {
    case Champ::MaLati:
        return ligne(etat_.MaLatDeg, etat_.MaLatMin, true);
    case Champ::MaLongi:
        return ligne(etat_.MaLonDeg, etat_.MaLonMin, false);
    case Champ::SaLati:
        return ligne(etat_.SaLatDeg, etat_.SaLatMin, true);
    case Champ::SaLongi:
        return ligne(etat_.SaLonDeg, etat_.SaLonMin, false);
    default:
        return {};
    }
}

void FrmVantrel::DecritAzimut(const QString& azimut) {
    // The result boxes say more to whoever hovers them or reads them aloud.
    const TextesComplements textes = DecritCalcul(etat_.AngleDist, azimut.toStdString());
    image1_->setAccessibleDescription(EnQString(textes.description));
    for (const auto& [champ, texte] :
         {std::pair{Champ::Distance, &textes.distance}, {Champ::Azimut, &textes.azimut}}) {
        boites_[Indice(champ)]->setToolTip(EnQString(*texte));
        boites_[Indice(champ)]->setAccessibleDescription(EnQString(*texte));
    }
}

void FrmVantrel::Form_Load() {
    layout()->activate();
    // The native window, so that the frame around it is known where the system tells it
    // before the window shows (Windows).
    winId();
    Centre();

    QComboBox* elo = listes_[Indice(Champ::Elo)];
    QComboBox* ela = listes_[Indice(Champ::Ela)];
    elo->addItems({QStringLiteral("Est"), QStringLiteral("Ouest")});
    ela->addItems({QStringLiteral("Nord"), QStringLiteral("Sud")});
    elo->setCurrentIndex(-1);
    ela->setCurrentIndex(-1);
}

void FrmVantrel::Centre() {
    // The window as the user sees it, frame and title bar included, centred on its screen.
    const QRect ecran = screen()->geometry();
    cadreCentre_ = frameGeometry().size();
    move(ecran.x() + (ecran.width() - cadreCentre_.width()) / 2,
         ecran.y() + (ecran.height() - cadreCentre_.height()) / 2);
}

void FrmVantrel::Cmd_Click() {
    // Numbers are read as the user writes them, with his locale's decimal separator.
    DemandeLocator(*this, {QLocale::system().decimalPoint().toStdString()});
}

void FrmVantrel::Command1_Click() {
    DemandeDistance(etat_, *this);
}

void FrmVantrel::CmdEfface_Click() {
    EffaceLocators(*this);
}

void FrmVantrel::MonLocator_LostFocus(Qt::FocusReason raison) {
    // Losing the focus means the focus moving to another control of this window; the window
    // losing its activation (a message box, another program) or a menu opening is not one.
    if (raison == Qt::ActiveWindowFocusReason || raison == Qt::PopupFocusReason ||
        raison == Qt::MenuBarFocusReason) {
        return;
    }
    // The control the mouse press is moving the focus to.
    QWidget* cible = QApplication::focusWidget();
    if (QuitteMonLocator(etat_, *this) || raison != Qt::MouseFocusReason ||
        !qobject_cast<QPushButton*>(cible)) {
        return;
    }
    // The press on a button is delivered once this returns, but the prompt's modal box took
    // its release: the filter swallows it, so that no button stays down. C&alcul does nothing
    // more (its distance would start from the refused locator); the other buttons act as
    // clicked. Should the press land on no filtered control, the next turn of the event loop
    // forgets it.
    pressionAIgnorer_ = true;
    QTimer::singleShot(0, this, [this] { pressionAIgnorer_ = false; });
    if (cible != command1_) {
        QTimer::singleShot(0, cible,
                           [bouton = static_cast<QPushButton*>(cible)] { bouton->click(); });
    }
}

bool FrmVantrel::Locator_KeyPress(QObject* champ, QKeyEvent* touche) {
    const QString texte = touche->text();
    if (texte.size() != 1) {
        return false;
    }
    // The keystroke rule changes a to z alone, whose codes are the same in every code page.
    const char16_t code = texte.front().unicode();
    if (code > 0x7F) {
        return false;
    }
    const std::int16_t KeyAscii = MetMajuscule(static_cast<std::int16_t>(code));
    if (KeyAscii == code) {
        return false;
    }
    QKeyEvent remplacee(touche->type(), touche->key(), touche->modifiers(),
                        touche->nativeScanCode(), touche->nativeVirtualKey(),
                        touche->nativeModifiers(), QString(QChar(KeyAscii)), touche->isAutoRepeat(),
                        touche->count());
    QCoreApplication::sendEvent(champ, &remplacee);
    touche->setAccepted(remplacee.isAccepted());
    return true;
}

bool FrmVantrel::event(QEvent* evenement) {
    const bool traite = QMainWindow::event(evenement);
    if (evenement->type() == QEvent::Paint && apresPremierePeinture_) {
        // An X11 window manager frames the window as it shows it: by its first paint the frame
        // is known, and the window is centred again with it, once.
        if (cadreCentre_ == size() && frameGeometry().size() != cadreCentre_) {
            Centre();
        }
        QTimer::singleShot(0, this, std::exchange(apresPremierePeinture_, {}));
    }
    return traite;
}

bool FrmVantrel::eventFilter(QObject* objet, QEvent* evenement) {
    QLineEdit* const monLocator = boites_[Indice(Champ::MonLocator)];
    const bool champLocator = objet == monLocator || objet == boites_[Indice(Champ::SonLocator)];
    switch (evenement->type()) {
    case QEvent::KeyPress:
        if (champLocator) {
            return Locator_KeyPress(objet, static_cast<QKeyEvent*>(evenement));
        }
        break;
    case QEvent::FocusOut:
        if (objet == monLocator) {
            MonLocator_LostFocus(static_cast<QFocusEvent*>(evenement)->reason());
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (pressionAIgnorer_) {
            pressionAIgnorer_ = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(objet, evenement);
}

} // namespace vantrel::ui
