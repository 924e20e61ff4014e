#pragma once

#include <initializer_list>

class QWidget;

// The pointing options at the top of the tab "Mesures" are built by two rooms
// (acquisition, then appearance) side by side. Each adds its groups of controls as blocks
// that stay whole; the blocks go onto further lines when the tab is narrow.
namespace panneauPointage {

// Adds a block of controls, side by side, to the end of the options.
void ajouterBloc(QWidget* pnlPointage, std::initializer_list<QWidget*> controles);

} // namespace panneauPointage
