#include "platform/EcritureFichier.h"

#include <QFileInfo>
#include <QSaveFile>

namespace ecritureFichier {

namespace {

// The user reads why in terms of what they chose: the folder, the file, the disk.
QString expliquer(const QString& chemin, const QSaveFile& fichier) {
    const QFileInfo info(chemin);
    const QFileInfo dossier(info.absolutePath());
    if (!dossier.exists()) return QStringLiteral("Le dossier n'existe pas.");
    if (!dossier.isDir()) return QStringLiteral("Le chemin du dossier désigne un fichier.");
    if (info.isDir()) return QStringLiteral("Ce nom est celui d'un dossier.");
    if (!dossier.isWritable()) return QStringLiteral("Le dossier est protégé en écriture.");
    if (info.exists() && !info.isWritable())
        return QStringLiteral("Le fichier existant est protégé en écriture.");
    switch (fichier.error()) {
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return QStringLiteral("L'écriture a échoué (disque plein ?).");
    case QFileDevice::RenameError:
        return QStringLiteral("Le fichier existant n'a pas pu être remplacé.");
    default:
        return QStringLiteral("Le fichier n'a pas pu être créé.");
    }
}

} // namespace

bool ecrire(const QString& chemin, const QByteArray& octets, QString* raison) {
    QSaveFile fichier(chemin);
    // A folder that refuses new files (a program's folder protected for its users) still
    // lets a file it already holds, writable by the user, be replaced in place.
    fichier.setDirectWriteFallback(true);
    bool ecrit = false;
    // The buffer is flushed and checked before the commit: a commit that has to flush it
    // itself misses a disk that fills up, and puts a truncated file in place. Without the
    // commit the temporary file is removed and the earlier file stays.
    if (fichier.open(QIODevice::WriteOnly))
        ecrit = fichier.write(octets) == octets.size() && fichier.flush() && fichier.commit();
    if (!ecrit && raison != nullptr) *raison = expliquer(chemin, fichier);
    return ecrit;
}

} // namespace ecritureFichier
