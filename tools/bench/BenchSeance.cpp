// Saving and opening a session of 10,000 images with 9 points each: the file's bytes made
// (nothing written to disk), then those bytes read and laid into a document already open
// on its clip.

#include "model/FichierSeance.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int images = 10000, points = 9;

ContenuSeance seancePleine() {
    ContenuSeance c;
    c.clip.cheminRelatif = QStringLiteral("clips/chute.avi");
    c.clip.cheminAbsolu = QStringLiteral("/home/élève/Kinopix/clips/chute.avi");
    c.clip.octets = 123'456'789;
    c.clip.nbImages = images;
    c.clip.largeur = 640;
    c.clip.hauteur = 480;
    c.etalonnage.distanceTexte = QStringLiteral("0,5");
    c.etalonnage.echelle = 0.5L / 317;
    c.n = points;
    for (int i = 0; i < images; ++i)
        for (int k = 1; k <= points; ++k)
            c.points.emplace_back(QPoint((i * 7 + k * 61) % 640, (i * 3 + k * 47) % 480));
    for (int k = 0; k <= points; ++k) {
        c.aspect.couleurs.push_back(uint32_t(k * 0x1A1A1A));
        c.aspect.dessines.push_back(true);
        c.aspect.formes.push_back(k % 4);
    }
    return c;
}

void Enregistrer(benchmark::State& etat) {
    const ContenuSeance c = seancePleine();
    for (auto _ : etat)
        benchmark::DoNotOptimize(fichierSeance::ecrire(c));
    etat.counters["octets"] = double(fichierSeance::ecrire(c).size());
}

void Ouvrir(benchmark::State& etat) {
    const ContenuSeance c = seancePleine();
    const QByteArray octets = fichierSeance::ecrire(c);
    FaitsClip faits;
    faits.chemin = c.clip.cheminAbsolu;
    faits.nbImages = images;
    faits.largeur = c.clip.largeur;
    faits.hauteur = c.clip.hauteur;
    faits.periode = 0.04L;
    Seance s;
    s.setClip(faits);
    for (auto _ : etat) {
        const fichierSeance::Lecture l =
            fichierSeance::lire(octets, QStringLiteral("banc.kinopix"));
        if (!l.contenu) {
            etat.SkipWithError(l.erreur.toStdString().c_str());
            return;
        }
        fichierSeance::appliquer(*l.contenu, s);
    }
}

[[maybe_unused]] const auto* enregistrer =
    benchmark::RegisterBenchmark("Session/save/10000x9", Enregistrer)
        -> Unit(benchmark::kMillisecond);
[[maybe_unused]] const auto* ouvrir =
    benchmark::RegisterBenchmark("Session/open/10000x9", Ouvrir) -> Unit(benchmark::kMillisecond);

} // namespace
