#pragma once

#include "dialogs/LignesConfiguration.h"

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <memory>

class FabriqueSysteme;
class QProgressDialog;
class QWidget;
class Seance;
struct Releve;

// The spreadsheet commands of the main window: the choice dialog (menu "Fichiers" ›
// "Tableur" › "Choisir le tableur") and the transfer run by the action TabExec (its menu
// entry and the tool-bar button bbtnTabExec).
class ControleurTableur : public QObject {
    Q_OBJECT
public:
    // What it needs of the window: the window itself (parent of its boxes, holder of the
    // actions mnuTabChoix and TabExec), the document (whose measures a transfer marks as
    // saved), the table's snapshot, the configuration lines, and the choice dialog.
    ControleurTableur(QWidget& fenetre, Seance& seance, std::function<Releve()> releve,
                      LignesConfiguration config, std::function<void()> choisirTableur);
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

    QWidget& f;
    Seance& seance_;
    std::function<Releve()> releve_;
    LignesConfiguration config_;
    std::function<void()> choisirTableur_;
    std::unique_ptr<FabriqueSysteme> fabrique_;
    QProgressDialog* attente_ = nullptr;    // while LibreOffice starts
    QProgressDialog* avancement_ = nullptr; // while the cells are written
    QElapsedTimer repeint_;
    bool classeurPerdu_ = false; // the workbook of the transfer could not be written
};
