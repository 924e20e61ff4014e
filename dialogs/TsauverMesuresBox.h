#pragma once

#include <QDialog>

class TsauverMesuresBox : public QDialog {
    Q_OBJECT
public:
    explicit TsauverMesuresBox(QWidget* parent = nullptr);
};
