#pragma once

#include "app/ContexteFenetre.h"

#include "measure/GrilleTexte.h"

#include <QObject>
#include <QRect>
#include <functional>

struct Releve;

class GrilleMesures;
class HautBas;
class QLabel;
class QPushButton;
class QTimer;

// The measurement table: the pixel table StringGrid0 (hidden, a text mirror of the
// document's pixels), the visible table StringGrid1 (t in seconds, x and y in metres), the
// number formats, the time origin and the four erase operations, with the table panel of
// the tab "Mesures".
class ControleurTableau : public QObject {
    Q_OBJECT
public:
    explicit ControleurTableau(const ContexteFenetre& contexte);

    // --- Tables, read by the window and its tests ----------------------------------
    // Pixel table: row r = image r (index r - 1), columns 2k - 1 and 2k = x, y pixels of
    // point k as decimal integers; row 0 headers, column 0 unused below "t".
    GrilleTexte& grille0() { return StringGrid0; }
    // Visible table (also the widget "StringGrid1"): same geometry, t and metres.
    GrilleMesures& grille1() { return *StringGrid1; }

    int nbPoints() const; // n, points per image (position of udPointsPlan)
    int t0() const;       // image number taken as t = 0 (position of udt0)

    // Records point k of row r as a click on the image does, through the document's
    // undo stack; both tables follow.
    void ecrirePoint(int k, int r, int px, int py);
    // Writes one cell of the visible table and repaints it.
    void setCelluleVisible(int c, int r, const QString& texte);
    // Current cell of the visible table; changing it runs StringGrid1Click.
    void setCelluleCourante(int c, int r);
    // Erases the points of a range of the tables (pairs of columns, rows = images) as one
    // undoable change, and moves their current cell to (c, r) (column, then row); each
    // move of the visible table's current cell runs StringGrid1Click. With avecCaches, the
    // points hidden by a lower n on those rows go too.
    void effacerPlages(const QRect& p, int c, int r, bool avecCaches = false);

    // --- Followed from the other rooms ---------------------------------------------------
    void suivreImage(int r);          // the image shown is row r: the current row
    void allerACellule(int c, int r); // the go-to dialog's cell, both tables
    // After a click on the image: the current cell moves on (row, then column; -1 keeps
    // one), both tables agree, and the visible table scrolls to it.
    void suivreAcquisition(int c, int r);
    void montrerColonne(int c);       // the current point's columns
    void effacerPourNouvelleTaille(); // every point, measured at another display size

    // --- Entry points ------------------------------------------------------------------
    void initTableau(int n);    // clip opening: table laid out for n images, controls on
    void nbPointsPlan(int n);   // tables laid out for n points per image (udPointsPlan := n)
    void ActualGrid();          // every t and metre cell from the pixel table
    bool tableauOccupe() const; // a clip is open and some point is recorded
    // A copy of the table for the exports (headers, texts of rows 0..N, n, t0, formats).
    Releve releve() const;

    // Points recorded and changed since the table last left the program (saved, copied,
    // printed, handed to Regressi or to a spreadsheet).
    bool mesuresNonEnregistrees() const;
    // Every export calls it once the table has left the program.
    void marquerEnregistre();
    // Before the table is thrown away for another clip: with unsaved measures, asks the
    // user whether to give them up. True to go on.
    bool abandonnerMesures();

    // --- Handlers ----------------------------------------------------------------------
    void udPointsPlanClick();
    void udFmt_tClick();
    void udFmt_xyClick();
    void udt0Click();
    void udt0MouseDown();
    void udt0MouseUp();
    void Timer2Timer();
    void Button0Click(); // erase the current point's column pair
    void Button1Click(); // erase the current line
    void Button2Click(); // erase the table (no question when effacerSansConfirmer)
    void StringGrid1KeyUp(int touche);
    void StringGrid1Click(int c, int r);
    void StringGrid1MouseUp(int c, int r, bool glisse);

signals:
    void imageDemandee(int image);
    void pointChoisi(int k);
    void marquesADessiner();
    void redessinDemande(int image);
    void nombreDePointsChange(int n); // the tables are laid out for n points per image
    void t0Change();                  // the spinner of t0 moved
    void t0Applique(int t0);          // the t column follows a new time origin

private:
    // The document's changes, shown in both tables.
    void pointChange(int image, int k);
    void pointsChange(int premiere, int derniere);
    void ecrireCellules(int image, int k, bool repeindre);
    // After an undo or a redo: the image (and the point's cell) where the change acted.
    void montrerChangement(int image, int k);
    void optionsChange();
    void appliquerT0(); // the t column and what depends on t0, from udt0
    void alignerPixels();
    bool montrerDureeImage();
    void defiler();
    bool clipOuvert() const;
    void construirePanneau();
    bool effacer(const QRect& p, const QString& message, int c, int r, bool confirmer,
                 bool avecCaches = false);
    void ajusterColonnesXY();

    ContexteFenetre f;
    int chiffresAffiches_ = 3; // digits of x, y the metre columns are written with
    GrilleTexte StringGrid0{1};
    GrilleMesures* StringGrid1 = nullptr;
    HautBas* udPointsPlan = nullptr;
    HautBas* udt0 = nullptr;
    HautBas* udFmt_t = nullptr;
    HautBas* udFmt_xy = nullptr;
    QLabel* lblPointsPlan = nullptr;
    QLabel* lblt0 = nullptr;
    QPushButton* Button0 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QTimer* Timer2 = nullptr;
};
