// The one window: builds the layout, hands the user's actions to the handlers of the locator
// arithmetic and shows what they write.
#pragma once

#include "vantrel/champs.h"
#include "vantrel/etat_calcul.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QComboBox;
class QKeyEvent;
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
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Form_Load();
    void Cmd_Click();
    void Command1_Click();
    void CmdEfface_Click();
    void MonLocator_LostFocus(Qt::FocusReason raison);
    bool Locator_KeyPress(QObject* champ, QKeyEvent* touche);
    void DecritAzimut(const QString& azimut);
    QString NotationUsuelle(Champ champ) const;
    void Centre();

    EtatCalcul etat_;
    Invite invite_;

    // The fields by Champ: a text box or a list, the other null.
    std::array<QLineEdit*, NombreChampsFenetre> boites_{};
    std::array<QComboBox*, NombreChampsFenetre> listes_{};
    QPushButton* cmd_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* cmdEfface_ = nullptr;
    QLabel* image1_ = nullptr;
    Rose* rose_ = nullptr;

    // What waits until the window is first drawn, since none of it shows before: the window's
    // icon (the dial's face) and the faces of the result boxes and the lists. Empty once done.
    std::function<void()> apresPremierePeinture_;

    // The size of the frame the window was last centred with: where the system tells the frame
    // only once the window is shown (an X11 window manager), it is centred again then.
    QSize cadreCentre_;

    // The mouse press that moved the focus out of MonLocator was answered by a rejection
    // prompt: it must not go on to act on the control it landed on.
    bool pressionAIgnorer_ = false;
};

} // namespace vantrel::ui
