#pragma once

#include "aides/DocumentEssai.h"
#include "app/Demarrage.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "measure/HautBas.h"
#include "measure/OutilsGrille.h"

#include <memory>

// A session set up as clip opening leaves it (N images, a period, origin at the
// bottom-left pixel, one metre per pixel), without a video decoder: the table is erased
// without a question and laid out by initTableau, as opening does.
struct SessionTableau {
    std::unique_ptr<TForm1> f = demarrer();
    ControleurTableau& t = *f->tableau;
    GrilleTexte& g0 = t.grille0();
    GrilleMesures& g1 = t.grille1();

    explicit SessionTableau(int N = 10, long double periode = 0.04L, int hauteur = 100) {
        f->setTemoinClip([] { return true; });
        faitsClip(*f->seance, [&](FaitsClip& c) {
            c.nbImages = N;
            c.periode = periode;
        });
        f->vue.largeurAff = 200;
        f->vue.hauteurAff = hauteur;
        etalonner(*f->seance, [&](Etalonnage& c) {
            c.xOrig = 0;
            c.yOrig = hauteur - 1;
        });
        f->vue.effacerSansConfirmer = true;
        t.Button2Click();
        t.initTableau(N);
    }

    HautBas* ud(const char* nom) const { return f->findChild<HautBas*>(nom); }
    // The user clicks the spinner's arrows until it shows `valeur`.
    void regler(const char* nom, int valeur) const {
        HautBas* u = ud(nom);
        for (int i = u->value(); i < valeur; ++i)
            u->stepBy(1); // stops at its bounds
        for (int i = u->value(); i > valeur; --i)
            u->stepBy(-1);
    }
    void points(int n) const { regler("udPointsPlan", n); }
    // Records point k on every row with pixels derived from the row.
    void remplir(int k) const {
        for (int r = 1; r < g1.lignes(); ++r)
            t.ecrirePoint(k, r, 10 * k + r, 50 - r);
    }
};
