// The count of images cut by the end of a large AVI, alone: a 2 GB OpenDML file (a RIFF AVI
// of 1 GB, then a RIFF AVIX) of 60 kB images, whole, and cut in the middle of its last image.
// The file is sparse: only the chunk headers are written.
#include "platform/AviTronque.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

constexpr qint64 kImage = 60000;
// About 1 GB: RIFF and movi headers, then whole images.
constexpr qint64 kRiff = 24 + ((qint64(1) << 30) - 24) / (8 + kImage) * (8 + kImage);

void ecrire32(QFile& f, qint64 position, const char* tag, quint32 valeur) {
    char e[8];
    std::memcpy(e, tag, 4);
    qToLittleEndian<quint32>(valeur, e + 4);
    f.seek(position);
    f.write(e, 8);
}

// One RIFF of `octets` bytes from `debut`: a movi list full of images. Returns its end.
qint64 ecrireRiff(QFile& f, qint64 debut, const char* forme, qint64 octets) {
    ecrire32(f, debut, "RIFF", quint32(octets - 8));
    f.write(forme, 4);
    const qint64 movi = debut + 12;
    ecrire32(f, movi, "LIST", quint32(octets - 20));
    f.write("movi", 4);
    for (qint64 p = movi + 12; p + 8 + kImage <= debut + octets; p += 8 + kImage)
        ecrire32(f, p, "00dc", quint32(kImage));
    return debut + octets;
}

QString grandClip(bool coupe) {
    const QString chemin =
        QDir::tempPath() + (coupe ? "/kinopix-bench-2g-coupe.avi" : "/kinopix-bench-2g.avi");
    const qint64 taille = coupe ? 2 * kRiff - kImage / 2 : 2 * kRiff;
    if (QFile(chemin).size() == taille) return chemin;
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    ecrireRiff(f, ecrireRiff(f, 0, "AVI ", kRiff), "AVIX", kRiff);
    f.resize(taille);
    return chemin;
}

void compter(benchmark::State& etat, bool coupe) {
    const QString chemin = grandClip(coupe);
    if (chemin.isEmpty()) {
        etat.SkipWithError("le fichier de 2 Go n'a pas pu être écrit");
        return;
    }
    int n = 0;
    for (auto _ : etat)
        benchmark::DoNotOptimize(n = imagesCoupeesAvi(chemin, 0));
    etat.counters["coupees"] = n;
}

} // namespace

BENCHMARK_CAPTURE(compter, entier, false)
    ->Name("CutImageCount/avi_2GB")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(compter, coupe, true)
    ->Name("CutImageCount/avi_2GB_cut")
    ->Unit(benchmark::kMillisecond);
