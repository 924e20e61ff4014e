#include "app/Demarrage.h"

#include <QApplication>

std::unique_ptr<TForm1> demarrer() {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    // The help file's bare name; the main window replaces it with its full path.
    qApp->setProperty("fichierAide", QStringLiteral("kinopix2.hlp"));
    auto fenetre = std::make_unique<TForm1>();
    fenetre->creerDialogues();
    return fenetre;
}
