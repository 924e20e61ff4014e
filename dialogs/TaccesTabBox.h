#pragma once

#include "dialogs/LignesConfiguration.h"

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

// Chooses the spreadsheet that receives the table: "OpenOffice.Calc" or "Microsoft Excel",
// kept in the configuration line 10.
class TaccesTabBox : public QDialog {
    Q_OBJECT
public:
    explicit TaccesTabBox(QWidget* parent = nullptr);
    void relier(const LignesConfiguration& c) { config_ = c; }

    void FormShow();
    void OKBtnClick();

    // The group's chosen item: 0, 1, or -1 when none is.
    int itemIndex() const;
    void setItemIndex(int i);

protected:
    void showEvent(QShowEvent* e) override;

private:
    LignesConfiguration config_;

    QGroupBox* rgTab;
    QButtonGroup* items;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};
