#pragma once

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

// Labels and buttons whose text goes onto several lines, breaking between words, when their
// panel is narrower than the one-line text: in a narrow tab a caption then stays whole,
// only taller. Laid out wide enough, they look and act as the plain controls.

// A word-wrapped label that asks for its text on one line, where a plain word-wrapped label
// would ask for a few short lines even with room to spare.
class EtiquetteRetour : public QLabel {
public:
    explicit EtiquetteRetour(const QString& texte = {}, QWidget* parent = nullptr);
    explicit EtiquetteRetour(QWidget* parent) : EtiquetteRetour(QString(), parent) {}
    QSize sizeHint() const override;
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
