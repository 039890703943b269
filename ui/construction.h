// Builds the window's controls from the layout table.
#pragma once

#include <QWidget>
#include <cstddef>
#include <span>
#include <vector>

namespace vantrel::ui {

/// Creates the widgets of the layout inside the client area, in their keyboard order; returns
/// them in the table's order (row i of the table is widget i).
std::vector<QWidget*> Construit(QWidget* zoneClient);

/// The rows of the keyboard stops, in tab-index order.
std::span<const std::size_t> OrdreClavier();

/// Gives each result box and list, among the widgets Construit returned, the face its widest
/// text needs. They show nothing until a computation or a choice: the window does this once it
/// is drawn.
void AjusteResultatsEtListes(std::span<QWidget* const> widgets);

} // namespace vantrel::ui
