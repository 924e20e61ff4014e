#include "app/VerificationTableur.h"

#include "platform/OfficeUno.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <cstdio>

namespace {

// The office's processes, known by the scratch profile on their command line.
QList<qint64> processusDuProfil(const QString& profil) {
    QList<qint64> trouves;
    const QByteArray marque = QDir(profil).absolutePath().toUtf8();
    for (const QString& nom : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool nombre = false;
        const qint64 pid = nom.toLongLong(&nombre);
        if (!nombre) continue;
        QFile ligne(QStringLiteral("/proc/%1/cmdline").arg(nom));
        if (ligne.open(QIODevice::ReadOnly) && ligne.readAll().contains(marque)) trouves << pid;
    }
    return trouves;
}

} // namespace

int verifierTableur() {
    QTemporaryDir dossier;
    officeUno::Options o;
    o.invisible = true;
    o.profil = dossier.filePath(QStringLiteral("profil"));
    o.tube = QStringLiteral("kinopix_verification_%1").arg(QCoreApplication::applicationPid());
    int resultat = 0;
    try {
        automation::PtrObjet bureau =
            officeUno::creer(o)->objet("CreateInstance", {"com.sun.star.frame.Desktop"});
        std::fputs("Kinopix : le pont vers LibreOffice Calc fonctionne.\n", stdout);
        try {
            bureau->appeler("terminate");
        } catch (const automation::Erreur&) {
        }
    } catch (const automation::Erreur& e) {
        std::fprintf(stderr, "Kinopix : le pont vers LibreOffice Calc ne fonctionne pas : %s\n",
                     e.what());
        resultat = 1;
    }
    // An office slow to end is given 10 s, then stopped, before its profile goes.
    for (int i = 0; i < 100 && !processusDuProfil(o.profil).isEmpty(); ++i)
        QThread::msleep(100);
    for (qint64 pid : processusDuProfil(o.profil))
        ::kill(pid_t(pid), SIGKILL);
    return resultat;
}
