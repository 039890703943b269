// Builds the window's controls from the layout table.
#pragma once

#include "cadretitre.h"
#include "disposition.h"
#include "rose.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <cstddef>
#include <span>
#include <vector>

namespace vantrel::ui {

/// The widget class each kind of row makes.
template <Genre G> struct ClasseDe;
template <> struct ClasseDe<Cadre> { using type = CadreTitre; };
template <> struct ClasseDe<Etiquette> { using type = QLabel; };
template <> struct ClasseDe<Texte> { using type = QLineEdit; };
template <> struct ClasseDe<Liste> { using type = QComboBox; };
template <> struct ClasseDe<Bouton> { using type = QPushButton; };
template <> struct ClasseDe<Image> { using type = QLabel; };
template <> struct ClasseDe<Ligne> { using type = Rose; };

/// The control of row R among the widgets Construit returned, as the class its row makes.
template <std::size_t R>
typename ClasseDe<Elements[R].genre>::type* Controle(std::span<QWidget* const> widgets) {
    return static_cast<typename ClasseDe<Elements[R].genre>::type*>(widgets[R]);
}

/// Creates the widgets of the layout inside the client area, in their keyboard order; returns
/// them in the table's order (row i of the table is widget i).
std::vector<QWidget*> Construit(QWidget* zoneClient);

/// The rows of the keyboard stops, in tab-index order.
std::span<const std::size_t> OrdreClavier();

/// Gives each result box and list, among the widgets Construit returned, the face its widest
/// text needs: once the lists hold their items.
void AjusteResultatsEtListes(std::span<QWidget* const> widgets);

} // namespace vantrel::ui
