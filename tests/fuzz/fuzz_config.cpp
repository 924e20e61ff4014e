// The configuration file: any bytes are read and repaired, and a repaired file, once
// written, repairs to itself.
#include "app/FichierConfig.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {
QString fichierTemporaire(const char* nom) {
    static const QString dossier =
        QDir::tempPath() + QStringLiteral("/kinopix-fuzz-config-") + QString::number(::getpid());
    QDir().mkpath(dossier);
    return dossier + QLatin1Char('/') + QLatin1String(nom);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    static const QString lu = fichierTemporaire("lu.txt");
    static const QString ecrit = fichierTemporaire("ecrit.txt");
    static const QString programme = QDir::tempPath();
    QFile f(lu);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    f.write(reinterpret_cast<const char*>(donnees), qint64(taille));
    f.close();
    const fichierConfig::Lignes repare = fichierConfig::reparer(fichierConfig::lire(lu), programme);
    if (!fichierConfig::ecrire(ecrit, repare)) return 0;
    const fichierConfig::Lignes relu = fichierConfig::lire(ecrit);
    if (relu != repare) std::abort(); // written and read back unchanged
    if (fichierConfig::reparer(relu, programme) != repare) std::abort();
    return 0;
}
