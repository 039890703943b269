#include "frmvantrel.h"

#include "apparence.h"
#include "disposition.h"
#include "rose.h"
#include "vantrel/complements.h"
#include "vantrel/controle.h"
#include "vantrel/evenements.h"
#include "vantrel/hemispheres.h"
#include "zone_client.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontDatabase>
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
#include <QStyle>
#include <QTimer>
#include <QWindow>

namespace vantrel::ui {

namespace {

QString EnQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A prompt: the text alone, one OK button, no picture anywhere. Qt sizes a message box to its
// contents; this one is widened to what its title needs on a window manager's title bar, beside
// the icon and the buttons there, which Qt leaves out.
class BoiteMessage : public QMessageBox {
public:
    BoiteMessage(const QString& titre, const QString& texte, QWidget* parent)
        : QMessageBox(QMessageBox::NoIcon, titre, texte, QMessageBox::Ok, parent) {
        button(QMessageBox::Ok)->setIcon({});
    }

protected:
    // Qt sizes the box when it is shown and again at each layout request: widened after it.
    void showEvent(QShowEvent* evenement) override {
        QMessageBox::showEvent(evenement);
        Elargit();
    }
    bool event(QEvent* evenement) override {
        const bool traite = QMessageBox::event(evenement);
        if (evenement->type() == QEvent::LayoutRequest) {
            Elargit();
        }
        return traite;
    }

private:
    void Elargit() {
        // The bar's icon, minimise, maximise and close buttons, each about as wide as the bar is
        // high, and as much again for the space the bar keeps around its title.
        constexpr int CasesDeLaBarre = 5;
        const int largeur =
            QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont))
                .horizontalAdvance(windowTitle()) +
            CasesDeLaBarre * style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        if (width() < largeur) {
            setFixedWidth(largeur);
            // The request that asks, which would size it back.
            QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
        }
    }
};

} // namespace

FrmVantrel::FrmVantrel(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
    // A window of fixed size: minimise and close, nothing to maximise.
    setObjectName(QStringLiteral("FrmVantrel"));
    setWindowTitle(QStringLiteral("Vantrel"));
    // The picture the installed icon is made of: looking it up in the icon theme instead would
    // cost more than the rest of the start.
    setWindowIcon(QIcon(QStringLiteral(":/icone.png")));
    setFont(Police());
    // The light face the layout's colours were chosen for (blue and black text on it), whatever
    // the desktop's colour scheme: on a dark one they would not read.
    setPalette(PaletteFenetre());

    auto* zoneClient = new QWidget(this);
    zoneClient->setFixedSize(TailleClient());
    setCentralWidget(zoneClient);
    const std::vector<QWidget*> widgets = Construit(zoneClient);
    ui_ = ControlesDe(widgets);

    QAction* quitter = menuBar()->addAction(QStringLiteral("&Quitter"), this, &QWidget::close);
    quitter->setObjectName(QStringLiteral("Mnu_Quitter"));
    // Nothing follows a resize: the window keeps the size of its contents.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(ui_.cmd, &QPushButton::clicked, this, &FrmVantrel::Cmd_Click);
    connect(ui_.command1, &QPushButton::clicked, this, &FrmVantrel::Command1_Click);
    connect(ui_.cmdEfface, &QPushButton::clicked, this, &FrmVantrel::CmdEfface_Click);

    for (std::size_t arret : OrdreClavier()) {
        widgets[arret]->installEventFilter(this);
    }

    RemplaceInvite({});
    Form_Load();
    AjusteResultatsEtListes(widgets);
    DecritResultats();
    widgets[OrdreClavier().front()]->setFocus();
}

void FrmVantrel::RemplaceInvite(Invite invite) {
    if (invite) {
        invite_ = std::move(invite);
        return;
    }
    invite_ = [this](const QString& texte) { BoiteMessage(windowTitle(), texte, this).exec(); };
}

QLineEdit* FrmVantrel::Boite(Champ champ) const {
    switch (champ) {
    case Champ::MonLocator:
        return ui_.monLocator;
    case Champ::SonLocator:
        return ui_.sonLocator;
    case Champ::MaLati:
        return ui_.maLati;
    case Champ::MaLongi:
        return ui_.maLongi;
    case Champ::SaLati:
        return ui_.saLati;
    case Champ::SaLongi:
        return ui_.saLongi;
    case Champ::Distance:
        return ui_.distance;
    case Champ::Azimut:
        return ui_.azimut;
    case Champ::Dlo:
        return ui_.dlo;
    case Champ::Mlo:
        return ui_.mlo;
    case Champ::Slo:
        return ui_.slo;
    case Champ::Dla:
        return ui_.dla;
    case Champ::Mla:
        return ui_.mla;
    case Champ::Sla:
        return ui_.sla;
    case Champ::TxtLocator:
        return ui_.txtLocator;
    case Champ::Elo:
    case Champ::Ela:
        break;
    }
    return nullptr;
}

QComboBox* FrmVantrel::Liste(Champ champ) const {
    return champ == Champ::Elo ? ui_.elo : champ == Champ::Ela ? ui_.ela : nullptr;
}

std::string FrmVantrel::LitChamp(Champ champ) const {
    if (const QComboBox* liste = Liste(champ)) {
        return liste->currentText().toStdString();
    }
    return Boite(champ)->text().toStdString();
}

void FrmVantrel::EcritChamp(Champ champ, std::string_view texte) {
    const QString nouveau = EnQString(texte);
    if (QComboBox* liste = Liste(champ)) {
        liste->setCurrentText(nouveau); // the item of that text, if the list has one
        return;
    }
    Boite(champ)->setText(nouveau);
    if (champ == Champ::Azimut) {
        // Every assignment redraws, even of the same text (setText then signals nothing).
        ui_.rose->Azimut_Change(nouveau);
    }
}

void FrmVantrel::AfficheMessage(std::string_view invite) {
    invite_(EnQString(invite));
}

void FrmVantrel::DecritResultats() {
    // Once a handler is done, each result says itself whole to whoever hovers it or reads it
    // aloud: a position in the usual notation too, the distance and the azimuth what their path
    // also tells.
    const auto position = [](const QLineEdit* boite, std::int16_t degres, double minutes,
                             bool latitude) {
        return boite->text().isEmpty() ? QString()
                                       : boite->text() + QStringLiteral("\nsoit ") +
                                             EnQString(NotationUsuelle(degres, minutes, latitude));
    };
    const Calcul& calcul = etat_.calcul;
    const TextesComplements textes =
        DecritCalcul(ui_.azimut->text().isEmpty() ? std::nullopt : std::optional(calcul.chemin));
    const std::pair<QLineEdit*, QString> bulles[] = {
        {ui_.maLati, position(ui_.maLati, etat_.MaLatDeg, etat_.MaLatMin, true)},
        {ui_.maLongi, position(ui_.maLongi, etat_.MaLonDeg, etat_.MaLonMin, false)},
        {ui_.saLati, position(ui_.saLati, calcul.SaLatDeg, calcul.SaLatMin, true)},
        {ui_.saLongi, position(ui_.saLongi, calcul.SaLonDeg, calcul.SaLonMin, false)},
        {ui_.distance, EnQString(textes.distance)},
        {ui_.azimut, EnQString(textes.azimut)},
        {ui_.txtLocator, ui_.txtLocator->text()},
    };
    for (const auto& [boite, bulle] : bulles) {
        boite->setToolTip(bulle);
        boite->setAccessibleDescription(bulle);
    }
    ui_.image1->setAccessibleDescription(EnQString(textes.description));
}

void FrmVantrel::Form_Load() {
    layout()->activate();
    // The native window, so that the frame around it is known where the system tells it
    // before the window shows (Windows).
    winId();
    Centre();

    for (std::string_view mot : hemisphere::Longitude) {
        ui_.elo->addItem(EnQString(mot));
    }
    for (std::string_view mot : hemisphere::Latitude) {
        ui_.ela->addItem(EnQString(mot));
    }
    ui_.elo->setCurrentIndex(-1);
    ui_.ela->setCurrentIndex(-1);
}

void FrmVantrel::Centre() {
    // The window as the user sees it, frame and title bar included, centred on its screen: the
    // frame as the native window last heard of it from the system. Once shown, the native
    // window is placed itself, from that same frame (the widget's own idea of its frame can
    // lag behind).
    QWindow* fenetre = windowHandle();
    QRect cadre = fenetre->frameGeometry();
    cadre.moveCenter(screen()->geometry().center());
    cadreCentre_ = cadre.size();
    placeDemandee_ = cadre.topLeft();
    if (isVisible()) {
        const QMargins bords = fenetre->frameMargins();
        fenetre->setPosition(cadre.topLeft() + QPoint(bords.left(), bords.top()));
    } else {
        move(cadre.topLeft());
    }
}

void FrmVantrel::SuitLeCadre(bool deplacee) {
    if (!suitLeCadre_ || !isVisible()) {
        return;
    }
    const QRect cadre = windowHandle()->frameGeometry();
    if (cadre.size() != cadreCentre_) {
        Centre();
    } else if (deplacee && cadre.topLeft() != placeDemandee_) {
        suitLeCadre_ = false; // moved by the user: his place from now on
    }
}

void FrmVantrel::Cmd_Click() {
    // Numbers are read as the user writes them, with his locale's decimal separator.
    DemandeLocator(*this, {QLocale::system().decimalPoint().toStdString()});
    DecritResultats();
}

void FrmVantrel::Command1_Click() {
    DemandeDistance(etat_, *this);
    DecritResultats();
}

void FrmVantrel::CmdEfface_Click() {
    EffaceLocators(*this);
    DecritResultats();
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
    const bool accepte = QuitteMonLocator(etat_, *this);
    DecritResultats();
    if (accepte || raison != Qt::MouseFocusReason || !qobject_cast<QPushButton*>(cible)) {
        return;
    }
    // The press on a button is delivered once this returns, but the prompt's modal box took
    // its release: the filter swallows it, so that no button stays down. C&alcul does nothing
    // more (its distance would start from the refused locator); the other buttons act as
    // clicked. Should the press land on no filtered control, the next turn of the event loop
    // forgets it.
    pressionAIgnorer_ = true;
    QTimer::singleShot(0, this, [this] { pressionAIgnorer_ = false; });
    if (cible != ui_.command1) {
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
    switch (evenement->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
    case QEvent::Paint:
        SuitLeCadre(evenement->type() == QEvent::Move);
        break;
    default:
        break;
    }
    return traite;
}

bool FrmVantrel::eventFilter(QObject* objet, QEvent* evenement) {
    const bool champLocator = objet == ui_.monLocator || objet == ui_.sonLocator;
    switch (evenement->type()) {
    case QEvent::KeyPress:
        if (champLocator) {
            return Locator_KeyPress(objet, static_cast<QKeyEvent*>(evenement));
        }
        break;
    case QEvent::FocusOut:
        if (objet == ui_.monLocator) {
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
