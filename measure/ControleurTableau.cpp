#include "measure/ControleurTableau.h"

#include "app/TForm1.h"

ControleurTableau::ControleurTableau(TForm1& form) : QObject(&form), f(form) {}

void ControleurTableau::initTableau(int /*n*/) {}
void ControleurTableau::Button2Click() {}
void ControleurTableau::ActualGrid() {}
