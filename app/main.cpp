#include "app/Demarrage.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    auto fenetre = demarrer();
    fenetre->showMaximized();
    return app.exec();
}
