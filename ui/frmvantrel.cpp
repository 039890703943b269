#include "frmvantrel.h"

#include "apparence.h"
#include "boite_message.h"
#include "centrage.h"
#include "construction.h"
#include "disposition.h"
#include "rose.h"
#include "vantrel/complements.h"
#include "vantrel/controle.h"
#include "vantrel/evenements.h"
#include "vantrel/hemispheres.h"
#include "vantrel/valeur.h"
#include "zone_client.h"

#include <QApplication>
#include <QFocusEvent>
#include <QIcon>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QTimer>

namespace vantrel::ui {

namespace {

QString EnQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

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
    widgets_ = Construit(zoneClient);
    cmd_ = Controle<Rang("Cmd", Bouton)>(widgets_);
    command1_ = Controle<Rang("Command1", Bouton)>(widgets_);
    cmdEfface_ = Controle<Rang("CmdEfface", Bouton)>(widgets_);
    image1_ = Controle<Rang("Image1", Image)>(widgets_);
    rose_ = Controle<Rang("Rose", Ligne)>(widgets_);

    QAction* quitter = menuBar()->addAction(QStringLiteral("&Quitter"), this, &QWidget::close);
    quitter->setObjectName(QStringLiteral("Mnu_Quitter"));
    // Nothing follows a resize: the window keeps the size of its contents.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmd_, &QPushButton::clicked, this, &FrmVantrel::Cmd_Click);
    connect(command1_, &QPushButton::clicked, this, &FrmVantrel::Command1_Click);
    connect(cmdEfface_, &QPushButton::clicked, this, &FrmVantrel::CmdEfface_Click);

    for (std::size_t arret : OrdreClavier()) {
        widgets_[arret]->installEventFilter(this);
    }

    RemplaceInvite({});
    Form_Load();
    AjusteResultatsEtListes(widgets_);
    DecritResultats();
    widgets_[OrdreClavier().front()]->setFocus();
}

void FrmVantrel::RemplaceInvite(Invite invite) {
    if (invite) {
        invite_ = std::move(invite);
        return;
    }
    invite_ = [this](const QString& texte) { BoiteMessage(windowTitle(), texte, this).exec(); };
}

QLineEdit* FrmVantrel::Boite(Champ champ) const {
    const std::size_t rang = RangsDesChamps[static_cast<std::size_t>(champ)];
    return Elements[rang].genre == Genre::Texte ? static_cast<QLineEdit*>(widgets_[rang]) : nullptr;
}

QComboBox* FrmVantrel::Liste(Champ champ) const {
    const std::size_t rang = RangsDesChamps[static_cast<std::size_t>(champ)];
    return Elements[rang].genre == Genre::Liste ? static_cast<QComboBox*>(widgets_[rang]) : nullptr;
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
        rose_->setAzimut(ValeurTexte(texte));
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
    const Calcul calcul = etat_.calcul.value_or(Calcul{});
    const TextesComplements textes =
        DecritCalcul(etat_.calcul ? std::optional(calcul.chemin) : std::nullopt);
    const std::pair<QLineEdit*, QString> bulles[] = {
        {Boite(Champ::MaLati),
         position(Boite(Champ::MaLati), etat_.MaLatDeg, etat_.MaLatMin, true)},
        {Boite(Champ::MaLongi),
         position(Boite(Champ::MaLongi), etat_.MaLonDeg, etat_.MaLonMin, false)},
        {Boite(Champ::SaLati),
         position(Boite(Champ::SaLati), calcul.SaLatDeg, calcul.SaLatMin, true)},
        {Boite(Champ::SaLongi),
         position(Boite(Champ::SaLongi), calcul.SaLonDeg, calcul.SaLonMin, false)},
        {Boite(Champ::Distance), EnQString(textes.distance)},
        {Boite(Champ::Azimut), EnQString(textes.azimut)},
        {Boite(Champ::TxtLocator), Boite(Champ::TxtLocator)->text()},
    };
    for (const auto& [boite, bulle] : bulles) {
        boite->setToolTip(bulle);
        boite->setAccessibleDescription(bulle);
    }
    image1_->setAccessibleDescription(EnQString(textes.description));
}

void FrmVantrel::Form_Load() {
    layout()->activate();
    // The native window, so that the frame around it is known where the system tells it
    // before the window shows (Windows).
    winId();
    new Centrage(this);

    for (const auto& [champ, mots] : {std::pair{Champ::Elo, hemisphere::Longitude},
                                      std::pair{Champ::Ela, hemisphere::Latitude}}) {
        for (std::string_view mot : mots) {
            Liste(champ)->addItem(EnQString(mot));
        }
        Liste(champ)->setCurrentIndex(-1);
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
    EffaceLocators(etat_, *this);
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
    if (cible != command1_) {
        QTimer::singleShot(0, cible,
                           [bouton = static_cast<QPushButton*>(cible)] { bouton->click(); });
    }
}

bool FrmVantrel::eventFilter(QObject* objet, QEvent* evenement) {
    switch (evenement->type()) {
    case QEvent::FocusOut:
        if (objet == Boite(Champ::MonLocator)) {
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
