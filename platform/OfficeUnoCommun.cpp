#include "platform/OfficeUno.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace officeUno {

QString programme(const Options& o) {
    if (!o.programme.isEmpty())
        return QFileInfo(o.programme).isExecutable() ? o.programme : QString();
    const QString trouve = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (!trouve.isEmpty()) return trouve;
    const QString debian = QStringLiteral("/usr/lib/libreoffice/program/soffice");
    return QFileInfo(debian).isExecutable() ? debian : QString();
}

QString tubeParDefaut() {
    return QStringLiteral("kinopix_%1").arg(getuid());
}

namespace {

QList<pid_t> processusDuProfil(const QString& profil) {
    QList<pid_t> trouves;
    const QByteArray marque = QDir(profil).absolutePath().toUtf8();
    for (const QString& nom : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool nombre = false;
        const pid_t pid = nom.toInt(&nombre);
        if (!nombre) continue;
        QFile ligne(QStringLiteral("/proc/%1/cmdline").arg(nom));
        if (ligne.open(QIODevice::ReadOnly) && ligne.readAll().contains(marque)) trouves << pid;
    }
    return trouves;
}

} // namespace

void attendreFin(const QString& profil, int attenteMs) {
    for (int i = 0; i < attenteMs / 100 && !processusDuProfil(profil).isEmpty(); ++i)
        QThread::msleep(100);
    for (pid_t pid : processusDuProfil(profil))
        ::kill(pid, SIGKILL);
}

} // namespace officeUno
