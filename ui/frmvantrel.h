// The one window: builds the layout, hands the user's actions to the handlers of the locator
// arithmetic and shows what they write.
#pragma once

#include "construction.h"
#include "vantrel/champs.h"
#include "vantrel/etat_calcul.h"

#include <QMainWindow>
#include <functional>

class QKeyEvent;

namespace vantrel::ui {

class FrmVantrel : public QMainWindow, public InterfaceChamps {
    Q_OBJECT

public:
    /// Shows one prompt; the default is a modal message box.
    using Invite = std::function<void(const QString& invite)>;

    explicit FrmVantrel(QWidget* parent = nullptr);

    /// Sends the prompts elsewhere (the tests record them instead of blocking).
    void RemplaceInvite(Invite invite);

    std::string LitChamp(Champ champ) const override;
    void EcritChamp(Champ champ, std::string_view texte) override;
    void AfficheMessage(std::string_view invite) override;

protected:
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Form_Load();
    void Cmd_Click();
    void Command1_Click();
    void CmdEfface_Click();
    void MonLocator_LostFocus(Qt::FocusReason raison);
    bool Locator_KeyPress(QObject* champ, QKeyEvent* touche);
    QLineEdit* Boite(Champ champ) const;
    QComboBox* Liste(Champ champ) const;
    void DecritResultats();
    void Centre();
    void SuitLeCadre(bool deplacee);

    Controles ui_;
    EtatCalcul etat_;
    Invite invite_;

    // The frame's size when the window was last centred, and the place asked for then. An X11
    // window manager frames the window once it is shown: each time the frame changes size the
    // window is centred again, until the user moves it himself.
    QSize cadreCentre_;
    QPoint placeDemandee_;
    bool suitLeCadre_ = true;

    // The mouse press that moved the focus out of MonLocator was answered by a rejection
    // prompt: it must not go on to act on the control it landed on.
    bool pressionAIgnorer_ = false;
};

} // namespace vantrel::ui
