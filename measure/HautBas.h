#pragma once

#include <QSpinBox>

// An up-down spinner: arrows (and the arrow keys) change its position by its increment
// (singleStep); the program sets the position without any notification. clic() follows
// each change made by the user; enfonce() and relache() frame the moments the mouse
// button (or an arrow key) is held on it.
class HautBas : public QSpinBox {
    Q_OBJECT
public:
    explicit HautBas(QWidget* parent = nullptr);

    void stepBy(int pas) override;
    // Only the arrows show, for a spinner whose position a label beside it shows.
    void flechesSeules();

signals:
    void clic();
    void enfonce();
    void relache();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    bool toucheTenue = false;
};
