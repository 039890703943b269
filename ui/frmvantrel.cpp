#include "frmvantrel.h"

#include "disposition.h"
#include "rose.h"
#include "vantrel/complements.h"
#include "vantrel/controle.h"
#include "vantrel/coordonnees.h"
#include "vantrel/evenements.h"
#include "vantrel/texte.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

// The pictures are compiled into this library; a static library must register them itself.
static void ChargeImages() {
    Q_INIT_RESOURCE(vantrel);
}

namespace vantrel::ui {

namespace {

QString EnQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

FrmVantrel::FrmVantrel(QWidget* parent) : QMainWindow(parent) {
    ChargeImages();
    setObjectName(QStringLiteral("FrmVantrel"));
    setWindowTitle(QStringLiteral("Vantrel"));
    setFont(Police());

    auto* zoneClient = new QWidget(this);
    zoneClient->setFixedSize(EnPixels(LargeurClient), EnPixels(HauteurClient));
    setCentralWidget(zoneClient);
    Construit(zoneClient);
    rose_ = findChild<Rose*>(QStringLiteral("Rose"));

    QAction* quitter = menuBar()->addAction(QStringLiteral("&Quitter"), this, &QWidget::close);
    quitter->setObjectName(QStringLiteral("Mnu_Quitter"));
    // Nothing follows a resize: the window keeps the size of its contents.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(Widget<QPushButton>("Cmd"), &QPushButton::clicked, this, &FrmVantrel::Cmd_Click);
    connect(Widget<QPushButton>("Command1"), &QPushButton::clicked, this,
            &FrmVantrel::Command1_Click);
    connect(Widget<QPushButton>("CmdEfface"), &QPushButton::clicked, this,
            &FrmVantrel::CmdEfface_Click);

    for (const Controle* arret : OrdreClavier()) {
        Widget<QWidget>(arret->nom)->installEventFilter(this);
    }

    RemplaceInvite({});
    Form_Load();
    DecritAzimut({});
    Widget<QWidget>(OrdreClavier().front()->nom)->setFocus();
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

template <class T> T* FrmVantrel::Widget(const char* nom) const {
    return findChild<T*>(QString::fromUtf8(nom));
}

QWidget* FrmVantrel::Widget(Champ champ) const {
    return findChild<QWidget*>(EnQString(NomChamp(champ)));
}

std::string FrmVantrel::LitChamp(Champ champ) const {
    QWidget* w = Widget(champ);
    if (auto* champTexte = qobject_cast<QLineEdit*>(w)) {
        return champTexte->text().toStdString();
    }
    if (auto* liste = qobject_cast<QComboBox*>(w)) {
        return liste->currentText().toStdString();
    }
    return {};
}

void FrmVantrel::EcritChamp(Champ champ, std::string_view texte) {
    const QString nouveau = EnQString(texte);
    QWidget* w = Widget(champ);
    if (auto* liste = qobject_cast<QComboBox*>(w)) {
        liste->setCurrentIndex(liste->findText(nouveau));
        return;
    }
    auto* champTexte = qobject_cast<QLineEdit*>(w);
    champTexte->setText(nouveau);
    // A narrow box shows the start of its text, not its end.
    champTexte->setCursorPosition(0);
    if (champ == Champ::Azimut) {
        // Every assignment redraws, even of the same text (setText then signals nothing).
        rose_->Azimut_Change(nouveau);
        DecritAzimut(nouveau);
    }
}

void FrmVantrel::AfficheMessage(std::string_view invite) {
    ++nombreInvites_;
    invite_(EnQString(invite));
}

void FrmVantrel::DecritAzimut(const QString& azimut) {
    auto* cadran = Widget<QLabel>("Image1");
    const auto textes = DecritCalcul(etat_, azimut.toStdString());
    // The result boxes say more to whoever hovers them or reads them aloud.
    const auto complete = [](QWidget* boite, const QString& texte) {
        boite->setToolTip(texte);
        boite->setAccessibleDescription(texte);
    };
    if (textes) {
        cadran->setAccessibleDescription(EnQString(textes->description));
        complete(Widget(Champ::Distance), EnQString(textes->distance));
        complete(Widget(Champ::Azimut), EnQString(textes->azimut));
        return;
    }
    cadran->setAccessibleDescription(
        QStringLiteral("Aiguille à %1 degrés").arg(ValeurTexte(azimut)));
    complete(Widget(Champ::Distance), {});
    complete(Widget(Champ::Azimut), {});
}

void FrmVantrel::Form_Load() {
    layout()->activate();
    const QRect ecran = screen()->geometry();
    move(ecran.x() + (ecran.width() - width()) / 2, ecran.y() + (ecran.height() - height()) / 2);

    Widget<QComboBox>("Elo")->addItems({QStringLiteral("Est"), QStringLiteral("Ouest")});
    Widget<QComboBox>("Ela")->addItems({QStringLiteral("Nord"), QStringLiteral("Sud")});
    for (const char* nom : {"Elo", "Ela"}) {
        Widget<QComboBox>(nom)->setCurrentIndex(-1);
    }
}

void FrmVantrel::Cmd_Click() {
    // The user's locale is looked up at the first use, not while the window opens.
    if (!langue_) {
        langue_ = LocaleUtilisateur();
    }
    DemandeLocator(*this, *langue_);
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
    const int avant = nombreInvites_;
    QuitteMonLocator(etat_, *this);
    if (raison == Qt::MouseFocusReason && nombreInvites_ != avant) {
        // The press is delivered once this returns: let the filter swallow it. Should it land
        // on no filtered control, the next turn of the event loop forgets it.
        pressionAIgnorer_ = true;
        QTimer::singleShot(0, this, [this] { pressionAIgnorer_ = false; });
    }
}

bool FrmVantrel::Locator_KeyPress(QObject* champ, QKeyEvent* touche) {
    const std::u32string texte = touche->text().toStdU32String();
    if (texte.size() != 1) {
        return false;
    }
    const unsigned char code = CodeAnsi(texte.front());
    if (code == CodeInconnu && texte.front() != U'?') {
        return false; // not in the code page: typed as it is
    }
    const std::int16_t KeyAscii = MetMajuscule(code);
    if (KeyAscii == code) {
        return false;
    }
    const char32_t remplacant = CaractereAnsi(static_cast<unsigned char>(KeyAscii));
    QKeyEvent remplacee(touche->type(), touche->key(), touche->modifiers(),
                        touche->nativeScanCode(), touche->nativeVirtualKey(),
                        touche->nativeModifiers(), QString::fromUcs4(&remplacant, 1),
                        touche->isAutoRepeat(), touche->count());
    QCoreApplication::sendEvent(champ, &remplacee);
    touche->setAccepted(remplacee.isAccepted());
    return true;
}

bool FrmVantrel::eventFilter(QObject* objet, QEvent* evenement) {
    const QString nom = objet->objectName();
    const bool champLocator = nom == u"MonLocator" || nom == u"SonLocator";
    switch (evenement->type()) {
    case QEvent::KeyPress:
        if (champLocator) {
            return Locator_KeyPress(objet, static_cast<QKeyEvent*>(evenement));
        }
        break;
    case QEvent::FocusOut:
        if (nom == u"MonLocator") {
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
