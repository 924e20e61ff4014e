// The overlay redrawn in full, as at each change of image or of appearance: the axes and
// every recorded point of every image, read afresh from the tables.

#include "app/Demarrage.h"
#include "clip/ZonePointage.h"
#include "measure/ControleurAspect.h"
#include "measure/ControleurTableau.h"
#include "measure/TableAspect.h"

#include <QSpinBox>
#include <benchmark/benchmark.h>

namespace {

void Redraw(benchmark::State& etat, int images, int points) {
    auto f = demarrer();
    EtatSession& e = f->etat;
    e.largeurAff = 640;
    e.hauteurAff = 480;
    e.nbImages = images;
    e.xOrig = 0;
    e.yOrig = 479;
    e.taillePoints = 2;

    // The layout for `points` points per image, then a point in every cell.
    f->tableau->grille0().dimensionner(2 * points + 1, images + 1);
    GrilleTexte& aspect = f->tableau->grille2();
    tableAspect::initialiser(aspect);
    aspect.dimensionner(points + 1, 3);
    for (int k = 1; k <= points; ++k) {
        tableAspect::completerColonne(aspect, k, tableAspect::blanc, QStringLiteral("1"),
                                      QString::number(k % 3));
        tableAspect::setCouleur(aspect, k, tableAspect::couleursFondClair[size_t(k - 1)]);
    }
    f->findChild<QSpinBox*>("udPointsPlan")->setValue(points);
    GrilleTexte& pixels = f->tableau->grille0();
    for (int r = 1; r <= images; ++r) {
        for (int k = 1; k <= points; ++k) {
            pixels.setCellule(2 * k - 1, r, QString::number((r * 7 + k * 61) % 640));
            pixels.setCellule(2 * k, r, QString::number((r * 3 + k * 47) % 480));
        }
    }

    for (auto _ : etat) {
        f->aspect->Drawpoints();
        benchmark::DoNotOptimize(f->PaintBox1->calque.constBits());
    }
    etat.SetItemsProcessed(etat.iterations() * images * points);
}

const auto* redraw10000x9 =
    benchmark::RegisterBenchmark("Redraw/10000x9", [](benchmark::State& etat) {
        Redraw(etat, 10000, 9);
    }) -> Unit(benchmark::kMillisecond);

} // namespace
