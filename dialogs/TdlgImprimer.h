#pragma once

#include <QDialog>

class TdlgImprimer : public QDialog {
    Q_OBJECT
public:
    explicit TdlgImprimer(QWidget* parent = nullptr);
};
