#include "app/Demarrage.h"
#include "app/TraductionQt.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    chargerTraductionQt(app);
    auto fenetre = demarrer();
    fenetre->showMaximized();
    return app.exec();
}
