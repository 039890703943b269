#include "images.h"

#include <QImage>

namespace vantrel::ui {

QPixmap ImageALaTaille(const char* ressource, QSize taille, qreal ratio) {
    // PPM: read by Qt's own reader, which needs no plugin.
    const QImage image(QString::fromUtf8(ressource), "PPM");
    QPixmap pixmap = QPixmap::fromImage(
        image.scaled(taille * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace vantrel::ui
