// FFMS2's own decoding time (no conversion, no cache) for the frames the navigation
// benchmarks show, to set beside them.

#include "platform/DecodeurFfms.h"
#include "tools/bench/ClipsBench.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

std::unique_ptr<DecodeurFfms> ouvrir(benchmark::State& etat, const QString& nom) {
    const QString chemin = clipsbench::clip(nom);
    if (chemin.isEmpty()) {
        etat.SkipWithError("clipgen n'a pas pu écrire le clip");
        return nullptr;
    }
    return std::make_unique<DecodeurFfms>(chemin);
}

// Successive steps back from the middle of the clip, one image per iteration.
void RawDecode(benchmark::State& etat, QString nom) {
    auto d = ouvrir(etat, nom);
    if (!d) return;
    const int milieu = d->nbImages() / 2;
    int n = milieu;
    d->decoderBrut(n);
    for (auto _ : etat) {
        if (--n < 0) n = milieu;
        benchmark::DoNotOptimize(d->decoderBrut(n));
    }
}

// Successive steps forward from the start.
void RawDecodeForward(benchmark::State& etat, QString nom) {
    auto d = ouvrir(etat, nom);
    if (!d) return;
    int n = 0;
    d->decoderBrut(n);
    for (auto _ : etat) {
        if (++n >= d->nbImages()) {
            etat.PauseTiming();
            n = 0;
            d->decoderBrut(n);
            etat.ResumeTiming();
        }
        benchmark::DoNotOptimize(d->decoderBrut(n));
    }
}

// From the first image to the last.
void RawDecodeLast(benchmark::State& etat, QString nom) {
    auto d = ouvrir(etat, nom);
    if (!d) return;
    for (auto _ : etat) {
        etat.PauseTiming();
        d->decoderBrut(0);
        etat.ResumeTiming();
        benchmark::DoNotOptimize(d->decoderBrut(d->nbImages() - 1));
    }
}

const bool enregistres = [] {
    for (const QString& nom : clipsbench::noms()) {
        const std::string n = nom.toStdString();
        benchmark::RegisterBenchmark(("RawDecode/" + n).c_str(), RawDecode, nom)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("RawDecodeForward/" + n).c_str(), RawDecodeForward, nom)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("RawDecodeLast/" + n).c_str(), RawDecodeLast, nom)
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
