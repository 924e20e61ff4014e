#include "measure/ControleurAcquisition.h"

#include "app/TForm1.h"

ControleurAcquisition::ControleurAcquisition(TForm1& form) : QObject(&form), f(form) {}

void ControleurAcquisition::ChgPointNumero(int /*k*/) {}
