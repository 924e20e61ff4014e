#include "app/Recuperation.h"

#include "app/TForm1.h"
#include "export/ControleurSeance.h"

#include <QMessageBox>

void offrirRecuperation(TForm1& f) {
    const QStringList orphelines = ControleurSeance::recuperationsOrphelines();
    if (orphelines.isEmpty()) return;
    const QString chemin = orphelines.constFirst(); // the latest; others wait for a next start
    QMessageBox question(QMessageBox::Question, QStringLiteral("Récupération"),
                         QStringLiteral("Kinopix ne s'est pas fermé normalement. Voulez-vous "
                                        "récupérer les mesures de la séance précédente ?"),
                         QMessageBox::Yes | QMessageBox::No, &f);
    question.setDefaultButton(QMessageBox::Yes);
    if (question.exec() == QMessageBox::Yes && f.seances->recuperer(chemin)) return;
    ControleurSeance::oublierRecuperation(chemin);
}
