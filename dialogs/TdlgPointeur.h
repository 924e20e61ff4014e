#pragma once

#include <QDialog>

class TdlgPointeur : public QDialog {
    Q_OBJECT
public:
    explicit TdlgPointeur(QWidget* parent = nullptr);
};
