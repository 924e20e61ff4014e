#include "platform/FabriqueSysteme.h"

namespace {

const QString kGestionnaireOffice = QStringLiteral("com.sun.star.ServiceManager");
const QString kExcel = QStringLiteral("Excel.Application");

bool est(const QString& programme, const QString& attendu) {
    return programme.compare(attendu, Qt::CaseInsensitive) == 0;
}

[[noreturn]] void inconnu(const QString& programme) {
    throw automation::Erreur(QStringLiteral("programme inconnu : %1").arg(programme));
}

} // namespace

automation::PtrObjet FabriqueSysteme::creer(const QString& programme) {
    if (est(programme, kGestionnaireOffice)) return officeUno::creer(office);
    if (est(programme, kExcel)) return excelXlsx::creerApplication(excel);
    inconnu(programme);
}

automation::PtrObjet FabriqueSysteme::actif(const QString& programme) {
    // A running office is one that answers on the pipe; Excel never runs here.
    if (est(programme, kGestionnaireOffice)) return officeUno::connecter(office);
    if (est(programme, kExcel))
        throw automation::Erreur(QStringLiteral("Excel n'est pas en cours d'exécution"));
    inconnu(programme);
}
