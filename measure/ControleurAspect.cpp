#include "measure/ControleurAspect.h"

#include "app/TForm1.h"

ControleurAspect::ControleurAspect(TForm1& form) : QObject(&form), f(form) {}

void ControleurAspect::Drawpoints() {}
void ControleurAspect::dessinerSegmentEchelle(Qt::PenStyle, const QColor&) {}
