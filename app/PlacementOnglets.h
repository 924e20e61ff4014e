#pragma once

#include <QObject>

class QTabWidget;

// Keeps every tab title whole: the titles stand in one row above the pages while the
// panel is wide enough for them, and on its left side, written upward, when it is not
// (a narrow window would otherwise hide the last titles behind scroll arrows).
class PlacementOnglets : public QObject {
public:
    explicit PlacementOnglets(QTabWidget* onglets);
    bool eventFilter(QObject* objet, QEvent* e) override;
    void ajuster();

private:
    QTabWidget* onglets_;
};
