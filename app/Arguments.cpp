#include "app/Arguments.h"

#include "app/TForm1.h"
#include "clip/ControleurClip.h"
#include "export/ControleurSeance.h"

#include <QFileInfo>

void ouvrirArguments(TForm1& f, const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a.isEmpty() || a.startsWith(QLatin1Char('-'))) continue;
        const QString chemin = QFileInfo(a).absoluteFilePath();
        if (QFileInfo(chemin).suffix().compare(QLatin1String("kinopix"), Qt::CaseInsensitive) == 0)
            f.seances->ouvrirSeance(chemin);
        else
            f.clip->ouvrirClip(chemin);
        return;
    }
}
