#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

// What every export reads: a copy of the measurement table taken when the user asks.
// The writers of this room are plain functions of it and never look at a widget.
struct Releve {
    int n = 1;            // points per image
    int t0 = 1;           // image taken as t = 0
    int N = 0;            // images of the clip: rows 1..N
    QChar separateur = '.'; // the locale's decimal separator, as used in the cells
    int positionFmtT = 3;   // position of the spinner of t's decimals
    int positionFmtXY = 2;  // position of the spinner of x and y's digits

    // Headers of the pixel table, columns 0..2n: "t", then "x", "y" or "x1", "y1" ...
    QStringList entetes;
    // Texts of the visible table, rows 0..N, each row holding columns 0..2n.
    std::vector<QStringList> lignes;

    const QString& cellule(int c, int r) const;
    // Every x and y cell of row r is filled.
    bool ligneComplete(int r) const;
    // A row that an export writes: complete and with its t cell filled (from t0 on).
    bool ligneExportable(int r) const { return ligneComplete(r) && !cellule(0, r).isEmpty(); }
};
