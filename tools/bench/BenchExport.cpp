#include "app/Demarrage.h"
#include "export/FichiersMesures.h"
#include "export/Releve.h"
#include "measure/ControleurTableau.h"
#include "platform/EcritureFichier.h"
#include "tests/aides/DocumentEssai.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// A save as the user runs it: the snapshot of the table, the file's bytes, the file
// written in one piece. Measured on the development machine (2 shared cores, offscreen,
// RelWithDebInfo, other builds running): Save/rw3/10000x9 73 ms (44 ms of CPU),
// Save/txt/10000x9 64 ms (41 ms of CPU); the rest is the file reaching the disk.

namespace {

constexpr int kImages = 10000;
constexpr int kPoints = 9;

struct TableauPlein {
    std::unique_ptr<TForm1> f = demarrer();
    ControleurTableau& t = *f->tableau;
    TableauPlein() {
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

template <class Format> void enregistrer(benchmark::State& s, Format format) {
    TableauPlein p;
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("mesures"));
    qint64 octets = 0;
    for (auto _ : s) {
        const QByteArray contenu = format(p.t.releve());
        octets = contenu.size();
        if (!ecritureFichier::ecrire(chemin, contenu)) s.SkipWithError("écriture impossible");
    }
    s.SetBytesProcessed(s.iterations() * octets);
}

void BM_SaveRw3(benchmark::State& s) {
    enregistrer(s, [](const Releve& r) { return fichiersMesures::regressiWindows(r); });
}
BENCHMARK(BM_SaveRw3)->Name("Save/rw3/10000x9")->Unit(benchmark::kMillisecond);

void BM_SaveTxt(benchmark::State& s) {
    enregistrer(s, [](const Releve& r) {
        return fichiersMesures::texte(r, QStringLiteral("Pointages Kinopix"), QStringLiteral("\t"));
    });
}
BENCHMARK(BM_SaveTxt)->Name("Save/txt/10000x9")->Unit(benchmark::kMillisecond);

} // namespace
