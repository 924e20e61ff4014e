#pragma once

// Writes a display rotation into the track header of an MP4 or MOV file, as a phone filming
// upright does: the images are stored lying, and the matrix of the `tkhd` box tells the
// player to turn them. (The ffmpeg program of Debian 12 no longer stores a "rotate" tag.)

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>
#include <cstdint>

namespace matrice {

// Offset of the first box named `nom` among those between debut and fin; -1 if none.
inline qint64 chercherBoite(const QByteArray& d, qint64 debut, qint64 fin, const char* nom) {
    qint64 p = debut;
    while (p + 8 <= fin) {
        qint64 taille = qFromBigEndian<quint32>(d.constData() + p);
        if (taille == 1 && p + 16 <= fin) taille = qFromBigEndian<quint64>(d.constData() + p + 8);
        if (taille == 0) taille = fin - p;
        if (taille < 8 || p + taille > fin) return -1;
        if (d.mid(p + 4, 4) == nom) return p;
        p += taille;
    }
    return -1;
}

// Turns the display of the first track by `degres` clockwise (90, 180 or 270). The matrix
// moves the turned picture back into the positive quadrant, as cameras write it.
inline bool ecrireRotation(const QString& chemin, int degres, int largeur, int hauteur) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadWrite)) return false;
    const QByteArray d = f.readAll();
    const qint64 moov = chercherBoite(d, 0, d.size(), "moov");
    if (moov < 0) return false;
    const qint64 finMoov = moov + qFromBigEndian<quint32>(d.constData() + moov);
    const qint64 trak = chercherBoite(d, moov + 8, finMoov, "trak");
    if (trak < 0) return false;
    const qint64 finTrak = trak + qFromBigEndian<quint32>(d.constData() + trak);
    const qint64 tkhd = chercherBoite(d, trak + 8, finTrak, "tkhd");
    if (tkhd < 0) return false;
    const int version = uchar(d[tkhd + 8]);
    // Dates, track number, reserved, duration, reserved, layer, group, volume, reserved.
    const qint64 offset = tkhd + 12 + (version == 1 ? 32 : 20) + 16;
    int a = 1, b = 0, c = 0, e = 1, tx = 0, ty = 0;
    switch (((degres % 360) + 360) % 360) {
    case 90:
        a = 0, b = 1, c = -1, e = 0, tx = hauteur;
        break;
    case 180:
        a = -1, e = -1, tx = largeur, ty = hauteur;
        break;
    case 270:
        a = 0, b = -1, c = 1, e = 0, ty = largeur;
        break;
    default:
        break;
    }
    const qint32 valeurs[9] = {a * 65536, b * 65536, 0, c * 65536, e * 65536, 0,
                               tx * 65536, ty * 65536, 1 << 30};
    QByteArray m(36, '\0');
    for (int i = 0; i < 9; ++i)
        qToBigEndian<qint32>(valeurs[i], m.data() + 4 * i);
    return f.seek(offset) && f.write(m) == m.size();
}

} // namespace matrice
