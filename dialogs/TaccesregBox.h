#pragma once

#include <QDialog>

class TaccesregBox : public QDialog {
    Q_OBJECT
public:
    explicit TaccesregBox(QWidget* parent = nullptr);
};
