#pragma once

#include <QDialog>
#include <functional>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Tableau de mesures >>> Presse-papier": collects the title and the separator of the
// table text; "OK" hands them to `copier`, "Annuler" brings the title of the showing back.
// Its controls keep their state from one showing to the next.
class TSauveTableauPPBox : public QDialog {
    Q_OBJECT
public:
    explicit TSauveTableauPPBox(QWidget* parent = nullptr);

    // Run by "OK" with the title and the separator's text, before the dialog closes.
    std::function<void(const QString& titre, const QString& separateur)> copier;

    int itemSeparateur() const; // 0 tab, 1 ";", 2 ",", 3 space
    QString titreSauve;

    QLineEdit* edSauvePPTitre = nullptr;
    QGroupBox* rgSeparTxt = nullptr;
    QRadioButton* separateurs[4] = {};
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void FormShow();
    void OKBtnClick();
    void CancelBtnClick();

    // Escape and closing act as "Annuler".
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
};
