// The full redraw, as at each change of image or of appearance: the image shown afresh,
// then the overlay of the axes and of every recorded point of every image, read again
// from the document. 10,000 images of 9 points each; the overlay alone is measured too.

#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurNavigation.h"
#include "clip/ZonePointage.h"
#include "measure/ControleurAspect.h"
#include "measure/ControleurTableau.h"
#include "measure/TableAspect.h"
#include "tests/aides/DocumentEssai.h"
#include "tools/bench/ClipsBench.h"

#include <QSpinBox>
#include <benchmark/benchmark.h>

namespace {

constexpr int images = 10000, points = 9;

// A point in every cell of the document, with nine different appearances.
void remplir(TForm1& f) {
    EtatVue& e = f.vue;
    faitsClip(*f.seance, [&](FaitsClip& c) {
        c.nbImages = images; // the table's rows, whatever the clip's length
    });
    e.taillePoints = 2;
    GrilleTexte& aspect = f.vue.aspectPoints;
    tableAspect::initialiser(aspect);
    aspect.dimensionner(points + 1, 3);
    for (int k = 1; k <= points; ++k) {
        tableAspect::completerColonne(aspect, k, tableAspect::blanc, QStringLiteral("1"),
                                      QString::number(k % 3));
        tableAspect::setCouleur(aspect, k, tableAspect::couleursFondClair[size_t(k - 1)]);
    }
    f.tableau->nbPointsPlan(points);
    const int l = std::max(1, e.largeurAff), h = std::max(1, e.hauteurAff);
    std::vector<std::optional<QPoint>> pixels;
    for (int r = 1; r <= images; ++r)
        for (int k = 1; k <= points; ++k)
            pixels.emplace_back(QPoint((r * 7 + k * 61) % l, (r * 3 + k * 47) % h));
    f.seance->restaurer(0, images - 1, 1, points, pixels);
}

void RedrawComplet(benchmark::State& etat) {
    const QString clip = clipsbench::clip(QStringLiteral("mjpeg_640x480"));
    if (clip.isEmpty()) {
        etat.SkipWithError("clipgen n'a pas écrit le clip");
        return;
    }
    auto f = demarrer();
    f->show();
    if (!f->clip->ouvrirClip(clip)) {
        etat.SkipWithError("le clip ne s'ouvre pas");
        return;
    }
    f->navigation->mpPositionner(100);
    remplir(*f);
    for (auto _ : etat) {
        f->navigation->reDraw(f->vue.noImage);
        f->PaintBox1->repaint();
    }
    etat.SetItemsProcessed(etat.iterations() * images * points);
}

void RedrawCalque(benchmark::State& etat) {
    auto f = demarrer();
    f->vue.largeurAff = 640;
    f->vue.hauteurAff = 480;
    etalonner(*f->seance, [&](Etalonnage& c) { c.yOrig = 479; });
    remplir(*f);
    for (auto _ : etat) {
        f->aspect->Drawpoints();
        benchmark::DoNotOptimize(f->PaintBox1->calque.constBits());
    }
    etat.SetItemsProcessed(etat.iterations() * images * points);
}

[[maybe_unused]] const auto* complet =
    benchmark::RegisterBenchmark("Redraw/10000x9", RedrawComplet) -> Unit(benchmark::kMillisecond);
[[maybe_unused]] const auto* calque =
    benchmark::RegisterBenchmark("Redraw/10000x9/calque", RedrawCalque)
        -> Unit(benchmark::kMillisecond);

} // namespace
