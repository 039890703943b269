// The drop-down lists as a screen reader sees them.
#pragma once

namespace vantrel::ui {

/// From then on a drop-down list is named by its accessible name, its value being the item
/// chosen (Qt's own names it by the item once one is chosen). Once is enough.
void InstalleListesAccessibles();

} // namespace vantrel::ui
