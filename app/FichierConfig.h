#pragma once

#include <QString>
#include <array>

// The ten-line configuration file kpconfig.txt of the start-up folder: its reading, the
// repair made at every start and its rewriting (Windows-1252, CR LF, no break after the
// tenth line). Input/output failures are never reported: an unreadable line reads as
// empty, a file that cannot be written keeps its previous content.
namespace fichierConfig {

using Lignes = std::array<QString, 10>; // lignes[i] = line i + 1

inline constexpr char kNomFichier[] = "kpconfig.txt";

QString chemin(const QString& dossierProgramme);

// True when the configuration file is a plain file (a folder of that name does not count).
bool existe(const QString& dossierProgramme);

// The ten lines of a file that does not exist yet.
Lignes defauts(const QString& dossierProgramme);

// Reads the first ten lines (CR LF, lone LF or lone CR end a line); missing lines are empty,
// and so is everything when the file cannot be read.
Lignes lire(const QString& cheminFichier);

// The repair of every start, applied to lines as read.
Lignes reparer(Lignes lues, const QString& dossierProgramme);

// Start-up: defaults when there is no file, else the lines read and repaired.
Lignes chargerEtReparer(const QString& dossierProgramme);

// Replaces the whole file; false when it could not be written (the old file is then kept).
bool ecrire(const QString& cheminFichier, const Lignes& lignes);

} // namespace fichierConfig
