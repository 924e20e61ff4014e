// From "Ouvrir" confirmed in the open dialog to the first image painted on the pointing
// surface, for clips that clipgen writes when the benchmark starts.
#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
#include "model/Seance.h"
#include <QFrame>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Writes a clip once per run; empty when clipgen fails.
QString clipEcrit(const QString& nom, const QStringList& options) {
    static QTemporaryDir dossier;
    const QString chemin = dossier.filePath(nom);
    if (QFileInfo::exists(chemin)) return chemin;
    QProcess p;
    p.start(QStringLiteral(CLIPGEN_PATH), options + QStringList{chemin});
    if (!p.waitForFinished(600000) || p.exitCode() != 0 || !QFileInfo::exists(chemin)) return {};
    return chemin;
}

void ouvrirJusquaPremiereImage(benchmark::State& etat, const QString& clip) {
    if (clip.isEmpty()) {
        etat.SkipWithError("clipgen n'a pas écrit le clip");
        return;
    }
    auto f = demarrer();
    f->show();
    for (auto _ : etat) {
        if (!f->clip->ouvrirClip(clip)) {
            etat.SkipWithError("le clip ne s'ouvre pas");
            return;
        }
        f->pnl1AVI->repaint(); // the video and the pointing surface over it
    }
    etat.counters["images"] = f->seance->clip().nbImages;
}

void BM_mjpeg_640x480(benchmark::State& etat) {
    ouvrirJusquaPremiereImage(
        etat, clipEcrit("mjpeg_640x480.avi", {"--codec", "mjpeg", "--size", "640x480", "--rate",
                                              "25", "--frames", "250"}));
}

void BM_h264_1080p(benchmark::State& etat) {
    ouvrirJusquaPremiereImage(
        etat, clipEcrit("h264_1080p.mp4", {"--codec", "h264", "--size", "1920x1080", "--rate", "30",
                                           "--frames", "600", "--gop", "250", "--bframes", "2"}));
}

} // namespace

BENCHMARK(BM_mjpeg_640x480)->Name("OpenToFirstImage/mjpeg_640x480")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_h264_1080p)->Name("OpenToFirstImage/h264_1080p")->Unit(benchmark::kMillisecond);
