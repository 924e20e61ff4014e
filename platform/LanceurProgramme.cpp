#include "platform/LanceurProgramme.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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
