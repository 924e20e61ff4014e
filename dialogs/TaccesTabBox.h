#pragma once

#include <QDialog>

class TaccesTabBox : public QDialog {
    Q_OBJECT
public:
    explicit TaccesTabBox(QWidget* parent = nullptr);
};
