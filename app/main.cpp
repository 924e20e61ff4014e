#include "app/Arguments.h"
#include "app/Demarrage.h"
#include "app/Recuperation.h"
#include "app/TraductionQt.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    chargerTraductionQt(app);
    auto fenetre = demarrer();
    fenetre->showMaximized();
    // Once the window is laid out, so that a large clip is fitted to it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    offrirRecuperation(*fenetre);
    ouvrirArguments(*fenetre, QCoreApplication::arguments());
    return app.exec();
}
