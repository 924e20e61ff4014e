#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLineEdit;

// "Enregistrement au format Texte (*.txt)": the title and the cell separator of a text
// file. The values shown when it opens are remembered; "Annuler", or a save cancelled
// afterwards, brings them back (restaurer()).
class TFormatTxtBox : public QDialog {
    Q_OBJECT
public:
    explicit TFormatTxtBox(QWidget* parent = nullptr);

    QLineEdit* edFormatTxtTitre = nullptr;
    QGroupBox* rgSeparTxt = nullptr;

    QString titre() const;
    // The separator chosen: a tab, ";", "," or one space.
    QString separateur() const;
    void restaurer();

protected:
    void showEvent(QShowEvent* e) override;

private:
    QButtonGroup* separateurs_ = nullptr;
    QString titreRetenu_;
    int separateurRetenu_ = 0;
};
