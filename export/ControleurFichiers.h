#pragma once

#include "dialogs/LignesConfiguration.h"
#include "platform/LanceurProgramme.h"

#include <QObject>
#include <QString>
#include <functional>

class DialogueFichier;
class QAction;
class QWidget;
class Seance;
struct Dialogues;
struct Releve;

// Measurement files (Regressi Windows, Regressi DOS, text) and the hand-over of the table
// to Regressi: the save commands of the menu and the tool bar, the Regressi launch and
// the dialog that sets Regressi's path and version.
class ControleurFichiers : public QObject {
    Q_OBJECT
public:
    // What it needs of the window: the window itself (parent of its boxes, holder of the
    // actions and the button), the document (whose measures a file or Regressi marks as
    // saved), the dialogs, the table's snapshot, the configuration lines, and whether a clip
    // is open.
    ControleurFichiers(QWidget& fenetre, Seance& seance, const Dialogues& dialogues,
                       std::function<Releve()> releve, LignesConfiguration config,
                       std::function<bool()> clipOuvert);

    void SaveRW3Execute();
    void SaveRRRExecute();
    void SaveTXTExecute();
    void bbtnEnregistrerMesuresClick();

    // Writes a Regressi file, Windows layout for "rw3", DOS for any other extension. With
    // an empty path the user chooses the file; with the path of the Regressi program, the
    // file is fichierTemporaire() beside it, without any dialog. A file that cannot be
    // written is reported in an error box. True when the file was written.
    bool SaveFormatReg(const QString& cheminRegressi, const QString& extension);
    static QString fichierTemporaire(const QString& cheminRegressi, const QString& extension);

    void RegExecExecute();
    void RegPathExecute();

    // The two save dialogs, created at their first use and kept (with the last name
    // chosen) for the run.
    DialogueFichier* SaveDialogReg();
    DialogueFichier* SaveDialogTxt();

private:
    // Writes a file the user asked for; tells them when it could not be written. Written,
    // the measures count as saved.
    bool enregistrer(const QString& chemin, const QByteArray& octets);
    bool ecrireOuSignaler(const QString& chemin, const QByteArray& octets);
    void boiteErreur(const QString& texte);
    void connecter();
    QAction* action(const char* nom) const;

    QWidget& f;
    Seance& seance_;
    const Dialogues& dlg_;
    std::function<Releve()> releve_;
    LignesConfiguration config_;
    std::function<bool()> clipOuvert_;
    LanceurProgramme lanceur_;
    DialogueFichier* dialogueReg_ = nullptr;
    DialogueFichier* dialogueTxt_ = nullptr;
    QString dernierReg_;
    QString dernierTxt_;
};
