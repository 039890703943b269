#include "frmvantrel.h"

#include "disposition.h"
#include "rose.h"
#include "vantrel/complements.h"
#include "vantrel/controle.h"
#include "vantrel/evenements.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
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

// The widget name of each field, in the order of Champ.
constexpr std::array<std::string_view, NombreChampsFenetre> NomsChamps = {
    "MonLocator", "SonLocator", "MaLati", "MaLongi", "SaLati",     "SaLongi",
    "Distance",   "Azimut",     "Dlo",    "Mlo",     "Slo",        "Elo",
    "Dla",        "Mla",        "Sla",    "Ela",     "TxtLocator",
};

} // namespace

FrmVantrel::FrmVantrel(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    // A window of fixed size: minimise and close, nothing to maximise.
    setObjectName(QStringLiteral("FrmVantrel"));
    setWindowTitle(QStringLiteral("Vantrel"));
    setFont(Police());

    auto* zoneClient = new QWidget(this);
    zoneClient->setFixedSize(EnPixels(LargeurClient), EnPixels(HauteurClient));
    setCentralWidget(zoneClient);
    const std::vector<QWidget*> widgets = Construit(zoneClient);
    const auto widget = [&widgets](std::string_view nom) { return widgets[IndexElement(nom)]; };
    for (std::size_t i = 0; i < NomsChamps.size(); ++i) {
        boites_[i] = qobject_cast<QLineEdit*>(widget(NomsChamps[i]));
    }
    elo_ = qobject_cast<QComboBox*>(widget("Elo"));
    ela_ = qobject_cast<QComboBox*>(widget("Ela"));
    cmd_ = qobject_cast<QPushButton*>(widget("Cmd"));
    command1_ = qobject_cast<QPushButton*>(widget("Command1"));
    cmdEfface_ = qobject_cast<QPushButton*>(widget("CmdEfface"));
    image1_ = qobject_cast<QLabel*>(widget("Image1"));
    rose_ = qobject_cast<Rose*>(widget("Rose"));
    // The icon is the picture the installed one is made of: looking it up in the icon theme
    // instead would cost more than the rest of the start.
    apresPremierePeinture_ = [this, widgets] {
        setWindowIcon(QIcon(QStringLiteral(":/icone.png")));
        AjusteResultats(widgets);
    };

    QAction* quitter = menuBar()->addAction(QStringLiteral("&Quitter"), this, &QWidget::close);
    quitter->setObjectName(QStringLiteral("Mnu_Quitter"));
    // Nothing follows a resize: the window keeps the size of its contents.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmd_, &QPushButton::clicked, this, &FrmVantrel::Cmd_Click);
    connect(command1_, &QPushButton::clicked, this, &FrmVantrel::Command1_Click);
    connect(cmdEfface_, &QPushButton::clicked, this, &FrmVantrel::CmdEfface_Click);

    for (const Element* arret : OrdreClavier()) {
        widget(arret->nom)->installEventFilter(this);
    }

    RemplaceInvite({});
    Form_Load();
    DecritAzimut({});
    widget(OrdreClavier().front()->nom)->setFocus();
}

void FrmVantrel::RemplaceInvite(Invite invite) {
    if (invite) {
        invite_ = std::move(invite);
        return;
    }
    invite_ = [this](const QString& texte) {
        QMessageBox boite(QMessageBox::NoIcon, windowTitle(), texte, QMessageBox::Ok, this);
        boite.button(QMessageBox::Ok)->setIcon({}); // the prompt alone, no picture anywhere
        boite.exec();
    };
}

std::string FrmVantrel::LitChamp(Champ champ) const {
    switch (champ) {
    case Champ::Elo:
        return elo_->currentText().toStdString();
    case Champ::Ela:
        return ela_->currentText().toStdString();
    default:
        return boite(champ)->text().toStdString();
    }
}

void FrmVantrel::EcritChamp(Champ champ, std::string_view texte) {
    const QString nouveau = EnQString(texte);
    QLineEdit* champTexte = boite(champ);
    champTexte->setText(nouveau);
    // A narrow box shows the start of its text, not its end.
    champTexte->setCursorPosition(0);
    if (champTexte->isReadOnly() && champ != Champ::Distance && champ != Champ::Azimut) {
        champTexte->setToolTip(nouveau); // a result says itself whole when hovered
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

void FrmVantrel::DecritAzimut(const QString& azimut) {
    // The result boxes say more to whoever hovers them or reads them aloud.
    const TextesComplements textes = DecritCalcul(etat_.AngleDist, azimut.toStdString());
    image1_->setAccessibleDescription(EnQString(textes.description));
    for (const auto& [champ, texte] :
         {std::pair{Champ::Distance, &textes.distance}, {Champ::Azimut, &textes.azimut}}) {
        boite(champ)->setToolTip(EnQString(*texte));
        boite(champ)->setAccessibleDescription(EnQString(*texte));
    }
}

void FrmVantrel::Form_Load() {
    layout()->activate();
    const QRect ecran = screen()->geometry();
    move(ecran.x() + (ecran.width() - width()) / 2, ecran.y() + (ecran.height() - height()) / 2);

    elo_->addItems({QStringLiteral("Est"), QStringLiteral("Ouest")});
    ela_->addItems({QStringLiteral("Nord"), QStringLiteral("Sud")});
    elo_->setCurrentIndex(-1);
    ela_->setCurrentIndex(-1);
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
        QTimer::singleShot(0, this, std::exchange(apresPremierePeinture_, {}));
    }
    return traite;
}

bool FrmVantrel::eventFilter(QObject* objet, QEvent* evenement) {
    const bool champLocator =
        objet == boite(Champ::MonLocator) || objet == boite(Champ::SonLocator);
    switch (evenement->type()) {
    case QEvent::KeyPress:
        if (champLocator) {
            return Locator_KeyPress(objet, static_cast<QKeyEvent*>(evenement));
        }
        break;
    case QEvent::FocusOut:
        if (objet == boite(Champ::MonLocator)) {
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
