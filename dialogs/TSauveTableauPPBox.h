#pragma once

#include <QDialog>

class TSauveTableauPPBox : public QDialog {
    Q_OBJECT
public:
    explicit TSauveTableauPPBox(QWidget* parent = nullptr);
};
