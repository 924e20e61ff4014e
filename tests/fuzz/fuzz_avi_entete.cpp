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
    const avi::Disposition d = avi::disposition(fichier);
    if (d.enTetePrincipal < 0 || d.enTeteFlux < 0 || d.enTetePrincipal > qint64(taille) + 8 ||
        d.enTeteFlux > qint64(taille) + 8)
        std::abort(); // headers are only ever found inside the file
    try {
        const proprietes::Apercu a = proprietes::lireApercu(fichier);
        if (a.montrable())
            proprietes::textesApercu(QStringLiteral("x.avi"), QStringLiteral("1 ko"), a);
    } catch (const avi::ErreurEntreeSortie&) {
        // A file too short: the preview says nothing.
    }
    return 0;
}
