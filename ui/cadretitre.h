// A frame as the layout draws it: a one-pixel rectangle with its caption set into the top edge.
#pragma once

#include <QColor>
#include <QGroupBox>

namespace vantrel::ui {

/// A group box painted by hand, the same under every style, with its caption in its own colour
/// (the palette would colour the frame's children as well; a style sheet would restyle them).
class CadreTitre : public QGroupBox {
    Q_OBJECT

public:
    /// An invalid colour draws the caption in the palette's text colour.
    CadreTitre(const QString& titre, QColor couleurTitre, QWidget* parent);

    /// Where the border runs: half the caption's height below the top.
    int hautBordure() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor couleurTitre_;
};

} // namespace vantrel::ui
