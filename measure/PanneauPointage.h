#pragma once

class QBoxLayout;
class QWidget;

// The pointing options at the top of the tab "Mesures" are built by two rooms
// (acquisition, then appearance) side by side in one row.
namespace panneauPointage {

QBoxLayout* disposition(QWidget* pnlPointage);

} // namespace panneauPointage
