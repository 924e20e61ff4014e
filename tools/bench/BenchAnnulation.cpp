// Undo and redo in a full table: one click, and an erase of the whole table, each undone
// then redone until the visible table and the image with its marks are repainted. A clip
// open at image 100, 10,000 images of 9 points each.

#include "app/Demarrage.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurNavigation.h"
#include "clip/ZonePointage.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "model/Commandes.h"
#include "tests/aides/DocumentEssai.h"
#include "tools/bench/ClipsBench.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int images = 10000, points = 9;

std::unique_ptr<TForm1> fenetrePleine(benchmark::State& etat) {
    const QString clip = clipsbench::clip(QStringLiteral("mjpeg_640x480"));
    if (clip.isEmpty()) {
        etat.SkipWithError("clipgen n'a pas écrit le clip");
        return nullptr;
    }
    auto f = demarrer();
    f->resize(1400, 1000);
    f->show();
    if (!f->clip->ouvrirClip(clip)) {
        etat.SkipWithError("le clip ne s'ouvre pas");
        return nullptr;
    }
    f->navigation->mpPositionner(100);
    faitsClip(*f->seance, [&](FaitsClip& c) {
        c.nbImages = images; // the table's rows, whatever the clip's length
    });
    f->tableau->initTableau(images);
    f->tableau->nbPointsPlan(points);
    Seance& s = *f->seance;
    for (int i = 0; i < images; ++i)
        for (int k = 1; k <= points; ++k)
            s.setPoint(i, k, QPoint((i * 7 + k * 61) % 640, (i * 3 + k * 47) % 480));
    return f;
}

// Both ways, each until what the user sees is painted.
void annulerRetablir(TForm1& f, benchmark::State& etat) {
    QUndoStack& pile = f.seance->pile();
    for (auto _ : etat) {
        pile.undo();
        f.tableau->grille1().viewport()->repaint();
        f.PaintBox1->repaint();
        pile.redo();
        f.tableau->grille1().viewport()->repaint();
        f.PaintBox1->repaint();
    }
}

void AnnulerClic(benchmark::State& etat) {
    auto f = fenetrePleine(etat);
    if (!f) return;
    f->tableau->ecrirePoint(1, 101, 320, 240);
    annulerRetablir(*f, etat);
}

void AnnulerEffacement(benchmark::State& etat) {
    auto f = fenetrePleine(etat);
    if (!f) return;
    f->seance->pile().push(new CommandeEffacement(*f->seance, 0, images - 1, 1, points));
    annulerRetablir(*f, etat);
}

[[maybe_unused]] const auto* clic = benchmark::RegisterBenchmark("Undo/click/10000x9", AnnulerClic)
                                        -> Unit(benchmark::kMillisecond);
[[maybe_unused]] const auto* effacement =
    benchmark::RegisterBenchmark("Undo/erase/10000x9", AnnulerEffacement)
        -> Unit(benchmark::kMillisecond);

} // namespace
