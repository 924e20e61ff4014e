#pragma once

#include <QDialog>

class TalleraDlg : public QDialog {
    Q_OBJECT
public:
    explicit TalleraDlg(QWidget* parent = nullptr);
};
