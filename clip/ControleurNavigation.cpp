#include "clip/ControleurNavigation.h"

#include "app/TForm1.h"

ControleurNavigation::ControleurNavigation(TForm1& form) : QObject(&form), f(form) {}
