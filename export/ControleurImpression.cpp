#include "export/ControleurImpression.h"

#include "app/ContexteFenetre.h"
#include "clip/ZonePointage.h"
#include "dialogs/TdlgImprimer.h"
#include "measure/TableAspect.h"
#include "model/Seance.h"

#include <QAction>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QToolButton>

ControleurImpression::ControleurImpression(const ContexteFenetre& contexte)
    : QObject(contexte.fenetre)
    , f(contexte) {
    connect(f.action("mnuImprimer"), &QAction::triggered, this,
            &ControleurImpression::bbtnImprimerClick);
    connect(f.controle<QToolButton>("bbtnImprimer"), &QToolButton::clicked, this,
            &ControleurImpression::bbtnImprimerClick);
}

ControleurImpression::~ControleurImpression() = default;

// The print dialog offers "from t = 0" only when that leaves images out.
void ControleurImpression::offrirPointsDepuisT0(int t0) {
    for (const char* nom : {"rbImpPoints0", "rbImpPoints1"})
        if (auto* w = f.fenetre->findChild<QWidget*>(nom)) w->setEnabled(t0 > 1);
}

QPrinter& ControleurImpression::imprimante() {
    if (!imprimante_) imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *imprimante_;
}

void ControleurImpression::bbtnImprimerClick() {
    TdlgImprimer* d = f.dlg->dlgImprimer;
    if (d == nullptr) return;
    d->imprimante = &imprimante();
    d->largeurImage = f.PaintBox1->width();
    d->hauteurImage = f.PaintBox1->height();
    d->echelle = f.seance->etalonnage().echelle;
    d->echelleARevoir = f.vue->echelleImpressionARevoir;
    d->imprimer = [this](const OptionsImpression& o) { return imprimer(o); };
    d->exec();
    f.vue->echelleImpressionARevoir = d->echelleARevoir;
}

SujetImpression ControleurImpression::sujet() const {
    const EtatVue& e = *f.vue;
    const Etalonnage& c = f.seance->etalonnage();
    const GrilleTexte& aspect = f.vue->aspectPoints;
    SujetImpression s;
    s.echelle = c.echelle;
    s.xOrig = c.xOrig;
    s.yOrig = c.yOrig;
    s.sensX = c.sensX;
    s.sensY = c.sensY;
    s.largeurAff = e.largeurAff;
    s.hauteurAff = e.hauteurAff;
    s.taillePoints = e.taillePoints;
    s.nbImages = std::max(0, f.seance->clip().nbImages);
    s.nbPoints = std::max(1, f.seance->n());
    s.t0 = f.seance->t0();
    auto lire = [&](int c) {
        SujetImpression::Aspect a;
        a.couleur = tableAspect::couleur(aspect, c);
        a.dessine = c < aspect.colonnes() && tableAspect::dessine(aspect, c);
        a.forme = tableAspect::forme(aspect, c);
        return a;
    };
    s.axes = lire(0);
    for (int k = 1; k <= s.nbPoints; ++k)
        s.points.push_back(lire(k));
    s.pixels.assign(size_t(s.nbImages) * size_t(s.nbPoints), QPoint(SujetImpression::absent, 0));
    for (int k = 1; k <= s.nbPoints; ++k) {
        for (int i = 0; i < s.nbImages; ++i) {
            if (const auto p = f.seance->point(i, k))
                s.pixels[size_t(i) * size_t(s.nbPoints) + size_t(k - 1)] = *p;
        }
    }
    return s;
}

bool ControleurImpression::imprimer(const OptionsImpression& o) {
    QPrinter& imp = imprimante();
    QPainter p;
    if (!p.begin(&imp)) {
        erreur(QStringLiteral("Impossible d'imprimer : aucune imprimante n'est disponible ou "
                              "l'impression a été refusée.\rChoisissez une imprimante, ou "
                              "l'impression dans un fichier, avec \"Configurer l'imprimante\"."));
        return false;
    }
    PageImpression page;
    page.resolutionX = imp.logicalDpiX();
    page.resolutionY = imp.logicalDpiY();
    page.largeur = imp.width();
    page.hauteur = imp.height();
    dessinImpression::dessiner(p, sujet(), o, page);
    if (!p.end()) {
        erreur(QStringLiteral("L'impression n'a pas pu être terminée."));
        return false;
    }
    f.seance->pile().setClean(); // the measures have left the program
    return true;
}

void ControleurImpression::erreur(const QString& texte) {
    // A "\r" in a message is a line break, as in every box of the program.
    QMessageBox::critical(f.fenetre, QStringLiteral("Erreur d'impression"),
                          QString(texte).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}
