#pragma once

#include <QScrollArea>

// A page that scrolls vertically. Its controls get the page's whole width (narrower than
// they would like if need be, so they must be able to wrap) and, when the page is too short
// for them at that width, the user scrolls down rather than losing the bottom ones.
// The height is worked out for the width left beside the scroll bar when there is one.
class DefilementVertical : public QScrollArea {
public:
    explicit DefilementVertical(QWidget* parent = nullptr);
    // The widget to build the page's controls in.
    QWidget* contenu() const { return contenu_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void ajuster();
    int hauteurPour(int largeur) const;

    QWidget* contenu_;
    bool ajustement_ = false;
};

// Fills a page with a DefilementVertical and returns the widget to build its controls in.
QWidget* defilementVertical(QWidget* page, QScrollArea** zone = nullptr);
