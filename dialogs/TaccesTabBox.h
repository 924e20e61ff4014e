#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class TForm1;

// Chooses the spreadsheet that receives the table: "OpenOffice.Calc" or "Microsoft Excel",
// kept in the main window's configuration line 10.
class TaccesTabBox : public QDialog {
    Q_OBJECT
public:
    explicit TaccesTabBox(QWidget* parent = nullptr);

    void FormShow();
    void OKBtnClick();

    // The group's chosen item: 0, 1, or -1 when none is.
    int itemIndex() const;
    void setItemIndex(int i);

protected:
    void showEvent(QShowEvent* e) override;

private:
    TForm1* form() const;

    QGroupBox* rgTab;
    QButtonGroup* items;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};
