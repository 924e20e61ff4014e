#include "aides/ClipsTest.h"

#include "tools/clipgen/MotifIndex.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>

namespace clipstest {

QString dossier() {
    static QTemporaryDir d;
    return d.path();
}

QString clip(const QString& nom, const QStringList& options) {
    const QString chemin = dossier() + "/" + nom;
    if (QFileInfo::exists(chemin)) return chemin;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(CLIPGEN_PATH, QStringList(options) << chemin);
    if (!p.waitForFinished(120000) || p.exitCode() != 0) return {};
    return chemin;
}

int indexAffiche(QWidget* widget, const QRect& zone) {
    if (!widget) return -1;
    return motif::lireIndex(widget->grab().toImage(), zone);
}

} // namespace clipstest
