#pragma once

#include <QDialog>

class TtailleImaBox : public QDialog {
    Q_OBJECT
public:
    explicit TtailleImaBox(QWidget* parent = nullptr);
};
