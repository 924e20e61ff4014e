#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <cstdint>

// AVI headers built byte by byte for the tests.
namespace fabrique {

struct Champs {
    int32_t images = 250;
    int32_t largeur = 320, hauteur = 240;
    QByteArray code = "DIVX"; // fccHandler, padded with zero bytes to four
    int32_t echelle = 1, cadence = 25;
};

inline QByteArray u32(uint32_t v) {
    QByteArray o(4, '\0');
    qToLittleEndian<quint32>(v, o.data());
    return o;
}
inline QByteArray morceau(const QByteArray& tag, const QByteArray& donnees) {
    QByteArray o = tag + u32(uint32_t(donnees.size())) + donnees;
    if (o.size() & 1) o.append('\0');
    return o;
}
inline QByteArray liste(const QByteArray& type, const QByteArray& contenu) {
    return morceau("LIST", type + contenu);
}

// 56-byte main header.
inline QByteArray avih(const Champs& c, int32_t images) {
    QByteArray d(56, '\0');
    qToLittleEndian<qint32>(images, d.data() + 16);
    qToLittleEndian<qint32>(c.largeur, d.data() + 32);
    qToLittleEndian<qint32>(c.hauteur, d.data() + 36);
    return morceau("avih", d);
}

// 56-byte stream header of a video ("vids") or audio ("auds") stream.
inline QByteArray strh(const QByteArray& type, const QByteArray& code, int32_t echelle,
                       int32_t cadence) {
    QByteArray d(56, '\0');
    d.replace(0, 4, type);
    QByteArray c = code.left(4);
    c.append(QByteArray(4 - c.size(), '\0'));
    d.replace(4, 4, c);
    qToLittleEndian<qint32>(echelle, d.data() + 20);
    qToLittleEndian<qint32>(cadence, d.data() + 24);
    return morceau("strh", d);
}

inline QByteArray strf() {
    return morceau("strf", QByteArray(40, '\0'));
}

inline QByteArray riff(const QByteArray& contenu) {
    return morceau("RIFF", "AVI " + contenu);
}

// The usual layout: main header at 32, the video stream header at 108.
inline QByteArray canonique(const Champs& c) {
    const QByteArray hdrl =
        avih(c, c.images) + liste("strl", strh("vids", c.code, c.echelle, c.cadence) + strf());
    return riff(liste("hdrl", hdrl) + liste("movi", QByteArray(16, '\0')));
}

// An OpenDML file whose first stream is audio and whose main header counts only the images
// of its first RIFF; the true count is in 'dmlh'. A JUNK chunk moves the headers as well.
inline QByteArray autreDisposition(const Champs& c, int32_t imagesPremierRiff) {
    const QByteArray hdrl =
        avih(c, imagesPremierRiff) + liste("strl", strh("auds", "\x01", 1, 44100) + strf()) +
        liste("strl", strh("vids", c.code, c.echelle, c.cadence) + strf()) +
        liste("odml", morceau("dmlh", u32(uint32_t(c.images)) + QByteArray(244, '\0')));
    return riff(morceau("JUNK", QByteArray(30, 'j')) + liste("hdrl", hdrl) +
                liste("movi", QByteArray(16, '\0')));
}

} // namespace fabrique
