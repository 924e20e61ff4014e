// The printed page of a long measurement: 10,000 images of 9 points, grid and axes, drawn
// at 600 dots per inch on an A4 page held in memory.

#include "export/DessinImpression.h"
#include "measure/CouleurBgr.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

SujetImpression sujetLong() {
    SujetImpression s;
    s.echelle = 0.001L;
    s.xOrig = 20;
    s.yOrig = 460;
    s.largeurAff = 640;
    s.hauteurAff = 480;
    s.taillePoints = 2;
    s.nbImages = 10000;
    s.nbPoints = 9;
    s.t0 = 1;
    s.axes.couleur = couleurBgr::depuisRgb(255, 0, 0);
    for (int k = 1; k <= 9; ++k)
        s.points.push_back({couleurBgr::depuisRgb(28 * k, 255 - 28 * k, 100), true, k % 3});
    s.pixels.reserve(size_t(s.nbImages) * 9);
    for (int i = 0; i < s.nbImages; ++i)
        for (int k = 1; k <= 9; ++k)
            s.pixels.emplace_back(20 + (i * 7 + k * 31) % 600, 20 + (i * 3 + k * 47) % 440);
    return s;
}

void BM_PrintRender(benchmark::State& etat) {
    const SujetImpression s = sujetLong();
    PageImpression page;
    page.resolutionX = page.resolutionY = 600;
    page.largeur = 4960; // A4 at 600 dpi
    page.hauteur = 7016;
    OptionsImpression o;
    o.couleurs = 1;
    o.echelleImpression = 0.05L; // 12.8 x 9.6 cm
    QImage feuille(page.largeur, page.hauteur, QImage::Format_RGB32);
    for (auto _ : etat) {
        etat.PauseTiming();
        feuille.fill(Qt::white);
        etat.ResumeTiming();
        QPainter p(&feuille);
        dessinImpression::dessiner(p, s, o, page);
        p.end();
        benchmark::DoNotOptimize(feuille.constBits());
    }
}

} // namespace

BENCHMARK(BM_PrintRender)->Name("Print/render/10000x9")->Unit(benchmark::kMillisecond);
