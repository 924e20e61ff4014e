#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;
class TForm1;

// Chooses where the clip open dialog starts: the folder of the last clip opened, or
// always one folder. Works on the main window's configuration lines 4 and 5.
class TaccesClipsBox : public QDialog {
    Q_OBJECT
public:
    explicit TaccesClipsBox(QWidget* parent = nullptr);

    void FormShow();
    void rb1Click();
    void btnParcourirClick();
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    TForm1* form() const;

    QRadioButton* rb1;
    QRadioButton* rb2;
    QLineEdit* edClipsPath;
    QPushButton* btnParcourir;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};
