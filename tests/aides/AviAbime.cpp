#include "aides/AviAbime.h"

#include "aides/ClipsTest.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtEndian>

namespace abime {

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString ecrire(const QString& nom, const QByteArray& octets) {
    const QString chemin = clipstest::dossier() + "/" + nom;
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size()) return {};
    return chemin;
}

namespace {
quint32 u32(const QByteArray& o, qsizetype p) {
    return qFromLittleEndian<quint32>(o.constData() + p);
}
QByteArray en32(quint32 v) {
    QByteArray o(4, '\0');
    qToLittleEndian<quint32>(v, o.data());
    return o;
}
// Chunks of [debut, fin), lists given by their type.
QList<Morceau> morceaux(const QByteArray& o, qsizetype debut, qsizetype fin) {
    QList<Morceau> liste;
    for (qsizetype p = debut; p + 8 <= fin;) {
        Morceau m{p, u32(o, p + 4), o.mid(p, 4)};
        if (m.tag == "LIST") m.tag = o.mid(p + 8, 4);
        liste << m;
        p = m.fin() + (m.taille & 1);
    }
    return liste;
}
} // namespace

QList<Morceau> racine(const QByteArray& avi) {
    return morceaux(avi, 12, avi.size());
}

QList<Morceau> images(const QByteArray& avi) {
    QList<Morceau> liste;
    for (const Morceau& r : racine(avi))
        if (r.tag == "movi")
            for (const Morceau& m : morceaux(avi, r.position + 12, r.fin()))
                if (m.tag == "00dc" || m.tag == "00db") liste << m;
    return liste;
}

QByteArray avecU32(QByteArray octets, qsizetype position, quint32 valeur) {
    octets.replace(position, 4, en32(valeur));
    return octets;
}

QByteArray sansOctetsDeBourrage(const QByteArray& avi) {
    QByteArray avant, movi = "movi", index;
    for (const Morceau& r : racine(avi)) {
        if (r.tag == "idx1") continue;
        if (r.tag != "movi") {
            avant += avi.mid(r.position, 8 + r.taille + (r.taille & 1));
            continue;
        }
        for (const Morceau& m : images(avi)) {
            QByteArray donnees = avi.mid(m.position + 8, m.taille);
            if (donnees.size() % 2 == 0) donnees.append('\0'); // after the picture: ignored
            index += m.tag + en32(0x10) + en32(quint32(movi.size())) + en32(donnees.size());
            movi += m.tag + en32(donnees.size()) + donnees;
        }
    }
    QByteArray liste = "LIST" + en32(movi.size()) + movi;
    if (liste.size() & 1) liste.append('\0');
    const QByteArray contenu = "AVI " + avant + liste + "idx1" + en32(index.size()) + index;
    return "RIFF" + en32(contenu.size()) + contenu;
}

QByteArray hasard(qsizetype n, quint32 graine) {
    QRandomGenerator g(graine);
    QByteArray o(n, '\0');
    for (auto& c : o)
        c = char(g.bounded(256));
    return o;
}

} // namespace abime
