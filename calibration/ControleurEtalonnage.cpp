#include "calibration/ControleurEtalonnage.h"

#include "app/TForm1.h"

ControleurEtalonnage::ControleurEtalonnage(TForm1& form) : QObject(&form), f(form) {}
