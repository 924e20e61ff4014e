#pragma once

#include <QString>

class QFontMetrics;

// Shortens a file path to fit a width in pixels: after the root ("/" or a drive "C:\"),
// as many leading folders as needed give way to "...", the file name is kept whole while
// it can be ("C:\...\clips\a.avi", "/.../clips/a.avi").
QString raccourcirChemin(const QString& chemin, const QFontMetrics& mesure, int largeur);
