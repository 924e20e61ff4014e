#pragma once

#include <QDialog>

class TSauveGraphicPPBox : public QDialog {
    Q_OBJECT
public:
    explicit TSauveGraphicPPBox(QWidget* parent = nullptr);
};
