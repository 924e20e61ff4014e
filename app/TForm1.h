#pragma once

#include "app/EtatSession.h"
#include "app/EtatVue.h"
#include "dialogs/Dialogues.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QScrollArea;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QTimer;
class QToolBar;
class QWidget;

class Seance;
struct ContexteFenetre;
struct ContenuSeance;
class ControleurSeance;
class ZonePointage;
class PeripheriqueMedia;
class RegistreCurseurs;
class ControleurFenetre;
class ControleurTableau;
class ControleurClip;
class ControleurNavigation;
class ControleurTaille;
class ControleurLoupe;
class ControleurEtalonnage;
class ControleurAcquisition;
class ControleurAspect;
class ControleurPressePapier;
class ControleurImpression;
class ControleurFichiers;
class ControleurTableur;

// The main window, the program's composition root. It owns the measurement document, the
// view state, the media device, the regions of the window and one controller per room;
// each controller is built with what it needs (ContexteFenetre), puts its own controls in
// the regions and holds the handlers of its commands. The rooms never reach each other:
// they follow the document's signals, and the few signals of their own that relierPieces
// connects here.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    EtatSession etat; // the program's folder and configuration lines
    EtatVue vue;      // what the window shows and how
    Dialogues dlg;

    // Regions of the window (the shell fills menus and tool bars).
    QToolBar* ToolBar1 = nullptr;
    QWidget* pnl1 = nullptr;     // clip side
    QToolBar* tbCoord = nullptr; // coordinate bar
    QScrollArea* ScrollBox1 = nullptr;
    QFrame* pnl1AVI = nullptr; // clip panel, display window of the device
    ZonePointage* PaintBox1 = nullptr;
    QToolBar* ToolBar2 = nullptr; // navigation bar
    QSplitter* Splitter1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* tsMesures = nullptr;
    QWidget* tsEtalon = nullptr;
    QWidget* tsProClip = nullptr;
    QWidget* pnlPointage = nullptr; // top of "Mesures": pointing options (acquisition, appearance)
    QWidget* pnlTableau = nullptr;  // rest of "Mesures": table controls and the visible table
    QStatusBar* StatusBar1 = nullptr;
    QFrame* loupePnl = nullptr;

    // The measurement document, created before the rooms that observe it.
    Seance* seance = nullptr;
    std::unique_ptr<PeripheriqueMedia> MediaPlayer1;
    std::unique_ptr<RegistreCurseurs> curseurs;

    // Rooms, created in this order once the regions exist.
    ControleurFenetre* fenetre = nullptr;
    ControleurTableau* tableau = nullptr;
    ControleurClip* clip = nullptr;
    ControleurNavigation* navigation = nullptr;
    ControleurTaille* taille = nullptr;
    ControleurLoupe* loupe = nullptr;
    ControleurEtalonnage* etalonnage = nullptr;
    ControleurAcquisition* acquisition = nullptr;
    ControleurAspect* aspect = nullptr;
    ControleurPressePapier* pressePapier = nullptr;
    ControleurImpression* impression = nullptr;
    ControleurFichiers* fichiers = nullptr;
    ControleurTableur* tableur = nullptr;
    ControleurSeance* seances = nullptr;

    // A clip is open exactly when the media device has an open file. Tests and benchmarks
    // that build a session without a clip may stand in for the open clip.
    bool clipOuvert() const;
    void setTemoinClip(std::function<bool()> ouvert) { temoinClip_ = std::move(ouvert); }

    // Named action or widget of the window; nullptr when there is none.
    QAction* action(const QString& nom) const;
    template <class W> W* controle(const QString& nom) const { return findChild<W*>(nom); }

    // Runs the start-up steps of the window (state defaults, cursors, calibration reset,
    // configuration file). Called once by the constructor.
    void FormCreate();

    // Creates the thirteen dialogs in their fixed order.
    void creerDialogues();

    // Shows a saved session on its clip (found beforehand); false when the clip did not
    // open (the error box was shown).
    bool restaurerSeance(const ContenuSeance& contenu, const QString& cheminClip);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void construireRegions();
    // What every room is built with.
    ContexteFenetre contexte();
    // The signals between the rooms: who follows whom.
    void relierPieces();

    std::function<bool()> temoinClip_;
};
