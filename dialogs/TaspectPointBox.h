#pragma once

#include <QDialog>

class TaspectPointBox : public QDialog {
    Q_OBJECT
public:
    explicit TaspectPointBox(QWidget* parent = nullptr);
};
