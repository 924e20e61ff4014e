#pragma once

#include <QWidget>

// The drawing's preview on the sheet of the print dialog: yellow with a black outline when
// the drawing fits; otherwise aqua with a red outline, each pixel becoming the inverse of
// (pixel AND colour), which shows in reds over the grey sheet and the dialog's face.
class FormeDessin : public QWidget {
    Q_OBJECT
public:
    explicit FormeDessin(QWidget* parent = nullptr);

    void setTropGrand(bool oui);
    bool tropGrand() const { return tropGrand_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    bool tropGrand_ = false;
};
