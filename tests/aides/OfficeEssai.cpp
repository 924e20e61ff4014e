#include "aides/OfficeEssai.h"

#include <QCoreApplication>
#include <QThread>

using automation::PtrObjet;

OfficeEssai::OfficeEssai() {
    static int numero = 0;
    options.invisible = true;
    options.profil = profil_.filePath("profil");
    options.tube =
        QStringLiteral("kinopix_essai_%1_%2").arg(QCoreApplication::applicationPid()).arg(++numero);
    if (!present()) return;
    try {
        bureau = officeUno::creer(options)->objet("CreateInstance", {"com.sun.star.frame.Desktop"});
    } catch (const automation::Erreur& e) {
        erreur = QString::fromStdString(e.what());
    }
}

OfficeEssai::~OfficeEssai() {
    if (!bureau) return;
    try {
        bureau->appeler("terminate");
    } catch (const automation::Erreur&) {
    }
    bureau.reset();
    // A stuck shutdown once held this test process at its exit. The profile is removed only
    // once the office has left it.
    officeUno::attendreFin(options.profil);
    QThread::msleep(100);
}

void OfficeEssai::fermerDocuments() {
    PtrObjet e = bureau->objet("Components")->objet("createEnumeration");
    while (e->appeler("hasMoreElements").booleen())
        e->objet("nextElement")->appeler("close", {true});
}

int OfficeEssai::fenetres() const {
    return bureau->objet("Frames")->appeler("getCount").entier();
}

PtrObjet OfficeEssai::feuilleActive() const {
    return bureau->objet("CurrentComponent")->objet("CurrentController")->objet("getActiveSheet");
}
