#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <array>
#include <functional>

class GestionBulles;
class QAction;
class TForm1;
class VisionneuseAide;
class QWidget;

// Menus, tool bar, modes, help, hints, resizing and quitting of the main window; the
// configuration file's writers.
//
// The controls it builds, found by name with f.action(nom) / f.controle<T>(nom):
// - MainMenu1 (the menu bar). A submenu is a QMenu named mnuX whose opening entry is a
//   QAction with the same name: enable it through f.action("mnuX").
// - Radio entries without a name of their own are named mnuGrandeCible, mnuPetiteCible,
//   mnuCroix, mnuCouleurNoir, mnuCouleurBlanc, mnuTaille1..mnuTaille5, mnuFdCl1points..
//   mnuFdCl9points, mnuFdSb1points..mnuFdSb9points; the help entries Etalonner1, Pointer1,
//   ExploiterLesDonnees1 (menu "?") and SommaireDelAide2, Comment2, Etalonner2, Pointer2,
//   ExploiterLesDonnees2, AideSurLesBoutons2, AideDesMenus2 (PopupMenu3).
// - Tags: a menu entry keeps its tag in QAction::data() (toInt()); a widget keeps it in
//   its dynamic property "tag".
// - Shared commands are the actions RegPath, RegExec, TabExec, AutoH and AutoV; the menu
//   entries mnuRegPath, mnuRegExec, mnuTabExec, mnuAutoH, mnuAutoV and the buttons
//   bbtnRegExec, bbtnTabExec follow them. Connect to the action's triggered() and change
//   the action's enabled or checked state, never the entry's.
// - Tool bar buttons are QToolButtons (bbtnOpenAvi, bbtnIma, loupeBtn, bbtnCible,
//   bbtnRegExec, bbtnTabExec, bbtnCopierMesuresPP, bbtnCopierGraphiquePP,
//   bbtnEnregistrerMesures, bbtnImprimer, BitBtn1, BitBtn3, bbtnQuitter); the point-size
//   panel Panel7 holds the label lblTaillePoints and the spinner udTaillePoints (a QSpinBox,
//   position 0..4); lblNomAvi is a QLabel: set it through afficherNomClip().
// - Pop-up menus are QMenus named PopupMenu1 (image area), PopupMenu2 (magnifier panel) and
//   PopupMenu3 (help drop-down).
// - Help contexts are the int property "contexteAide" of a widget (the window: 1,
//   PageControl1: 210 at start); F1 opens the context of the focused widget or of its
//   nearest ancestor that has one.
class ControleurFenetre : public QObject {
    Q_OBJECT
public:
    explicit ControleurFenetre(TForm1& form);
    ~ControleurFenetre() override;

    // Start-up steps of the window, once, from TForm1::FormCreate.
    void FormCreate();

    // Modes. Shows a tab from the program (no tab-change event), as clip opening does
    // before calling PageControl1Change().
    void afficherOnglet(QWidget* onglet);
    void PageControl1Change();
    void popUpMnuModeAcquerirClick();
    void popUpMnuModeEtalonnerClick();
    void popUpMnuModeProClipClick();

    // Export command group: copy, save, print, Regressi, spreadsheet.
    void OptTraitt(bool actif);

    // Configuration file. ecrireConfig() rewrites kpconfig.txt from etat.config (creating
    // it); ecrireConfigSiExistant() only when the file is there; lireConfig() gives the
    // file's ten lines as they are now (empty when missing). Failures are silent.
    void ecrireConfig();
    void ecrireConfigSiExistant();
    bool configExiste() const;
    std::array<QString, 10> lireConfig() const;
    void ClipPathExecute();

    // Help.
    void ouvrirAide(int contexte);
    int dernierContexteAide() const { return dernierContexte_; } // -1 before any request
    int nombreDemandesAide() const { return demandesAide_; }
    QString fichierAide() const;
    VisionneuseAide* visionneuse() const { return visionneuse_; }
    void BitBtn1Click();
    void BitBtn3MouseDown();
    QPoint pointMenuAide() const; // where the help drop-down opens
    void popUpMnuAideClick();
    void SommaireDelAide1Click(int tag);
    void aPropos1Click();

    // Hints and status bar.
    void DisplayHint(const QString& partieLongue);
    // Run by the checkable entries once Qt has toggled their check marks.
    void Aide2Click();
    void Aide3Click();
    bool bullesActives() const;

    // Window width shared between the clip side and the tabs; the clip's path label.
    void FormResize();
    // The label keeps the whole path in its property "chemin" for the next resize.
    void afficherNomClip(const QString& chemin);
    QString cheminClip() const;

    // Quitting.
    void mnuQuitterClick();
    bool FormCloseQuery();
    // Set by the window: measures that no session holds, and the session saved (false
    // when cancelled or failed). Quitting then asks whether to save the session first.
    std::function<bool()> mesuresHorsSeance;
    std::function<bool()> enregistrerSeance;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

signals:
    // Start-up: the calibration tab's step guide, then its scale, once the document's
    // calibration is reset.
    void guideDesEtapesAMontrer();
    void echelleARemettre();
    // Tab changes: "Mesures" ends both calibration modes; "Etalonnage" shows its picture.
    void modesDEtalonnageQuittes();
    void ongletEtalonnageMontre();

private:
    void decorerRegions();
    int gaucheNomClip() const;
    bool clipOuvert() const;
    void connecter();
    void legendePanneauClip(const QString& texte);

    TForm1& f;
    GestionBulles* bulles_ = nullptr;
    VisionneuseAide* visionneuse_ = nullptr;
    QAction* aide2_ = nullptr;
    QAction* aide3_ = nullptr;
    int dernierContexte_ = -1;
    int demandesAide_ = 0;
};
