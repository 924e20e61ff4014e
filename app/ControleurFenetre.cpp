#include "app/ControleurFenetre.h"

#include "app/TForm1.h"

ControleurFenetre::ControleurFenetre(TForm1& form) : QObject(&form), f(form) {}
