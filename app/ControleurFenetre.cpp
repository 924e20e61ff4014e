#include "app/ControleurFenetre.h"

#include "app/TForm1.h"

ControleurFenetre::ControleurFenetre(TForm1& form) : QObject(&form), f(form) {}

void ControleurFenetre::PageControl1Change() {}
void ControleurFenetre::OptTraitt(bool /*actif*/) {}
void ControleurFenetre::ecrireConfig() {}
