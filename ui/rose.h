// The compass needle: a white line over the dial, its ends held in twips of the frame.
#pragma once

#include <QLineF>
#include <QStringView>
#include <QWidget>

namespace vantrel::ui {

/// Numeric value of a text, read from its start: spaces, tabs and line feeds are skipped
/// wherever they stand, "." is the only decimal separator, an exponent may follow
/// ("1.5e1" is 15), and reading stops at the first character that cannot continue the
/// number. No number at all, or one beyond the range of a double, counts as 0.
double ValeurTexte(QStringView texte);

/// A transparent overlay covering its frame; paints the line between its two ends.
class Rose : public QWidget {
    Q_OBJECT

public:
    /// The line starts between the two ends given (X1, Y1 the tip; X2, Y2 the centre).
    Rose(QLineF depart, QWidget* parent);

    /// The ends in twips of the frame: p1 the tip, p2 the centre.
    QLineF twips() const { return QLineF(X1, Y1, X2, Y2); }

    /// Points the needle along the azimuth written in the text, in degrees clockwise from
    /// the top.
    void Azimut_Change(QStringView azimut);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    float X1, Y1, X2, Y2;
};

} // namespace vantrel::ui
