#include "app/ControleurFenetre.h"

#include "app/BarreOutils.h"
#include "app/MenuPrincipal.h"
#include "app/MenusSurgissants.h"
#include "app/TForm1.h"

#include <QAction>
#include <QToolButton>

ControleurFenetre::ControleurFenetre(TForm1& form) : QObject(&form), f(form) {
    menuPrincipal::construire(f);
    barreOutils::construire(f);
    menusSurgissants::construire(f);

    connect(f.action("mnuQuitter"), &QAction::triggered, this,
            &ControleurFenetre::mnuQuitterClick);
    connect(f.controle<QToolButton>("bbtnQuitter"), &QToolButton::clicked, this,
            &ControleurFenetre::mnuQuitterClick);
}

void ControleurFenetre::PageControl1Change() {}
void ControleurFenetre::OptTraitt(bool /*actif*/) {}
void ControleurFenetre::ecrireConfig() {}

void ControleurFenetre::mnuQuitterClick() { f.close(); }
