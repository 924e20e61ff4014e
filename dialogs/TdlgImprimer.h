#pragma once

#include "export/DessinImpression.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSlider;
class QWidget;
class FormeDessin;

// "Impression des points et des axes": the print scale in metres per printed cm (typed,
// or set with the slider around a proposed power of ten), the real and printed sizes, a
// preview of the drawing on the sheet, and the colour, grid and points options. "Imprimer"
// hands the options to `imprimer`; the options and the scale stay for the next showing.
class TdlgImprimer : public QDialog {
    Q_OBJECT
public:
    explicit TdlgImprimer(QWidget* parent = nullptr);

    // Given by the owner before each showing.
    QPrinter* imprimante = nullptr;
    int largeurImage = 0, hauteurImage = 0; // image area, pixels
    long double echelle = 1;                // metres per pixel
    bool echelleARevoir = false;            // propose a new scale; cleared by the showing
    // Prints with these options; false when the printer refused (the dialog stays).
    std::function<bool(const OptionsImpression&)> imprimer;
    // The platform's print dialog, shown by "Configurer l'imprimante"; true when confirmed.
    // Tests may stand in for it.
    std::function<bool(QPrinter*)> choisirImprimante;

    OptionsImpression options() const;

    int resolutionX = 0, resolutionY = 0;
    long double largeurReelle = 0, hauteurReelle = 0;
    long double largeurFeuilleCm = 0, hauteurFeuilleCm = 0;
    long double largeurDessinCm = 0, hauteurDessinCm = 0;
    long double echelleReference = 1;
    QString echelleSauvee;
    bool saisieEchelle = false;

    QLabel* lblImageXm = nullptr;
    QLabel* lblImageYm = nullptr;
    QLineEdit* edEch = nullptr;
    QSlider* TrackBar1 = nullptr;
    QLabel* lblImageimprimeeX = nullptr;
    QLabel* lblImageImprimeeY = nullptr;
    QLabel* lblFormatFeuille = nullptr;
    QWidget* shpFeuille = nullptr;
    FormeDessin* shpDessin = nullptr;
    QGroupBox* rbCouleur = nullptr;
    QRadioButton* couleurs[3] = {};
    QGroupBox* gbGrille = nullptr;
    QCheckBox* chkImpGrille = nullptr;
    QRadioButton* rbGrilleColor = nullptr;
    QRadioButton* rbGrilleGris = nullptr;
    QGroupBox* gbImpPoints = nullptr;
    QRadioButton* rbImpPoints0 = nullptr;
    QRadioButton* rbImpPoints1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* CancelBtn = nullptr;

    // Handlers.
    void FormShow();
    bool edEchKeyPress(QChar& touche); // false: the key is refused
    void edEchChange();
    void edEchEnter();
    void edEchExit();
    void TrackBar1Change();
    void chkImpGrilleClick();
    void rbGrilleColorClick();
    void rbGrilleGrisClick();
    void Button1Click();
    void Button2Click();
    void CancelBtnClick();
    void OKBtnClick();
    void AjusteShpFeuille();
    void AjusteShpDessin();

    // Escape acts as "Annuler".
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void construire();
    void ecrireEchelle(const QString& texte); // sets the box's text and runs edEchChange
    bool dialogueImpressionQt(QPrinter* imprimante);
};
