#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Damaged copies of real AVI clips, made byte by byte for the tests.
namespace abime {

QByteArray lire(const QString& chemin);
QString ecrire(const QString& nom, const QByteArray& octets); // in the test clips' folder

// A chunk of an intact AVI: where its header lies and the size its header gives.
struct Morceau {
    qsizetype position = 0;
    quint32 taille = 0;
    QByteArray tag;
    qsizetype fin() const { return position + 8 + taille; } // end of its data
};
// The image chunks of the first stream ("00dc"/"00db"), in file order.
QList<Morceau> images(const QByteArray& avi);
// The top-level chunks inside the RIFF, "LIST" ones with their list type as tag.
QList<Morceau> racine(const QByteArray& avi);

QByteArray avecU32(QByteArray octets, qsizetype position, quint32 valeur);

// The same clip rewritten with every image chunk of an odd size and no pad byte after it,
// the index and the list sizes agreeing with the new layout.
QByteArray sansOctetsDeBourrage(const QByteArray& avi);

// n bytes from a fixed seed (the same for every run).
QByteArray hasard(qsizetype n, quint32 graine);

} // namespace abime
