// Builds the window's controls from the layout table.
#pragma once

#include <QWidget>
#include <cstddef>
#include <span>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantrel::ui {

class Rose;

/// The controls the window's code uses, named as in the layout.
struct Controles {
    QLineEdit *monLocator, *sonLocator, *maLati, *maLongi, *saLati, *saLongi, *distance, *azimut;
    QLineEdit *dlo, *mlo, *slo, *dla, *mla, *sla, *txtLocator;
    QComboBox *elo, *ela;
    QPushButton *cmd, *command1, *cmdEfface;
    QLabel* image1;
    Rose* rose;
};

/// Creates the widgets of the layout inside the client area, in their keyboard order; returns
/// them in the table's order (row i of the table is widget i).
std::vector<QWidget*> Construit(QWidget* zoneClient);

/// The controls the window uses, among the widgets Construit returned, each of the class its row
/// asks for; any other is a fatal error that names it.
Controles ControlesDe(std::span<QWidget* const> widgets);

/// The rows of the keyboard stops, in tab-index order.
std::span<const std::size_t> OrdreClavier();

/// Gives each result box and list, among the widgets Construit returned, the face its widest
/// text needs: once the lists hold their items.
void AjusteResultatsEtListes(std::span<QWidget* const> widgets);

} // namespace vantrel::ui
