// A saved session shown again: its clip opened at the display size its pixels were measured
// at, the appearance and the pointer, the document, then the image that was shown. Every
// room takes its part as it would from the user.
#include "app/TForm1.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurNavigation.h"
#include "clip/ControleurTaille.h"
#include "dialogs/TdlgPointeur.h"
#include "measure/ControleurAcquisition.h"
#include "measure/ControleurAspect.h"
#include "measure/ControleurTableau.h"
#include "measure/TableAspect.h"
#include "model/FichierSeance.h"
#include "model/Seance.h"

#include <QAction>
#include <cmath>

bool TForm1::restaurerSeance(const ContenuSeance& c, const QString& cheminClip) {
    if (!clip->ouvrirClip(cheminClip)) return false;
    if (std::lround(double(vue.rapportAff * 100)) != c.taillePc)
        taille->MaJ(c.taillePc, c.adapte); // the table is empty: nothing is asked
    vue.taillePc = c.taillePc;
    vue.adapte = c.adapte;

    GrilleTexte& a = vue.aspectPoints;
    const int colonnes =
        int(std::min({c.aspect.couleurs.size(), c.aspect.dessines.size(), c.aspect.formes.size()}));
    a.dimensionner(std::max(a.colonnes(), colonnes), 3);
    for (int k = 0; k < colonnes; ++k) {
        tableAspect::setCouleur(a, k, c.aspect.couleurs[size_t(k)]);
        tableAspect::setDessine(a, k, c.aspect.dessines[size_t(k)]);
        tableAspect::setForme(a, k, c.aspect.formes[size_t(k)]);
    }
    if (QAction* e = action(QStringLiteral("mnuTaille%1").arg(c.aspect.taillePoints + 1)))
        aspect->mnuTaille1Click(e);
    if (dlg.dlgPointeur != nullptr) {
        dlg.dlgPointeur->setIndexCouleur(c.aspect.couleurPointeur - 1);
        dlg.dlgPointeur->setIndexForme(c.aspect.formePointeur - 1);
        aspect->appliquerCurseur();
    }

    tableau->nbPointsPlan(c.n);
    fichierSeance::appliquer(c, *seance);
    aspect->relireTable();
    acquisition->ChgPointNumero(1);

    const int image = std::clamp(c.imageAffichee, 0, std::max(0, seance->clip().nbImages - 1));
    navigation->mpPositionner(image);
    tableau->suivreImage(image + 1);
    navigation->reDraw(image);
    // Nothing to undo in a session just opened, and nothing unsaved.
    seance->pile().clear();
    seance->pile().setClean();
    return true;
}
