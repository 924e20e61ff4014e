#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;

// "Enregistrement des mesures": which file format the measurements are saved in. The
// choice stays from one showing to the next.
class TsauverMesuresBox : public QDialog {
    Q_OBJECT
public:
    explicit TsauverMesuresBox(QWidget* parent = nullptr);

    QGroupBox* rgFormat = nullptr; // " Format "

    // 0 Regressi Windows, 1 Regressi DOS, 2 text.
    int format() const;

private:
    QButtonGroup* formats_ = nullptr;
};
