#include "app/VerificationTableur.h"

#include "platform/OfficeUno.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

int verifierTableur() {
    QTemporaryDir dossier;
    officeUno::Options o;
    o.invisible = true;
    o.profil = dossier.filePath(QStringLiteral("profil"));
    o.tube = QStringLiteral("kinopix_verification_%1").arg(QCoreApplication::applicationPid());
    int resultat = 0;
    try {
        automation::PtrObjet bureau =
            officeUno::creer(o)->objet("CreateInstance", {"com.sun.star.frame.Desktop"});
        std::fputs("Kinopix : le pont vers LibreOffice Calc fonctionne.\n", stdout);
        try {
            bureau->appeler("terminate");
        } catch (const automation::Erreur&) {
        }
    } catch (const automation::Erreur& e) {
        std::fprintf(stderr, "Kinopix : le pont vers LibreOffice Calc ne fonctionne pas : %s\n",
                     e.what());
        resultat = 1;
    }
    officeUno::attendreFin(o.profil); // before its profile goes
    return resultat;
}
