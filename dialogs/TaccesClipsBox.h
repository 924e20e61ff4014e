#pragma once

#include <QDialog>

class TaccesClipsBox : public QDialog {
    Q_OBJECT
public:
    explicit TaccesClipsBox(QWidget* parent = nullptr);
};
