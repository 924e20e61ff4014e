#include "aides/OfficeEssai.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <csignal>
#include <sys/types.h>

using automation::PtrObjet;

OfficeEssai::OfficeEssai() {
    static int numero = 0;
    options.invisible = true;
    options.profil = profil_.filePath("profil");
    options.tube =
        QStringLiteral("kinopix_essai_%1_%2").arg(QCoreApplication::applicationPid()).arg(++numero);
    if (!present()) return;
    try {
        bureau = officeUno::creer(options)->objet("CreateInstance", {"com.sun.star.frame.Desktop"});
    } catch (const automation::Erreur& e) {
        erreur = QString::fromStdString(e.what());
    }
}

namespace {

// The office's processes (its launcher and soffice.bin), known by the profile on their command
// line.
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

OfficeEssai::~OfficeEssai() {
    if (!bureau) return;
    try {
        bureau->appeler("terminate");
    } catch (const automation::Erreur&) {
    }
    bureau.reset();
    // LibreOffice 7.4 now and then stays stuck in its own shutdown, and once held this test
    // process at its exit: it is given 10 s, then killed. The profile is removed only once the
    // office has left it.
    for (int i = 0; i < 100 && !processusDuProfil(options.profil).isEmpty(); ++i)
        QThread::msleep(100);
    for (pid_t pid : processusDuProfil(options.profil))
        ::kill(pid, SIGKILL);
    QThread::msleep(100);
}

void OfficeEssai::fermerDocuments() {
    PtrObjet e = bureau->objet("Components")->objet("createEnumeration");
    while (e->appeler("hasMoreElements").booleen())
        e->objet("nextElement")->appeler("close", {true});
}

int OfficeEssai::fenetres() const {
    return bureau->objet("Frames")->appeler("getCount").entier();
}

PtrObjet OfficeEssai::feuilleActive() const {
    return bureau->objet("CurrentComponent")->objet("CurrentController")->objet("getActiveSheet");
}
