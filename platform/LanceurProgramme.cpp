#include "platform/LanceurProgramme.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <memory>

namespace {

// xdg-open hands the document over and ends at once, or runs the application it found
// until the user closes it: only an end within this time tells of the opening itself.
constexpr qint64 kDelaiOuvertureMs = 10000;

} // namespace

bool LanceurProgramme::estNatif(const QString& programme) {
    const QFileInfo info(programme);
    if (!info.isFile() || !info.isExecutable()) return false;
    QFile fichier(programme);
    if (!fichier.open(QIODevice::ReadOnly)) return false;
    const QByteArray debut = fichier.read(4);
    return debut == QByteArray("\x7F"
                               "ELF",
                               4) ||
           debut.startsWith("#!");
}

bool LanceurProgramme::lancer(const QString& programme, const QStringList& arguments,
                              const QString& dossier) const {
    const QFileInfo info(programme);
    if (!info.isFile()) return false;
    if (info.suffix().compare(QLatin1String("exe"), Qt::CaseInsensitive) == 0 &&
        !estNatif(programme)) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty()) return false;
        return QProcess::startDetached(wine, QStringList{info.absoluteFilePath()} + arguments,
                                       dossier);
    }
    return QProcess::startDetached(info.absoluteFilePath(), arguments, dossier);
}

void LanceurProgramme::ouvrirDocument(const QString& chemin, QObject* contexte,
                                      const std::function<void()>& echec) {
    const QString xdg = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdg.isEmpty()) {
        QMetaObject::invokeMethod(contexte, echec, Qt::QueuedConnection);
        return;
    }
    // Not a child of anything: an application that xdg-open runs goes on after this program.
    auto* p = new QProcess;
    p->setStandardInputFile(QProcess::nullDevice());
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    auto montre = std::make_shared<QElapsedTimer>();
    montre->start();
    QObject::connect(p, &QProcess::finished, contexte,
                     [montre, echec](int code, QProcess::ExitStatus etat) {
                         if ((etat != QProcess::NormalExit || code != 0) &&
                             montre->elapsed() < kDelaiOuvertureMs)
                             echec();
                     });
    QObject::connect(p, &QProcess::errorOccurred, contexte, [echec](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) echec();
    });
    QObject::connect(p, &QProcess::finished, p, &QObject::deleteLater);
    QObject::connect(p, &QProcess::errorOccurred, p, [p](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) p->deleteLater();
    });
    p->start(xdg, {chemin});
}
