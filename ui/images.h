// The window's two pictures, compiled in as the pixels of their JPEG files (the build decodes
// them), so that no image plugin or decoder loads before the window shows.
#pragma once

#include <QPixmap>
#include <QSize>

namespace vantrel::ui {

/// The picture of that resource, scaled once to the size it is shown at, in device pixels of
/// the given ratio.
QPixmap ImageALaTaille(const char* ressource, QSize taille, qreal ratio);

} // namespace vantrel::ui
