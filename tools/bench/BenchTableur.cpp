#include "export/Releve.h"
#include "export/TransfertTableur.h"
#include "measure/Nbreels.h"
#include "platform/FabriqueSysteme.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

// Measured on the development machine (2 shared cores, under load, RelWithDebInfo, office
// without windows): see the issue note for the figures.

namespace {

// 1,000 images, one point on each, t from image 1.
Releve releveMille() {
    Releve r;
    r.n = 1;
    r.N = 1000;
    r.entetes = {"t", "x", "y"};
    r.lignes.push_back({"t(s)", "x(m)", "y(m)"});
    for (int i = 1; i <= r.N; ++i)
        r.lignes.push_back({formatFixe(3, (i - 1) * 0.04L, '.'), formatReel(2, 0.001L * i, '.'),
                            formatReel(2, -0.002L * i, '.')});
    return r;
}

void BM_TableurCalc(benchmark::State& s) {
    if (officeUno::programme().isEmpty()) {
        s.SkipWithError("LibreOffice absent");
        return;
    }
    QTemporaryDir profil;
    FabriqueSysteme f;
    f.office.invisible = true;
    f.office.profil = profil.filePath("profil");
    f.office.tube = QStringLiteral("kinopix_bench_%1").arg(QCoreApplication::applicationPid());
    automation::PtrObjet bureau;
    try {
        bureau = f.creer("com.sun.star.ServiceManager")
                     ->objet("CreateInstance", {"com.sun.star.frame.Desktop"});
    } catch (const automation::Erreur& e) {
        s.SkipWithError(e.what());
        return;
    }
    const Releve r = releveMille();
    tableur::Dialogue d;
    d.confirmer = [](const QString&) { return true; };
    QString message;
    d.informer = d.erreur = [&message](const QString& m) { message = m; };
    for (auto _ : s)
        if (tableur::transfererTableur(r, "OpenOffice.Calc", f, d) != tableur::Issue::Ecrit) {
            s.SkipWithError(message.toStdString().c_str());
            break;
        }
    const int cellules = 3 + 3 * r.N;
    s.counters["cellule"] = benchmark::Counter(
        cellules, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    try {
        bureau->appeler("terminate");
    } catch (const automation::Erreur&) {
    }
    bureau.reset();
    QThread::msleep(1000); // lets the office leave its profile before it is removed
}
BENCHMARK(BM_TableurCalc)
    ->Name("Tableur/calc/1000x1")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace
