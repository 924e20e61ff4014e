#pragma once

#include <QDialog>

class TFormatTxtBox : public QDialog {
    Q_OBJECT
public:
    explicit TFormatTxtBox(QWidget* parent = nullptr);
};
