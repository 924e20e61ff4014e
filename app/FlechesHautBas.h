#pragma once

#include <QSpinBox>

// An up-down spinner without a text field: only its two arrows show, its position is
// value(). The number it stands for is shown by a label beside it.
class FlechesHautBas : public QSpinBox {
    Q_OBJECT
public:
    explicit FlechesHautBas(QWidget* parent = nullptr)
        : QSpinBox(parent) {
        setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        setFrame(false);
        setFixedWidth(18);
    }

protected:
    QString textFromValue(int) const override { return {}; }
};
