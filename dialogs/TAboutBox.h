#pragma once

#include <QDialog>

class QLabel;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    void FormShow();
    void OKButtonClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QLabel* lblTitre;
    QLabel* lblDate;
};
