// The AVI header reader and the preview texts on any bytes: never a read outside the
// file, a preview only for a header that makes sense.
#include "clip/EnTeteAvi.h"
#include "clip/TextesProprietes.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    QBuffer fichier;
    fichier.setData(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    fichier.open(QIODevice::ReadOnly);
    // Headers found by walking the chunks lie inside the file; otherwise the usual offsets.
    const avi::Disposition d = avi::disposition(fichier);
    const avi::Disposition usuelle;
    if ((d.enTetePrincipal != usuelle.enTetePrincipal && d.enTetePrincipal > qint64(taille)) ||
        (d.enTeteFlux != usuelle.enTeteFlux && d.enTeteFlux > qint64(taille)) ||
        d.totalOpenDml > qint64(taille))
        std::abort();
    try {
        const proprietes::Apercu a = proprietes::lireApercu(fichier);
        if (a.montrable())
            proprietes::textesApercu(QStringLiteral("x.avi"), QStringLiteral("1 ko"), a);
    } catch (const avi::ErreurEntreeSortie&) {
        // A file too short: the preview says nothing.
    }
    return 0;
}
