#pragma once

#include <QColor>
#include <QDialog>
#include <functional>

class QColorDialog;
class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;

// "Graphique >>> Presse-papier": with or without the clip image, and the background colour
// used without it. "OK" hands the choice to `copier`; the choices stay for the next time.
class TSauveGraphicPPBox : public QDialog {
    Q_OBJECT
public:
    explicit TSauveGraphicPPBox(QWidget* parent = nullptr);

    // Run by "OK" (image included?, background colour), the dialog still shown: the
    // function hides it itself when it needs the screen behind it.
    std::function<void(bool inclureImage, const QColor& fond)> copier;

    bool inclureImage() const;
    QColor couleurFond{Qt::white};

    QGroupBox* rgIncExc = nullptr;
    QRadioButton* rbInclure = nullptr;
    QRadioButton* rbExclure = nullptr;
    QFrame* shpCouleurFond = nullptr;
    QPushButton* btnCouleurFond = nullptr;
    QColorDialog* ColorDialog1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void FormShow();
    void rgIncExcClick();
    void btnCouleurFondClick();
    void OKBtnClick();
    void CancelBtnClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void peindreRectangle(bool rempli);
    QColor couleurRectangle_{Qt::white};
};
