#pragma once

#include <QDialog>
#include <functional>

class QTableWidget;

// "Aller à l'image...": the recorded points lying under a right-clicked pixel, one row per
// (image, point) below a header row. A click jumps to the row's image and point; a click
// in column 0 marks the row for erasure ("x"); Delete erases the marked points, which then
// read "-".
class TalleraDlg : public QDialog {
    Q_OBJECT
public:
    explicit TalleraDlg(QWidget* parent = nullptr);

    // Whether a clip is open: clicks and erasures act only then.
    std::function<bool()> clipOuvert;

    // Back to the header row alone.
    void vider();
    // A row: image row r of the tables, its t text, point k.
    void ajouterLigne(int r, const QString& t, int k);
    int nbLignes() const; // header included
    QString marque(int ligne) const;
    int imageDe(int ligne) const; // table row r
    int pointDe(int ligne) const; // point k
    // The header row becomes fixed (not selectable) once there are rows under it.
    void setLigneFixe(bool fixe);
    bool ligneFixe() const { return fixe; }

    QTableWidget* stringGridAller = nullptr;

    // Handlers.
    void FormCreate();
    void stringGridAllerClick(int ligne, int colonne);
    void stringGridAllerKeyUp(int touche);

signals:
    void atteindre(int r, int k);    // show image row r with point k current
    void effacerPoint(int r, int k); // empty point k of row r in both tables
    void pointsEffaces();            // after at least one erasure

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    void ecrire(int ligne, int colonne, const QString& texte);
    QString texte(int ligne, int colonne) const;
    bool fixe = false;
};
