// The one window: builds the layout, hands the user's actions to the handlers of the locator
// arithmetic and shows what they write.
#pragma once

#include "vantrel/champs.h"
#include "vantrel/etat_calcul.h"

#include <QMainWindow>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

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
    QLineEdit* Boite(Champ champ) const;
    QComboBox* Liste(Champ champ) const;
    void DecritResultats();

    // The layout's widgets, row by row; the program's fields among them are found by their
    // rows, the buttons and pictures the handlers use are these.
    std::vector<QWidget*> widgets_;
    QPushButton* cmd_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* cmdEfface_ = nullptr;
    QLabel* image1_ = nullptr;
    Rose* rose_ = nullptr;

    EtatCalcul etat_;
    Invite invite_;

    // The mouse press that moved the focus out of MonLocator was answered by a rejection
    // prompt: it must not go on to act on the control it landed on.
    bool pressionAIgnorer_ = false;
};

} // namespace vantrel::ui
