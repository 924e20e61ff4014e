// Stepping as a user does through the clips phones make, each step measured from the button
// press to the image painted, while the worker decodes ahead between presses:
//   StepBack/h264_1080p_paced      a press every 200 ms, back from the middle of the 1080p
//                                  clip shown at 100 % (groups of 250 images: the step back
//                                  across a key frame is the long seek);
//   StepForward/hevc_2160p_fit     4K HEVC shown fitted in a laptop window, presses back to
//                                  back;
//   StepBack/hevc_2160p_fit_paced  the same clip, a press every 200 ms, back from the middle.
// Counters: median and slowest step (ms), the first step back after the jump and the slowest
// of the others (paced), and the process's peak memory (MB; run one benchmark alone to read
// its own).

#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
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
#include <sys/resource.h>
#include <vector>

namespace {

using Horloge = std::chrono::steady_clock;
constexpr int rythmeMs = 200; // a user stepping through a motion

std::unique_ptr<TForm1> ouvrir(benchmark::State& etat, const QString& nom) {
    const QString chemin = clipsbench::clip(nom);
    auto f = demarrer();
    f->resize(1366, 768);
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
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    etat.counters["pic_Mo"] = double(r.ru_maxrss) / 1024;
}

double appuyer(TForm1& f, QToolButton* bouton) {
    const auto t0 = Horloge::now();
    bouton->click();
    f.MediaPlayer1->ecranVideo()->repaint();
    return std::chrono::duration<double, std::milli>(Horloge::now() - t0).count();
}

// Steps back from the middle, one press every 200 ms, the event loop running in between.
void reculerAuRythme(benchmark::State& etat, TForm1& f) {
    f.navigation->mpPositionner(f.seance->clip().nbImages / 2);
    f.MediaPlayer1->ecranVideo()->repaint();
    std::vector<double> ms;
    for (auto _ : etat) {
        etat.PauseTiming();
        QTest::qWait(rythmeMs);
        etat.ResumeTiming();
        ms.push_back(appuyer(f, f.navigation->bbtnPre));
    }
    // The first step follows the jump by 200 ms, while the worker may still be seeking.
    if (!ms.empty()) etat.counters["premier_ms"] = ms.front();
    if (ms.size() > 1) etat.counters["max_suite_ms"] = *std::max_element(ms.begin() + 1, ms.end());
    compteurs(etat, ms);
}

void StepBack1080pPaced(benchmark::State& etat) {
    auto f = ouvrir(etat, QStringLiteral("h264_1080p"));
    if (!f) return;
    f->taille->MaJ(100, false);
    QApplication::processEvents();
    etat.counters["largeur"] = f->MediaPlayer1->rectangleAffichage().width();
    reculerAuRythme(etat, *f);
}

void StepForward2160pFit(benchmark::State& etat) {
    auto f = ouvrir(etat, QStringLiteral("hevc_2160p"));
    if (!f) return;
    etat.counters["pc"] = f->vue.taillePc;
    const int n = f->seance->clip().nbImages;
    std::vector<double> ms;
    for (auto _ : etat) {
        if (f->vue.noImage >= n - 1) {
            etat.PauseTiming();
            appuyer(*f, f->navigation->bbtnDeb);
            etat.ResumeTiming();
        }
        ms.push_back(appuyer(*f, f->navigation->bbtnSui));
    }
    compteurs(etat, ms);
}

void StepBack2160pFitPaced(benchmark::State& etat) {
    auto f = ouvrir(etat, QStringLiteral("hevc_2160p"));
    if (!f) return;
    etat.counters["pc"] = f->vue.taillePc;
    reculerAuRythme(etat, *f);
}

const bool enregistres = [] {
    benchmark::RegisterBenchmark("StepBack/h264_1080p_paced", StepBack1080pPaced)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(200);
    benchmark::RegisterBenchmark("StepForward/hevc_2160p_fit", StepForward2160pFit)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(100);
    benchmark::RegisterBenchmark("StepBack/hevc_2160p_fit_paced", StepBack2160pFitPaced)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(100);
    return true;
}();

} // namespace
