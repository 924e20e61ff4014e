#include "clip/ControleurNavigation.h"

#include "app/TForm1.h"

ControleurNavigation::ControleurNavigation(TForm1& form) : QObject(&form), f(form) {}

void ControleurNavigation::mpPositionner(int /*i*/) {}
void ControleurNavigation::reDraw(int /*i*/) {}
void ControleurNavigation::marqueT0() {}
void ControleurNavigation::chercherPointsPixel(int /*x*/, int /*y*/) {}
