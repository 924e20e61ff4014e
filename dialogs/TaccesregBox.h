#pragma once

#include <QDialog>

class DialogueFichier;
class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

// "Définition du chemin d'accès à Regressi": the program file and its version. The dialog
// only collects them; the window applies them on "OK".
class TaccesregBox : public QDialog {
    Q_OBJECT
public:
    explicit TaccesregBox(QWidget* parent = nullptr);

    QLineEdit* edRegPath = nullptr;
    QPushButton* btnParcourir = nullptr;
    QGroupBox* rgRegVersion = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // Before showing: the version and path of the configuration ("win"/"dos" in any case).
    // The path field keeps its earlier text when `chemin` names no file.
    void preparer(const QString& version, const QString& chemin);

    int version() const; // -1 none, 0 Windows, 1 DOS
    QString chemin() const;

    void btnParcourirClick();
    void rgRegVersionClick();

private:
    QButtonGroup* versions_ = nullptr;
    DialogueFichier* ouverture_ = nullptr;
};
