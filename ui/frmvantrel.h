// The one window: builds the layout, hands the user's actions to the locator arithmetic and
// shows what it writes.
#pragma once

#include "vantrel/champs.h"
#include "vantrel/etat_calcul.h"

#include <QMainWindow>
#include <functional>
#include <locale>
#include <optional>

class QKeyEvent;
class QLineEdit;

namespace vantrel::ui {

class Rose;

class FrmVantrel : public QMainWindow, public InterfaceChamps {
    Q_OBJECT

public:
    /// Shows one prompt; the default is a modal message box.
    using Invite = std::function<void(const QString& invite)>;

    explicit FrmVantrel(QWidget* parent = nullptr);

    /// Sends the prompts elsewhere (the tests record them instead of blocking).
    void RemplaceInvite(Invite invite);

    const EtatCalcul& etat() const { return etat_; }

    std::string LitChamp(Champ champ) const override;
    void EcritChamp(Champ champ, std::string_view texte) override;
    void AfficheMessage(std::string_view invite) override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Form_Load();
    void Cmd_Click();
    void Command1_Click();
    void CmdEfface_Click();
    void MonLocator_LostFocus(Qt::FocusReason raison);
    bool Locator_KeyPress(QObject* champ, QKeyEvent* touche);
    void DecritAzimut(const QString& azimut);

    template <class T> T* Widget(const char* nom) const;
    QWidget* Widget(Champ champ) const;

    EtatCalcul etat_;
    std::optional<std::locale> langue_; // the user's, for reading numbers
    Invite invite_;
    Rose* rose_ = nullptr;
    int nombreInvites_ = 0;
    // The mouse press that moved the focus out of MonLocator was answered by a rejection
    // prompt: it must not go on to act on the control it landed on.
    bool pressionAIgnorer_ = false;
};

} // namespace vantrel::ui
