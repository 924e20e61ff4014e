#include "clip/ControleurClip.h"

#include "app/TForm1.h"

ControleurClip::ControleurClip(TForm1& form) : QObject(&form), f(form) {}

void ControleurClip::RAZProClip() {}
void ControleurClip::bbtnOpenAviClick() {}
