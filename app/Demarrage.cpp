#include "app/Demarrage.h"

#include <QApplication>

std::unique_ptr<TForm1> demarrer() {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    auto fenetre = std::make_unique<TForm1>();
    fenetre->creerDialogues();
    return fenetre;
}
