// The derived quantities of a whole table: velocities and accelerations of 9 points over
// 10,000 images, as the graph tab asks for them after a click.

#include "measure/Derivees.h"
#include "model/Seance.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Derivees(benchmark::State& etat) {
    constexpr int images = 10000, points = 9;
    Seance s;
    FaitsClip c;
    c.nbImages = images;
    c.periode = 0.04L;
    c.cadenceFichier = 25;
    s.setClip(c);
    std::vector<std::optional<QPoint>> pixels;
    for (int i = 0; i < images; ++i)
        for (int k = 1; k <= points; ++k)
            pixels.emplace_back(QPoint((i * 7 + k * 61) % 640, (i * 3 + k * 47) % 480));
    s.restaurer(0, images - 1, 1, points, pixels);
    for (auto _ : etat)
        for (int k = 1; k <= points; ++k)
            benchmark::DoNotOptimize(derivees::calculer(s, k));
    etat.SetItemsProcessed(etat.iterations() * images * points);
}
BENCHMARK(BM_Derivees)->Name("Derivees/10000x9")->Unit(benchmark::kMillisecond);

} // namespace
