#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

// Buttons whose text goes onto several lines, breaking between words, when their panel is
// narrower than the one-line text: in a narrow tab a caption then stays whole, only
// taller. Laid out wide enough, they look and act as the plain buttons.

class CaseRetour : public QCheckBox {
public:
    explicit CaseRetour(const QString& texte, QWidget* parent = nullptr);
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largeur) const override;
    // Where the text is written at the present size.
    QRect rectangleTexte() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool hitButton(const QPoint& pos) const override;
};

class RadioRetour : public QRadioButton {
public:
    explicit RadioRetour(const QString& texte, QWidget* parent = nullptr);
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largeur) const override;
    QRect rectangleTexte() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool hitButton(const QPoint& pos) const override;
};

class BoutonRetour : public QPushButton {
public:
    explicit BoutonRetour(const QString& texte, QWidget* parent = nullptr);
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int largeur) const override;
    QRect rectangleTexte() const;

protected:
    void paintEvent(QPaintEvent* e) override;
};
