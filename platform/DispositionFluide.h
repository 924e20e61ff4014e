#pragma once

#include <QLayout>
#include <QList>

// Lays its items out left to right and starts a new line when the width runs out, so that
// a row of controls stays whole in a narrow panel instead of being cut; the height then
// follows the width.
class DispositionFluide : public QLayout {
public:
    explicit DispositionFluide(QWidget* parent = nullptr, int espaceH = 6, int espaceV = 4);
    ~DispositionFluide() override;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int largeur) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Places the items in the rectangle (or only measures when !placer); returns the height used.
    int disposer(const QRect& rect, bool placer) const;

    QList<QLayoutItem*> items_;
    int espaceH_;
    int espaceV_;
};
