#pragma once

#include "dialogs/LignesConfiguration.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

// Chooses where the clip open dialog starts: the folder of the last clip opened, or
// always one folder. Works on the configuration lines 4 and 5.
class TaccesClipsBox : public QDialog {
    Q_OBJECT
public:
    explicit TaccesClipsBox(QWidget* parent = nullptr);
    void relier(const LignesConfiguration& c) { config_ = c; }

    void FormShow();
    void rb1Click();
    void btnParcourirClick();
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    LignesConfiguration config_;

    QRadioButton* rb1;
    QRadioButton* rb2;
    QLineEdit* edClipsPath;
    QPushButton* btnParcourir;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};
