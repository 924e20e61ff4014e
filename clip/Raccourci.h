#pragma once

#include <QByteArray>
#include <QString>

// Windows shortcut files (.lnk, the Shell Link binary format), read by us: the target is the
// link information's local base path followed by its common path suffix, or else the
// relative path stored in the link, taken from the shortcut's own folder.
namespace raccourci {

// Target path of a shortcut file; empty when the file is not a shortcut, is damaged, or
// points to no file (nothing, or a folder).
QString cible(const QString& lien);

// Candidate targets stored in the bytes of a shortcut, best first (for the tests, and for
// cible, which keeps the first that exists). The relative path keeps its Windows separators.
struct Chemins {
    QString local;   // local base path + common path suffix, empty when absent
    QString relatif; // relative path string, empty when absent
    bool valide = false;
};
Chemins lireChemins(const QByteArray& octets);

} // namespace raccourci
