// The connections between the rooms of the main window. Each room tells what it did or
// needs through its own signals; here they reach the rooms that follow. Every connection is
// direct: a signal runs its slots at once, in the order they are connected.
#include "app/ControleurFenetre.h"
#include "app/TForm1.h"
#include "calibration/ControleurEtalonnage.h"
#include "clip/ControleurClip.h"
#include "clip/ControleurLoupe.h"
#include "clip/ControleurNavigation.h"
#include "clip/ControleurTaille.h"
#include "export/ControleurImpression.h"
#include "export/ControleurSeance.h"
#include "measure/ControleurAcquisition.h"
#include "measure/ControleurAspect.h"
#include "measure/ControleurTableau.h"

#include <QMouseEvent>
#include <QRect>

void TForm1::relierPieces() {
    void (ControleurAspect::*const dessiner)() = &ControleurAspect::Drawpoints;

    // Opening a clip: the steps the other rooms take, in the opening's order.
    clip->abandonnerMesures = [this] { return tableau->abandonnerMesures(); };
    connect(clip, &ControleurClip::tableauAEffacer, tableau, &ControleurTableau::Button2Click);
    connect(clip, &ControleurClip::nomClipChange, fenetre, &ControleurFenetre::afficherNomClip);
    connect(clip, &ControleurClip::affichagePrepare, etalonnage,
            &ControleurEtalonnage::presserXpYp);
    connect(clip, &ControleurClip::imageDemandee, navigation, &ControleurNavigation::mpPositionner);
    connect(clip, &ControleurClip::clipInitialise, this, [this](int nbImages) {
        etalonnage->initEchelle();
        tableau->initTableau(nbImages);
        aspect->initAspect();
    });
    connect(clip, &ControleurClip::lectureActivee, navigation,
            &ControleurNavigation::activerLecture);
    connect(clip, &ControleurClip::commandesActivees, this, [this] {
        acquisition->activer();
        aspect->activer();
        etalonnage->montrerMarques();
        etalonnage->activerChoix(true);
    });
    connect(clip, &ControleurClip::tailleAAdapter, taille, &ControleurTaille::ouvertureAdaptee);
    connect(clip, &ControleurClip::ongletDemande, fenetre, &ControleurFenetre::afficherOnglet);
    connect(clip, &ControleurClip::ongletChange, fenetre, &ControleurFenetre::PageControl1Change);
    connect(clip, &ControleurClip::ouvertureTerminee, this, [this] {
        etalonnage->ImgEtalon(0);
        fenetre->OptTraitt(true);
    });

    // Display size.
    connect(taille, &ControleurTaille::affichageDeplace, loupe, &ControleurLoupe::placeLoupe);
    connect(taille, &ControleurTaille::tableauAEffacer, tableau,
            &ControleurTableau::effacerPourNouvelleTaille);
    connect(taille, &ControleurTaille::etalonnageARemettre, etalonnage,
            &ControleurEtalonnage::remettreAZero);
    connect(taille, &ControleurTaille::redessinDemande, navigation, &ControleurNavigation::reDraw);
    connect(taille, &ControleurTaille::adaptationAffichee, clip,
            &ControleurClip::afficherAdaptation);

    // Navigation and the go-to-image dialog.
    navigation->t0 = [this] { return tableau->t0(); };
    connect(navigation, &ControleurNavigation::marquesADessiner, aspect, dessiner);
    connect(navigation, &ControleurNavigation::ligneCourante, tableau,
            &ControleurTableau::suivreImage);
    connect(navigation, &ControleurNavigation::celluleDemandee, tableau,
            &ControleurTableau::allerACellule);
    connect(navigation, &ControleurNavigation::pointChoisi, acquisition,
            &ControleurAcquisition::ChgPointNumero);
    connect(navigation, &ControleurNavigation::effacementDemande, this,
            [this](const QRect& plage, int c, int r) { tableau->effacerPlages(plage, c, r); });

    // Clicks on the image.
    acquisition->clicEtalonnage = [this](QMouseEvent* e) {
        return etalonnage->PaintBox1MouseUpEtalonnage(e);
    };
    connect(acquisition, &ControleurAcquisition::rechercheDemandee, navigation,
            &ControleurNavigation::chercherPointsPixel);
    connect(acquisition, &ControleurAcquisition::celluleSuivante, tableau,
            &ControleurTableau::suivreAcquisition);
    connect(acquisition, &ControleurAcquisition::colonneDemandee, tableau,
            &ControleurTableau::montrerColonne);
    connect(acquisition, &ControleurAcquisition::imageDemandee, navigation,
            &ControleurNavigation::mpPositionner);
    connect(acquisition, &ControleurAcquisition::marqueADessiner, aspect,
            &ControleurAspect::dessinerMarque);
    connect(acquisition, &ControleurAcquisition::marquesADessiner, aspect, dessiner);
    connect(acquisition, &ControleurAcquisition::redessinDemande, navigation,
            &ControleurNavigation::reDraw);
    connect(acquisition, &ControleurAcquisition::pointMontre, aspect,
            &ControleurAspect::montrerPoint);

    // Appearance of the points.
    aspect->pointCourantLu = [this] { return acquisition->pointCourant(); };
    connect(aspect, &ControleurAspect::redessinDemande, navigation, &ControleurNavigation::reDraw);
    connect(aspect, &ControleurAspect::pointChoisi, acquisition,
            &ControleurAcquisition::ChgPointNumero);
    connect(aspect, &ControleurAspect::couleurEtiquette, acquisition,
            &ControleurAcquisition::couleurEtiquette);
    connect(aspect, &ControleurAspect::nombreDePointsChoisi, tableau,
            &ControleurTableau::nbPointsPlan);
    connect(aspect, &ControleurAspect::reticuleChange, loupe, &ControleurLoupe::colorerReticule);

    // The table.
    connect(tableau, &ControleurTableau::imageDemandee, navigation,
            &ControleurNavigation::mpPositionner);
    connect(tableau, &ControleurTableau::pointChoisi, acquisition,
            &ControleurAcquisition::ChgPointNumero);
    connect(tableau, &ControleurTableau::marquesADessiner, aspect, dessiner);
    connect(tableau, &ControleurTableau::redessinDemande, navigation,
            &ControleurNavigation::reDraw);
    connect(tableau, &ControleurTableau::nombreDePointsChange, acquisition,
            &ControleurAcquisition::suivreNombreDePoints);
    connect(tableau, &ControleurTableau::nombreDePointsChange, aspect,
            &ControleurAspect::suivreNombreDePoints);
    connect(tableau, &ControleurTableau::t0Change, navigation,
            qOverload<>(&ControleurNavigation::marqueT0));
    connect(tableau, &ControleurTableau::t0Applique, impression,
            &ControleurImpression::offrirPointsDepuisT0);

    // Sessions.
    seances->abandonnerMesures = [this] { return tableau->abandonnerMesures(); };
    seances->restaurer = [this](const ContenuSeance& c, const QString& clipSeance) {
        return restaurerSeance(c, clipSeance);
    };
    fenetre->mesuresHorsSeance = [this] { return seances->mesuresHorsSeance(); };
    fenetre->enregistrerSeance = [this] { return seances->mnuEnregistrerSeanceClick(); };

    // The window's tabs and start-up.
    connect(fenetre, &ControleurFenetre::guideDesEtapesAMontrer, etalonnage,
            &ControleurEtalonnage::montrerGuide);
    connect(fenetre, &ControleurFenetre::echelleARemettre, etalonnage,
            &ControleurEtalonnage::initEchelle);
    connect(fenetre, &ControleurFenetre::modesDEtalonnageQuittes, etalonnage,
            &ControleurEtalonnage::quitterModes);
    connect(fenetre, &ControleurFenetre::ongletEtalonnageMontre, etalonnage,
            [this] { etalonnage->ImgEtalon(0); });

    // Calibration.
    connect(etalonnage, &ControleurEtalonnage::segmentADessiner, aspect,
            &ControleurAspect::dessinerSegmentEchelle);
}
