#include "app/TraductionQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

bool chargerTraductionQt(QCoreApplication& app) {
    auto* traducteur = new QTranslator(&app);
    // Qt's catalogues folder first, then a "translations" folder beside the program for a
    // copy shipped with it.
    const QStringList dossiers = {
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString& dossier : dossiers) {
        if (traducteur->load(QStringLiteral("qtbase_fr"), dossier)) {
            QCoreApplication::installTranslator(traducteur);
            return true;
        }
    }
    delete traducteur;
    return false;
}
