#pragma once

#include "model/Seance.h"

#include <QUndoCommand>

// The changes of the measures, each undoable exactly. Their texts complete the Edition
// menu's captions ("Annuler le pointage", "Rétablir l'étalonnage"...). When undone or
// redone after its first run, each asks the window to show where it acted.

// A click recorded on an image: a new point, or a point pointed again.
class CommandePointage : public QUndoCommand {
public:
    CommandePointage(Seance& s, int image, int k, QPoint p);
    void redo() override;
    void undo() override;

private:
    Seance& s;
    int image, k;
    std::optional<QPoint> avant, apres;
    bool premiere_ = true;
};

// An erase of images premiere..derniere, points kMin..kMax.
class CommandeEffacement : public QUndoCommand {
public:
    CommandeEffacement(Seance& s, int premiere, int derniere, int kMin, int kMax);
    void redo() override;
    void undo() override;

private:
    Seance& s;
    int premiere, derniere, kMin, kMax;
    std::vector<std::optional<QPoint>> avant; // images × points, row by row
    bool premiere_ = true;
};

// A new calibration: origin and axes, or a scale point, or a distance.
class CommandeEtalonnage : public QUndoCommand {
public:
    static QString origineEtAxes() { return QStringLiteral("l'origine et les axes"); }
    static QString echelle() { return QStringLiteral("l'étalonnage"); }

    CommandeEtalonnage(Seance& s, const Etalonnage& nouveau, const QString& texte);
    // A gesture that prepared its calibration in the document as it ran, from `avant`.
    CommandeEtalonnage(Seance& s, const Etalonnage& avant, const Etalonnage& apres,
                       const QString& texte);
    void redo() override;
    void undo() override;

private:
    Seance& s;
    Etalonnage avant, apres;
};

// The digits of x and y, which rewrite the distance and so the scale.
class CommandeChiffres : public QUndoCommand {
public:
    CommandeChiffres(Seance& s, int chiffres, const Etalonnage& nouveau);
    void redo() override;
    void undo() override;

private:
    Seance& s;
    int chiffresAvant, chiffresApres;
    Etalonnage avant, apres;
};

// The rate the clip was filmed at, which every time follows.
class CommandeCadence : public QUndoCommand {
public:
    CommandeCadence(Seance& s, long double cadence);
    void redo() override;
    void undo() override;

private:
    Seance& s;
    long double avant, apres;
};

// The image taken as t = 0.
class CommandeT0 : public QUndoCommand {
public:
    CommandeT0(Seance& s, int t0);
    void redo() override;
    void undo() override;

private:
    Seance& s;
    int avant, apres;
};
