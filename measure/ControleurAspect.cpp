#include "measure/ControleurAspect.h"

#include "app/ContexteFenetre.h"
#include "clip/ZonePointage.h"
#include "dialogs/TaspectPointBox.h"
#include "dialogs/TdlgPointeur.h"
#include "measure/Calque.h"
#include "measure/PanneauPointage.h"
#include "model/Seance.h"
#include "platform/Bulles.h"
#include "platform/RegistreCurseurs.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

namespace {

// A small picture for the colour buttons: a point mark or a pair of axes.
QIcon glyphe(bool axes) {
    QImage im(16, 16, QImage::Format_ARGB32_Premultiplied);
    im.fill(Qt::transparent);
    ToileImage t(im);
    if (axes)
        dessinerAxes(t, qRgb(0, 0, 160), 1, 1, 3, 12, 16, 16, 1);
    else
        dessinerPoint(t, qRgb(200, 0, 0), 4, 7, 7, formeCercle);
    return QIcon(QPixmap::fromImage(im));
}

QToolButton* boutonCouleur(QWidget* parent, const char* nom, bool axes, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(nom);
    b->setIcon(glyphe(axes));
    b->setAutoRaise(true);
    bulles::appliquer(b, hint);
    b->setEnabled(false);
    return b;
}

QCheckBox* caseACocher(QWidget* parent, const char* nom, const QString& texte,
                       const QString& hint) {
    auto* c = new QCheckBox(texte, parent);
    c->setObjectName(nom);
    c->setChecked(true);
    bulles::appliquer(c, hint);
    c->setEnabled(false);
    return c;
}

} // namespace

ControleurAspect::ControleurAspect(const ContexteFenetre& contexte)
    : QObject(contexte.fenetre)
    , f(contexte) {
    construireOptions();
    connecterMenus();
    connect(f.seance, &Seance::etalonnageChange, this, &ControleurAspect::etalonnageChange);
}

// Of the calibration, only the axes (origin, orientation) and the scale segment (its two
// points) are drawn: the image is drawn again when what is shown of them moved.
void ControleurAspect::etalonnageChange() {
    const Etalonnage& c = f.seance->etalonnage();
    const bool axes =
        chkBoxAxDed->isChecked() && (c.xOrig != dessine_.xOrig || c.yOrig != dessine_.yOrig ||
                                     c.sensX != dessine_.sensX || c.sensY != dessine_.sensY);
    const bool segment =
        f.vue->segmentEchelleVisible && (c.p1 != dessine_.p1 || c.p2 != dessine_.p2);
    dessine_ = c;
    if ((axes || segment) && f.clipOuvert() && f.vue->noImage >= 0)
        emit redessinDemande(f.vue->noImage);
}

void ControleurAspect::construireOptions() {
    QWidget* p = f.pnlPointage;
    chkBoxPtDed = caseACocher(p, "chkBoxPtDed", QStringLiteral("dessiné"),
                              QStringLiteral("Automatiser l'affichage du point"));
    bbtnCouleurPoint = boutonCouleur(p, "bbtnCouleurPoint", false,
                                     QStringLiteral("Définir l'aspect du point en cours"));
    chkBoxAxDed =
        caseACocher(p, "chkBoxAxDed", QStringLiteral("axes"), QStringLiteral("Dessiner les axes"));
    bbtnCouleurAxes =
        boutonCouleur(p, "bbtnCouleurAxes", true, QStringLiteral("Choisir la couleur des axes"));
    panneauPointage::ajouterBloc(p, {chkBoxPtDed, bbtnCouleurPoint});
    panneauPointage::ajouterBloc(p, {chkBoxAxDed, bbtnCouleurAxes});

    connect(chkBoxPtDed, &QCheckBox::clicked, this, &ControleurAspect::chkPtDedExecute);
    connect(chkBoxAxDed, &QCheckBox::clicked, this, &ControleurAspect::chkAxDedExecute);
    connect(bbtnCouleurPoint, &QToolButton::clicked, this,
            &ControleurAspect::bbtnCouleurPointClick);
    connect(bbtnCouleurAxes, &QToolButton::clicked, this, &ControleurAspect::CouleurAxesExecute);
}

void ControleurAspect::connecterMenus() {
    auto surEntree = [this](const QString& nom, void (ControleurAspect::*h)(QAction*)) {
        if (QAction* a = f.action(nom))
            connect(a, &QAction::triggered, this, [this, a, h] { (this->*h)(a); });
    };
    auto surCommande = [this](const QString& nom, void (ControleurAspect::*h)()) {
        if (QAction* a = f.action(nom)) connect(a, &QAction::triggered, this, h);
    };
    if (auto* b = f.controle<QToolButton>("bbtnCible"))
        connect(b, &QToolButton::clicked, this, &ControleurAspect::bbtnCibleClick);
    surCommande("popUpMnuPointeur", &ControleurAspect::bbtnCibleClick);
    surCommande("mnuAspectPoints", &ControleurAspect::mnuAspectPointsClick);
    if (auto* u = f.controle<QSpinBox>("udTaillePoints"))
        connect(u, &QSpinBox::valueChanged, this, &ControleurAspect::udTaillePointsClick);
    for (int t = 1; t <= 5; ++t)
        surEntree(QStringLiteral("mnuTaille%1").arg(t), &ControleurAspect::mnuTaille1Click);
    for (const char* nom : {"mnuGrandeCible", "mnuPetiteCible", "mnuCroix"})
        surEntree(nom, &ControleurAspect::mnuPetiteCibleClick);
    for (const char* nom : {"mnuCouleurNoir", "mnuCouleurBlanc"})
        surEntree(nom, &ControleurAspect::mnuCouleurNoirClick);
    for (int n = 1; n <= 9; ++n) {
        surEntree(QStringLiteral("mnuFdCl%1points").arg(n), &ControleurAspect::mnuFdCl2pointsClick);
        surEntree(QStringLiteral("mnuFdSb%1points").arg(n), &ControleurAspect::mnuFdCl2pointsClick);
    }
    // The two sub-menus carry a check mark for the family last chosen.
    for (const char* nom : {"mnuFondClair", "mnuFondSombre"})
        if (QAction* a = f.action(nom)) a->setCheckable(true);
}

// --- The overlay ------------------------------------------------------------------------

QImage& ControleurAspect::calque() {
    QImage& c = f.PaintBox1->calque;
    const QSize taille(std::max(0, f.vue->largeurAff), std::max(0, f.vue->hauteurAff));
    if (c.size() != taille || c.format() != QImage::Format_ARGB32_Premultiplied) {
        c = taille.isEmpty() ? QImage() : QImage(taille, QImage::Format_ARGB32_Premultiplied);
        c.fill(Qt::transparent);
    }
    return c;
}

GeometrieCalque ControleurAspect::geometrie() const {
    const EtatVue& e = *f.vue;
    const Etalonnage& c = f.seance->etalonnage();
    GeometrieCalque g;
    g.sensX = c.sensX;
    g.sensY = c.sensY;
    g.xOrig = c.xOrig;
    g.yOrig = c.yOrig;
    g.largeur = e.largeurAff;
    g.hauteur = e.hauteurAff;
    g.taillePoints = e.taillePoints;
    g.nbImages = f.seance->clip().nbImages;
    g.nbPoints = std::min(f.seance->n(), f.vue->aspectPoints.colonnes() - 1);
    return g;
}

void ControleurAspect::Drawpoints() {
    QImage& im = calque();
    im.fill(Qt::transparent); // the marks are drawn afresh over the image shown
    ToileImage t(im);
    calque::tracer(t, *f.seance, f.vue->aspectPoints, geometrie());
    if (f.vue->segmentEchelleVisible) segmentSur(t, Qt::SolidLine, f.vue->couleurEchelle);
    f.PaintBox1->update();
}

void ControleurAspect::Drawpoints(QPainter& p) {
    ToilePeintre t(p);
    calque::tracer(t, *f.seance, f.vue->aspectPoints, geometrie());
    if (f.vue->segmentEchelleVisible) dessinerSegmentEchelle(Qt::SolidLine, f.vue->couleurEchelle);
}

void ControleurAspect::segmentSur(Toile& t, Qt::PenStyle style, const QColor& couleur) {
    ::dessinerSegmentEchelle(t, style, couleur.rgb(), f.seance->etalonnage().p1,
                             f.seance->etalonnage().p2, f.vue->p1EnCours);
}

void ControleurAspect::dessinerSegmentEchelle(Qt::PenStyle style, const QColor& couleur) {
    ToileImage t(calque());
    segmentSur(t, style, couleur);
    f.PaintBox1->update();
}

void ControleurAspect::dessinerMarque(int k, int x, int y) {
    const GrilleTexte& a = f.vue->aspectPoints;
    ToileImage t(calque());
    dessinerPoint(t, couleurBgr::versPixel(tableAspect::couleur(a, k)), f.vue->taillePoints, x, y,
                  tableAspect::forme(a, k));
    f.PaintBox1->update();
}

int ControleurAspect::pointCourant() const {
    return pointCourantLu ? pointCourantLu() : 1;
}

// The point shown by the acquisition: its "drawn" box follows it.
void ControleurAspect::montrerPoint(int k) {
    chkBoxPtDed->setChecked(pointDessine(k));
}

// n points per image: each new point starts white, drawn, as a cross; the "drawn" box
// shows the flag of the last point, and the point label turns white for a new point.
void ControleurAspect::suivreNombreDePoints(int n) {
    GrilleTexte& a = f.vue->aspectPoints;
    a.dimensionner(n + 1, std::max(3, a.lignes()));
    for (int k = 1; k <= n; ++k) {
        if (a.cellule(k, 0).isEmpty()) {
            a.setCellule(k, 0, tableAspect::blanc);
            emit couleurEtiquette(couleurBgr::versCouleur(tableAspect::blanc.toUInt()));
        }
        if (a.cellule(k, 1).isEmpty()) a.setCellule(k, 1, QStringLiteral("1"));
        if (a.cellule(k, 2).isEmpty()) a.setCellule(k, 2, QStringLiteral("0"));
    }
    const QSignalBlocker bloque(chkBoxPtDed);
    chkBoxPtDed->setChecked(a.cellule(n, 1) == QStringLiteral("1"));
}

// Every command of the appearance that needs a clip.
void ControleurAspect::activer() {
    for (QWidget* w : std::initializer_list<QWidget*>{chkBoxPtDed, bbtnCouleurPoint, chkBoxAxDed,
                                                      bbtnCouleurAxes})
        w->setEnabled(true);
}

void ControleurAspect::redessiner() {
    if (f.clipOuvert()) emit redessinDemande(f.vue->noImage);
}

// --- Clip opening -----------------------------------------------------------------------

void ControleurAspect::initAspect() {
    tableAspect::initialiser(f.vue->aspectPoints);
    emit pointChoisi(1);
}

void ControleurAspect::relireTable() {
    const GrilleTexte& a = f.vue->aspectPoints;
    chkBoxAxDed->setChecked(tableAspect::dessine(a, 0));
    chkBoxPtDed->setChecked(tableAspect::dessine(a, pointCourant()));
}

// --- Read by the other rooms ------------------------------------------------------------

QColor ControleurAspect::couleurPoint(int k) const {
    return couleurBgr::versCouleur(tableAspect::couleur(f.vue->aspectPoints, k));
}

bool ControleurAspect::pointDessine(int k) const {
    return tableAspect::dessine(f.vue->aspectPoints, k);
}

void ControleurAspect::couleurReticule(const QColor& c) {
    reticule_ = c;
    emit reticuleChange(c);
}

void ControleurAspect::appliquerCurseur() {
    f.curseurs->appliquer(f.PaintBox1,
                          f.dlg->dlgPointeur->Curseur(*f.vue, RegistreCurseurs::idDe(f.PaintBox1)));
}

// --- Axes and drawn flags ---------------------------------------------------------------

void ControleurAspect::CouleurAxesExecute() {
    if (!f.clipOuvert()) return;
    GrilleTexte& a = f.vue->aspectPoints;
    const QColor c = QColorDialog::getColor(couleurBgr::versCouleur(tableAspect::couleur(a, 0)),
                                            f.fenetre, QStringLiteral("Couleur des axes"));
    if (c.isValid()) tableAspect::setCouleur(a, 0, couleurBgr::depuisCouleur(c));
    redessiner();
}

void ControleurAspect::chkAxDedExecute() {
    if (!f.clipOuvert()) return;
    tableAspect::setDessine(f.vue->aspectPoints, 0, chkBoxAxDed->isChecked());
    redessiner();
}

void ControleurAspect::chkPtDedExecute() {
    if (!f.clipOuvert()) return;
    tableAspect::setDessine(f.vue->aspectPoints, pointCourant(), chkBoxPtDed->isChecked());
    redessiner();
}

// --- Point colour and shape -------------------------------------------------------------

void ControleurAspect::mnuAspectPointsClick() {
    bbtnCouleurPointClick();
}

void ControleurAspect::bbtnCouleurPointClick() {
    if (!f.clipOuvert() || !f.dlg->aspectPointBox) return;
    const int k = pointCourant();
    GrilleTexte& a = f.vue->aspectPoints;
    TaspectPointBox* d = f.dlg->aspectPointBox;
    d->preparer(couleurPoint(k), tableAspect::forme(a, k));
    if (d->exec() != QDialog::Accepted) return;
    tableAspect::setCouleur(a, k, couleurBgr::depuisCouleur(d->couleurChoisie()));
    emit couleurEtiquette(d->couleurChoisie());
    tableAspect::setForme(a, k, d->formeChoisie());
    redessiner();
}

// --- Point size -------------------------------------------------------------------------

void ControleurAspect::taille(int position) {
    f.vue->taillePoints = position;
    if (auto* l = f.controle<QLabel>("lblTaillePoints")) l->setText(QString::number(position + 1));
    redessiner();
}

void ControleurAspect::udTaillePointsClick() {
    if (!f.clipOuvert()) return;
    const int pos = f.controle<QSpinBox>("udTaillePoints")->value();
    if (QAction* a = f.action(QStringLiteral("mnuTaille%1").arg(pos + 1))) a->setChecked(true);
    taille(pos);
}

void ControleurAspect::mnuTaille1Click(QAction* entree) {
    entree->setChecked(true);
    const int pos = std::clamp(entree->data().toInt() - 1, 0, 4);
    if (auto* u = f.controle<QSpinBox>("udTaillePoints")) {
        const QSignalBlocker bloque(u);
        u->setValue(pos);
    }
    taille(pos);
}

// --- Pointer ----------------------------------------------------------------------------

void ControleurAspect::bbtnCibleClick() {
    TdlgPointeur* d = f.dlg->dlgPointeur;
    if (!d) return;
    if (d->exec() == QDialog::Accepted) appliquerCurseur();
}

void ControleurAspect::mnuPetiteCibleClick(QAction* entree) {
    f.dlg->dlgPointeur->setIndexForme(entree->data().toInt());
    appliquerCurseur();
}

void ControleurAspect::mnuCouleurNoirClick(QAction* entree) {
    f.dlg->dlgPointeur->setIndexCouleur(entree->data().toInt());
    appliquerCurseur();
}

// --- Quick colour configurations --------------------------------------------------------

void ControleurAspect::mnuFdCl2pointsClick(QAction* entree) {
    entree->setChecked(true);
    const int tag = entree->data().toInt();
    const bool clair = tag < 20;
    const int n = std::clamp(clair ? tag - 9 : tag - 19, 1, 9);
    const auto& couleurs = clair ? tableAspect::couleursFondClair : tableAspect::couleursFondSombre;
    // The 18 entries share one exclusive group: checking this one unchecks the other family.
    if (QAction* a = f.action(clair ? "mnuFondClair" : "mnuFondSombre")) a->setChecked(true);
    if (QAction* a = f.action(clair ? "mnuFondSombre" : "mnuFondClair")) a->setChecked(false);

    GrilleTexte& a = f.vue->aspectPoints;
    a.dimensionner(n + 1, 3);
    for (int k = 1; k <= n; ++k) {
        tableAspect::setCouleur(a, k, couleurs[size_t(k - 1)]);
        emit couleurEtiquette(couleurBgr::versCouleur(couleurs[size_t(k - 1)]));
    }
    emit nombreDePointsChoisi(n);
    redessiner();
}
