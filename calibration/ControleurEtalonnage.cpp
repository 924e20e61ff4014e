#include "calibration/ControleurEtalonnage.h"

#include "app/TForm1.h"

ControleurEtalonnage::ControleurEtalonnage(TForm1& form) : QObject(&form), f(form) {}

void ControleurEtalonnage::initEchelle() {}
void ControleurEtalonnage::ImgEtalon(int /*n*/) {}
void ControleurEtalonnage::ChxOrigRAZ() {}
void ControleurEtalonnage::etalonSimuRAZ() {}
void ControleurEtalonnage::echEtapAff(int /*code*/) {}
