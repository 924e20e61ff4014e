#include "app/FichierConfig.h"

#include "platform/Cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace fichierConfig {

namespace {

// No valid line comes near this length (paths are far shorter); anything longer is cut
// so that a huge file without line breaks costs no more memory than this per line.
constexpr qsizetype kLongueurMax = 32 * 1024;

const QString kSep = QDir::separator();

bool fichierExiste(const QString& p) {
    return !p.isEmpty() && QFileInfo(p).isFile();
}

bool versionValide(const QString& v) {
    const QString b = v.toLower();
    return b == QLatin1String("win") || b == QLatin1String("dos");
}

} // namespace

QString chemin(const QString& dossierProgramme) {
    if (dossierProgramme.endsWith(kSep) || dossierProgramme.endsWith('/'))
        return dossierProgramme + kNomFichier;
    return dossierProgramme + kSep + kNomFichier;
}

bool existe(const QString& dossierProgramme) {
    return fichierExiste(chemin(dossierProgramme));
}

Lignes defauts(const QString& dossierProgramme) {
    return {QStringLiteral("[version]"), QStringLiteral("3.0"),     QStringLiteral("[clips]"),
            QStringLiteral("0"),         dossierProgramme + kSep,   QStringLiteral("[regressi]"),
            QStringLiteral("win,dos ?"), QStringLiteral("accès ?"), QStringLiteral("[tableur]"),
            QStringLiteral("tableur ?")};
}

Lignes lire(const QString& cheminFichier) {
    Lignes lignes{};
    QFile f(cheminFichier);
    if (!QFileInfo(cheminFichier).isFile() || !f.open(QIODevice::ReadOnly)) return lignes;
    int n = 0;
    QByteArray courante;
    bool apresCR = false; // an LF right after a CR ends nothing more
    auto finir = [&]() {
        lignes[n++] = cp1252::decoder(courante);
        courante.clear();
    };
    while (n < 10) {
        const QByteArray bloc = f.read(64 * 1024);
        if (bloc.isEmpty()) break;
        for (qsizetype i = 0; i < bloc.size() && n < 10; ++i) {
            const char c = bloc[i];
            if (c == '\n' && apresCR) {
                apresCR = false;
                continue;
            }
            apresCR = c == '\r';
            if (c == '\r' || c == '\n')
                finir();
            else if (courante.size() < kLongueurMax)
                courante.append(c);
        }
    }
    if (n < 10 && !courante.isEmpty()) finir();
    return lignes;
}

Lignes reparer(Lignes c, const QString& dossierProgramme) {
    // The earlier two-line layout: Regressi's path, then its version.
    const QString ancienChemin = fichierExiste(c[0]) ? c[0] : QString();
    const QString ancienneVersion = versionValide(c[1]) ? c[1].toLower() : QString();

    c[0] = QStringLiteral("[version]");
    c[1] = QStringLiteral("3.0");
    c[2] = QStringLiteral("[clips]");
    if (c[3] != QLatin1String("0") && c[3] != QLatin1String("1")) c[3] = QStringLiteral("0");

    QString dossier = c[4];
    const bool racine = dossier == kSep; // the root folder has nothing left once stripped
    if (!dossier.isEmpty() && dossier.endsWith(kSep)) dossier.chop(1);
    if (racine)
        c[4] = kSep;
    else if (!dossier.isEmpty() && QFileInfo::exists(dossier))
        c[4] = dossier + kSep;
    else
        c[4] = dossierProgramme + kSep;

    c[5] = QStringLiteral("[regressi]");
    if (!ancienneVersion.isEmpty() && !ancienChemin.isEmpty()) {
        c[6] = ancienneVersion;
        c[7] = ancienChemin;
    } else if (!versionValide(c[6]) || !fichierExiste(c[7])) {
        c[6] = QStringLiteral("win,dos ?");
        c[7] = QStringLiteral("accès ?");
    }

    c[8] = QStringLiteral("[tableur]");
    if (c[9] != QLatin1String("OpenOffice.Calc") && c[9] != QLatin1String("Microsoft Excel"))
        c[9] = QStringLiteral("tableur ?");
    return c;
}

Lignes chargerEtReparer(const QString& dossierProgramme) {
    if (!existe(dossierProgramme)) return defauts(dossierProgramme);
    return reparer(lire(chemin(dossierProgramme)), dossierProgramme);
}

bool ecrire(const QString& cheminFichier, const Lignes& lignes) {
    if (QFileInfo(cheminFichier).isDir()) return false;
    QSaveFile f(cheminFichier);
    // A folder that may not be written into still lets an existing file be replaced in place.
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly)) return false;
    const QStringList liste(lignes.begin(), lignes.end());
    const QByteArray octets = cp1252::lignesCRLF(liste, false);
    if (f.write(octets) != octets.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

} // namespace fichierConfig
