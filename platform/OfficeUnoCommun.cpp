#include "platform/OfficeUno.h"

#include <QFileInfo>
#include <QStandardPaths>
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

} // namespace officeUno
