#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <memory>

class FabriqueSysteme;
class QProgressDialog;
class TForm1;

// The spreadsheet commands of the main window: the choice dialog (menu "Fichiers" ›
// "Tableur" › "Choisir le tableur") and the transfer run by the action TabExec (its menu
// entry and the tool-bar button bbtnTabExec).
class ControleurTableur : public QObject {
    Q_OBJECT
public:
    explicit ControleurTableur(TForm1& form);
    ~ControleurTableur() override;

    void mnuTabChoixClick();
    void TabExecExecute();

    // Where the spreadsheets come from: the user's LibreOffice and the .xlsx workbook. Tests
    // point it at an office of their own.
    FabriqueSysteme& fabrique() { return *fabrique_; }

private:
    bool confirmer(const QString& texte);
    void informer(const QString& texte);
    void erreur(const QString& texte);
    bool attendreOffice(int ecouleMs);
    void progression(int envoyees, int aEnvoyer);

    TForm1& f;
    std::unique_ptr<FabriqueSysteme> fabrique_;
    QProgressDialog* attente_ = nullptr;    // while LibreOffice starts
    QProgressDialog* avancement_ = nullptr; // while the cells are written
    QElapsedTimer repeint_;
    bool classeurPerdu_ = false; // the workbook of the transfer could not be written
};
