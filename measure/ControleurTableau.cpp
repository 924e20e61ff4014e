#include "measure/ControleurTableau.h"

#include "app/TForm1.h"

ControleurTableau::ControleurTableau(TForm1& form) : QObject(&form), f(form) {}
