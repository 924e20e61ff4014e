#pragma once

#include "app/ContexteFenetre.h"
#include "model/FichierSeance.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class DialogueFichier;
class QLockFile;
class QMenu;
class QTimer;

// Saved measurement sessions (.kinopix): "Ouvrir une séance...", "Enregistrer la séance",
// "Enregistrer la séance sous..." and "Séances récentes" of the menu "Fichiers". A session
// holds the clip's place and identity, the document and how the window showed it; opening
// one finds its clip (where it was, or moved with the session file, or located by the
// user) and gives the window back as it was saved.
class ControleurSeance : public QObject {
    Q_OBJECT
public:
    static constexpr int recentesMax = 6;

    explicit ControleurSeance(const ContexteFenetre& contexte);
    ~ControleurSeance() override;

    void mnuOuvrirSeanceClick();
    // False when the user cancelled or the file could not be written (after the box).
    bool mnuEnregistrerSeanceClick();
    bool mnuEnregistrerSeanceSousClick();

    // The whole opening of a session file: its clip found, the unsaved-measures question,
    // the window restored. False, after telling the user, leaves the window as it was.
    bool ouvrirSeance(const QString& chemin);
    // A recovery file left by a copy of the program that did not end normally, opened as
    // measures not saved in any session.
    bool recuperer(const QString& chemin);
    // Writes the session there; false after the error box.
    bool enregistrer(const QString& chemin);

    // Measures that only a session could give back are not in one: the table holds a
    // point and the document differs from the session last saved or opened.
    bool mesuresHorsSeance() const;
    QString cheminSeance() const { return chemin_; }
    // What would be saved now.
    ContenuSeance contenu(const QString& cheminSeance) const;

    // Crash recovery: while the measures are not in a session, they are written a little
    // after each change to a file of this copy of the program, locked while it runs; a
    // session saved or a normal quit removes it.
    QString cheminRecuperation() const;
    void setDelaiRecuperation(int ms);
    void ecrireRecuperation();
    void supprimerRecuperation();
    // The recovery files of the user's data folder whose copy of the program is gone.
    static QStringList recuperationsOrphelines();
    // A recovery file and its lock, gone.
    static void oublierRecuperation(const QString& chemin);

    // Set by the window: the unsaved-measures question (false keeps everything), and the
    // window made to show a session on its clip (false when the clip did not open).
    std::function<bool()> abandonnerMesures;
    std::function<bool(const ContenuSeance&, const QString& cheminClip)> restaurer;

private:
    bool ouvrir(const QString& chemin, bool recuperation);
    void programmerRecuperation();
    // The clip of a session: its relative path, its absolute path, then its name beside
    // the session file; empty when none has the saved image count and size.
    QString chercherClip(const ContenuSeance& c, const QString& cheminSeance) const;
    // The clip at `chemin` is the session's (image count and size); otherwise the reason.
    bool clipConvient(const QString& chemin, const ClipSeance& c, QString* raison) const;
    QString localiserClip(const ContenuSeance& c, const QString& cheminSeance);
    void retenir(const QString& chemin, const ContenuSeance& c);
    void majRecentes();
    void erreur(const QString& texte) const;
    DialogueFichier* dialogue(bool enregistrer);

    ContexteFenetre f;
    QString chemin_;
    std::optional<ContenuSeance> retenu_; // the document as last saved or opened
    DialogueFichier* dialogueOuvrir_ = nullptr;
    DialogueFichier* dialogueEnregistrer_ = nullptr;
    QMenu* recentes_ = nullptr;
    QTimer* minuterie_ = nullptr;
    std::unique_ptr<QLockFile> verrou_;
};
