#include "app/Demarrage.h"
#include "measure/CalculTableau.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "measure/Nbreels.h"
#include "platform/Locale.h"
#include "tests/aides/DocumentEssai.h"

#include <QApplication>
#include <QScrollBar>
#include <benchmark/benchmark.h>

// Measured on the development machine (2 shared cores, offscreen, RelWithDebInfo):
// FormatReel 71 ns (110 ns when it looks the locale up itself), ActualGrid/10000x9 26 ms
// (18 ms of CPU) for 90,000 points, TableScroll/10000x9 3.6 ms per repainted page
// (35 rows of 19 columns).

namespace {

constexpr int kImages = 10000;
constexpr int kPoints = 9;

// A session with 10,000 images and 9 points recorded on every one of them.
struct SessionPleine {
    std::unique_ptr<TForm1> f = demarrer();
    ControleurTableau& t = *f->tableau;
    SessionPleine() {
        f->setTemoinClip([] { return true; });
        faitsClip(*f->seance, [&](FaitsClip& c) {
            c.nbImages = kImages;
            c.periode = 0.04L;
        });
        f->vue.largeurAff = 640;
        f->vue.hauteurAff = 480;
        etalonner(*f->seance, [&](Etalonnage& c) { c.yOrig = 479; });
        f->vue.effacerSansConfirmer = true;
        t.Button2Click();
        t.initTableau(kImages);
        t.nbPointsPlan(kPoints);
        for (int r = 1; r <= kImages; ++r)
            for (int k = 1; k <= kPoints; ++k)
                t.ecrirePoint(k, r, (r * 7 + k) % 640, (r * 3 + k) % 480);
    }
};

void BM_FormatReel(benchmark::State& s) {
    long double x = 0.0123456789L;
    const QChar sep = separateurDecimal();
    for (auto _ : s) {
        benchmark::DoNotOptimize(formatReel(2, x, sep));
        x += 0.37L;
    }
}
BENCHMARK(BM_FormatReel)->Name("FormatReel");

void BM_FormatReelLocale(benchmark::State& s) {
    long double x = 0.0123456789L;
    for (auto _ : s) {
        benchmark::DoNotOptimize(formatReel(2, x));
        x += 0.37L;
    }
}
BENCHMARK(BM_FormatReelLocale)->Name("FormatReel/locale");

void BM_ActualGrid(benchmark::State& s) {
    SessionPleine p;
    long double echelle = 0.001L;
    for (auto _ : s) {
        // A new scale each time: every metre cell changes. The table recomputes itself on
        // the document's signal, as after a change of the calibration.
        etalonner(*p.f->seance, [&](Etalonnage& c) { c.echelle = echelle; });
        echelle *= 1.01L;
    }
    s.SetItemsProcessed(s.iterations() * kImages * kPoints);
}
BENCHMARK(BM_ActualGrid)->Name("ActualGrid/10000x9")->Unit(benchmark::kMillisecond);

// The visible table's repaint while it scrolls: one page further at each step, painted
// at once, as a drag of the scroll bar does.
void BM_TableScroll(benchmark::State& s) {
    SessionPleine p;
    GrilleMesures& g = p.t.grille1();
    p.f->resize(1400, 1000);
    p.f->show();
    QApplication::processEvents();
    if (!g.isVisible() || g.verticalScrollBar()->maximum() <= 0) {
        s.SkipWithError("table not shown");
        return;
    }
    QScrollBar* barre = g.verticalScrollBar();
    int pos = 0;
    for (auto _ : s) {
        pos = (pos + 30) % barre->maximum();
        barre->setValue(pos);
        g.viewport()->repaint();
    }
    s.counters["lignes_visibles"] = g.viewport()->height() / 22;
}
BENCHMARK(BM_TableScroll)->Name("TableScroll/10000x9")->Unit(benchmark::kMillisecond);

} // namespace
