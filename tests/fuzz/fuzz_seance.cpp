// Session files: any bytes are read whole or refused with a reason, and a session read,
// once written, reads back the same.
#include "model/FichierSeance.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    const QByteArray octets(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    // A long clip's table costs its size in memory, up to a gigabyte: keep each run small.
    const QByteArray json = octets.startsWith("\xEF\xBB\xBF") ? octets.sliced(3) : octets;
    const QJsonObject clip = QJsonDocument::fromJson(json).object().value("clip").toObject();
    if (clip.value("nbImages").toDouble() > 100'000) return 0;

    const QString nom = QStringLiteral("essai.kinopix");
    const fichierSeance::Lecture l = fichierSeance::lire(octets, nom);
    if (l.contenu.has_value() == !l.erreur.isEmpty()) std::abort(); // content or a reason
    if (!l.contenu) return 0;
    if (l.contenu->points.size() != size_t(l.contenu->clip.nbImages) * Seance::pointsMax)
        std::abort();
    const fichierSeance::Lecture relu = fichierSeance::lire(fichierSeance::ecrire(*l.contenu), nom);
    if (!relu.contenu || !(*relu.contenu == *l.contenu)) std::abort();
    return 0;
}
