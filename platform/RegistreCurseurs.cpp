#include "platform/RegistreCurseurs.h"

#include <QVariant>
#include <QWidget>

void RegistreCurseurs::appliquer(QWidget* w, int id) const {
    w->setCursor(curseur(id));
    w->setProperty("idCurseur", id);
}

int RegistreCurseurs::idDe(const QWidget* w) { return w->property("idCurseur").toInt(); }
