// A frame as the layout draws it: a one-pixel rectangle with its caption set into the top edge.
#pragma once

#include <QColor>
#include <QFont>
#include <QGroupBox>

namespace vantrel::ui {

/// A group box painted by hand, the same under every style, with its caption in its own face and
/// colour. Neither is the frame's: its children would inherit them (the palette would colour
/// them, a style sheet restyle them, and a font of the frame's own would have to be undone on
/// every child).
class CadreTitre : public QGroupBox {
    Q_OBJECT

public:
    /// An invalid colour draws the caption in the palette's text colour.
    CadreTitre(const QString& titre, const QFont& policeTitre, QColor couleurTitre,
               QWidget* parent);

    /// The caption's text stands this far in from the left edge, and keeps as far from the right.
    static constexpr int RetraitTexte = 9;

    /// Where the border runs: half the caption's height below the top.
    int hautBordure() const;
    const QFont& policeTitre() const { return policeTitre_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont policeTitre_;
    QColor couleurTitre_;
};

} // namespace vantrel::ui
