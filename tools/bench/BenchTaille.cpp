// Display size and magnifier. StepForward on a 1080p clip shown fitted in a laptop-sized
// window and on the 640 x 480 clip shown at 400 %, each step measured from the button
// press to the image painted (the decoder scales the images). Magnifier/refresh: one
// refresh of the magnifier's picture around the mouse. Counters: median and slowest, ms.

#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurLoupe.h"
#include "clip/ControleurNavigation.h"
#include "clip/ControleurTaille.h"
#include "model/Seance.h"
#include "platform/PeripheriqueMedia.h"
#include "tools/bench/ClipsBench.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;

std::unique_ptr<TForm1> ouvrir(benchmark::State& etat, const QString& nom, QSize fenetre) {
    const QString chemin = clipsbench::clip(nom);
    auto f = demarrer();
    f->resize(fenetre);
    f->show();
    if (chemin.isEmpty() || !QTest::qWaitForWindowExposed(f.get()) ||
        !f->clip->ouvrirClip(chemin)) {
        etat.SkipWithError("le clip n'a pas pu être ouvert");
        return nullptr;
    }
    QApplication::processEvents();
    return f;
}

void compteurs(benchmark::State& etat, std::vector<double>& ms) {
    if (ms.empty()) return;
    std::sort(ms.begin(), ms.end());
    etat.counters["median_ms"] = ms[ms.size() / 2];
    etat.counters["max_ms"] = ms.back();
}

void pasEnAvant(benchmark::State& etat, TForm1& f) {
    const int n = f.seance->clip().nbImages;
    QWidget* ecran = f.MediaPlayer1->ecranVideo();
    std::vector<double> ms;
    for (auto _ : etat) {
        if (f.vue.noImage >= n - 1) {
            etat.PauseTiming();
            f.navigation->bbtnDeb->click();
            ecran->repaint();
            etat.ResumeTiming();
        }
        const auto t0 = Horloge::now();
        f.navigation->bbtnSui->click();
        ecran->repaint();
        ms.push_back(std::chrono::duration<double, std::milli>(Horloge::now() - t0).count());
    }
    compteurs(etat, ms);
}

void StepForwardAdapte(benchmark::State& etat) {
    auto f = ouvrir(etat, QStringLiteral("h264_1080p"), QSize(1366, 768));
    if (!f) return;
    etat.counters["pc"] = f->vue.taillePc;
    pasEnAvant(etat, *f);
}

void StepForward400(benchmark::State& etat) {
    auto f = ouvrir(etat, QStringLiteral("mjpeg_640x480"), QSize(1366, 768));
    if (!f) return;
    f->taille->MaJ(400, false);
    QApplication::processEvents();
    pasEnAvant(etat, *f);
}

void RafraichirLoupe(benchmark::State& etat) {
    auto f = ouvrir(etat, QStringLiteral("mjpeg_640x480"), QSize(1366, 768));
    if (!f) return;
    f->loupe->loupeBtnClick();
    f->navigation->mpPositionner(10);
    f->MediaPlayer1->ecranVideo()->repaint();
    int x = 0;
    for (auto _ : etat) {
        f->loupe->loupe(x, 100);
        x = (x + 7) % f->vue.largeurAff;
    }
}

const bool enregistres = [] {
    benchmark::RegisterBenchmark("StepForward/h264_1080p_fit", StepForwardAdapte)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("StepForward/mjpeg_640x480_400pc", StepForward400)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Magnifier/refresh", RafraichirLoupe)
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
