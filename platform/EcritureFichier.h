#pragma once

#include <QByteArray>
#include <QString>

// Writing a whole file in one piece: the bytes go to a temporary file beside it, which
// then replaces the file. A failed write leaves an earlier file of that name as it was,
// except in a folder where no temporary file may be made: an existing file is then
// written in place.
namespace ecritureFichier {

// True when the file now holds exactly these bytes. On failure `raison`, when given,
// receives why, in French, for the user.
bool ecrire(const QString& chemin, const QByteArray& octets, QString* raison = nullptr);

} // namespace ecritureFichier
