// Navigation on the two benchmark clips, each step measured from the button press to the
// image painted on screen: StepForward, StepBack (a run of successive steps back from the
// middle of the clip, as a user goes back over a motion) and JumpToLast.
// Counters: the median and the slowest step, in milliseconds.

#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurNavigation.h"
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

std::unique_ptr<TForm1> ouvrir(benchmark::State& etat, const QString& chemin) {
    auto f = demarrer();
    f->show();
    if (!QTest::qWaitForWindowExposed(f.get()) || !f->clip->ouvrirClip(chemin)) {
        etat.SkipWithError("le clip n'a pas pu être ouvert");
        return nullptr;
    }
    QApplication::processEvents();
    return f;
}

// Presses a button and paints the picture at once.
void appuyer(TForm1& f, QToolButton* bouton) {
    bouton->click();
    f.MediaPlayer1->ecranVideo()->repaint();
}

void compteurs(benchmark::State& etat, std::vector<double>& ms) {
    if (ms.empty()) return;
    std::sort(ms.begin(), ms.end());
    etat.counters["median_ms"] = ms[ms.size() / 2];
    etat.counters["max_ms"] = ms.back();
}

template <class Mesure> double chronometrer(Mesure&& m) {
    const auto t0 = Horloge::now();
    m();
    return std::chrono::duration<double, std::milli>(Horloge::now() - t0).count();
}

void StepForward(benchmark::State& etat, QString nom) {
    const QString chemin = clipsbench::clip(nom);
    auto f = chemin.isEmpty() ? nullptr : ouvrir(etat, chemin);
    if (!f) return;
    const int n = f->seance->clip().nbImages;
    std::vector<double> ms;
    for (auto _ : etat) {
        if (f->vue.noImage >= n - 1) {
            etat.PauseTiming();
            appuyer(*f, f->navigation->bbtnDeb);
            etat.ResumeTiming();
        }
        ms.push_back(chronometrer([&] { appuyer(*f, f->navigation->bbtnSui); }));
    }
    compteurs(etat, ms);
}

void StepBack(benchmark::State& etat, QString nom) {
    const QString chemin = clipsbench::clip(nom);
    auto f = chemin.isEmpty() ? nullptr : ouvrir(etat, chemin);
    if (!f) return;
    const int milieu = f->seance->clip().nbImages / 2;
    const int bas = std::max(1, milieu - 100);
    f->navigation->mpPositionner(milieu);
    f->MediaPlayer1->ecranVideo()->repaint();
    std::vector<double> ms;
    for (auto _ : etat) {
        if (f->vue.noImage <= bas) {
            // A fresh start from the middle, with nothing decoded yet.
            etat.PauseTiming();
            f = ouvrir(etat, chemin);
            f->navigation->mpPositionner(milieu);
            f->MediaPlayer1->ecranVideo()->repaint();
            etat.ResumeTiming();
        }
        ms.push_back(chronometrer([&] { appuyer(*f, f->navigation->bbtnPre); }));
    }
    compteurs(etat, ms);
}

void JumpToLast(benchmark::State& etat, QString nom) {
    const QString chemin = clipsbench::clip(nom);
    auto f = chemin.isEmpty() ? nullptr : ouvrir(etat, chemin);
    if (!f) return;
    std::vector<double> ms;
    for (auto _ : etat) {
        etat.PauseTiming();
        f = ouvrir(etat, chemin); // the last image is not in the cache
        etat.ResumeTiming();
        ms.push_back(chronometrer([&] { appuyer(*f, f->navigation->bbtnFin); }));
    }
    compteurs(etat, ms);
}

const bool enregistres = [] {
    for (const QString& nom : clipsbench::noms()) {
        const std::string n = nom.toStdString();
        benchmark::RegisterBenchmark(("StepForward/" + n).c_str(), StepForward, nom)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("StepBack/" + n).c_str(), StepBack, nom)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(nom.startsWith("h264") ? 100 : 300);
        benchmark::RegisterBenchmark(("JumpToLast/" + n).c_str(), JumpToLast, nom)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10);
    }
    return true;
}();

} // namespace
