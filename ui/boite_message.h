// The window's prompt: its text alone, one OK button, no picture anywhere.
#pragma once

#include <QMessageBox>

namespace vantrel::ui {

/// A modal message box as wide as its title needs on a window manager's title bar. Qt sizes a
/// message box to its contents, leaving out the bar's icon and buttons beside the title.
class BoiteMessage : public QMessageBox {
    Q_OBJECT

public:
    BoiteMessage(const QString& titre, const QString& texte, QWidget* parent);

protected:
    void showEvent(QShowEvent* evenement) override;
    bool event(QEvent* evenement) override;

private:
    void Elargit();
};

} // namespace vantrel::ui
