// The compass needle: a white line over the dial, its ends held in twips of the frame.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QWidget>

namespace vantrel::ui {

/// A transparent overlay covering its frame; paints the line between its two ends.
class Rose : public QWidget {
    Q_OBJECT

public:
    /// The line starts between the two ends given (p1 the tip, p2 the centre).
    Rose(QLineF depart, QWidget* parent);

    /// The ends in twips of the frame: p1 the tip, p2 the centre.
    QLineF twips() const { return QLineF(pointe_, centre_); }

    /// Points the needle along an azimuth in degrees, clockwise from the top.
    void setAzimut(double degres);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF pointe_;
    QPointF centre_;
};

} // namespace vantrel::ui
