#include "measure/ControleurTableau.h"

#include "app/ContexteFenetre.h"
#include "calibration/SaisieDistance.h"
#include "export/Releve.h"
#include "measure/CalculTableau.h"
#include "measure/GrilleMesures.h"
#include "measure/HautBas.h"
#include "measure/Nbreels.h"
#include "measure/OutilsGrille.h"
#include "model/Cadence.h"
#include "model/Commandes.h"
#include "platform/Bulles.h"
#include "platform/DispositionFluide.h"
#include "platform/Locale.h"
#include "platform/RetourALaLigne.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

HautBas* spinner(QWidget* parent, const char* nom, int min, int max, int pos) {
    auto* u = new HautBas(parent);
    u->setObjectName(nom);
    u->setRange(min, max);
    u->setValue(pos);
    u->setEnabled(false);
    return u;
}

// Labels break between words when the tab is too narrow for them on one line.
QLabel* etiquette(QWidget* parent, const QString& texte, const char* nom = nullptr) {
    auto* l = new EtiquetteRetour(texte, parent);
    if (nom) l->setObjectName(nom);
    return l;
}

// Controls side by side that stay together when a row goes onto several lines.
QWidget* bloc(QWidget* parent, std::initializer_list<QWidget*> controles) {
    auto* b = new QWidget(parent);
    auto* ligne = new QHBoxLayout(b);
    ligne->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : controles)
        ligne->addWidget(w);
    return b;
}

} // namespace

ControleurTableau::ControleurTableau(const ContexteFenetre& contexte)
    : QObject(contexte.fenetre)
    , f(contexte) {
    construirePanneau();
    connect(f.seance, &Seance::pointChange, this, &ControleurTableau::pointChange);
    connect(f.seance, &Seance::pointsChange, this, &ControleurTableau::pointsChange);
    connect(f.seance, &Seance::vueDemandee, this, &ControleurTableau::montrerChangement);
    connect(f.seance, &Seance::optionsChange, this, &ControleurTableau::optionsChange);
    // Every metre depends on the calibration, every t on the capture rate.
    connect(f.seance, &Seance::etalonnageChange, this, &ControleurTableau::ActualGrid);
    connect(f.seance, &Seance::cadenceChange, this, [this] {
        if (!montrerDureeImage()) ActualGrid();
    });
}

void ControleurTableau::construirePanneau() {
    QWidget* p = f.pnlTableau;
    auto* pile = new QVBoxLayout(p);
    pile->setContentsMargins(0, 0, 0, 0);

    udPointsPlan = spinner(p, "udPointsPlan", 1, 9, 1);
    bulles::appliquer(udPointsPlan,
                      QStringLiteral("Définir le nombre de pointages par image (1..9)"));
    udPointsPlan->flechesSeules();
    lblPointsPlan = etiquette(p, QStringLiteral("1"), "lblPointsPlan");
    auto* ligne1 = new QHBoxLayout;
    ligne1->addWidget(etiquette(p, QStringLiteral("Pointages par image :")));
    ligne1->addWidget(lblPointsPlan);
    ligne1->addWidget(udPointsPlan);
    ligne1->addStretch(1);
    pile->addLayout(ligne1);

    udt0 = spinner(p, "udt0", 1, 1, 1);
    udt0->flechesSeules();
    lblt0 = etiquette(p, QStringLiteral("1"), "lblt0");
    auto* ligne2 = new QHBoxLayout;
    ligne2->addWidget(etiquette(p, QStringLiteral("Origine des dates (t = 0) : image n° ")));
    ligne2->addWidget(lblt0);
    ligne2->addWidget(udt0);
    ligne2->addStretch(1);
    pile->addLayout(ligne2);

    udFmt_t = spinner(p, "udFmt_t", 0, 6, 3);
    udFmt_xy = spinner(p, "udFmt_xy", 0, 4, 2);
    auto* ligne3 = new DispositionFluide(nullptr, 12, 2);
    ligne3->addWidget(bloc(p, {etiquette(p, QStringLiteral("Décimales de t")), udFmt_t}));
    ligne3->addWidget(bloc(p, {etiquette(p, QStringLiteral("Chiffres de x, y")), udFmt_xy}));
    pile->addLayout(ligne3);

    // Under the label "Effacer" each button reads as the end of its command; the whole
    // command is its hint.
    auto bouton = [p](const char* nom, const QString& texte, const QString& bulle) {
        auto* b = new QPushButton(texte, p);
        b->setObjectName(nom);
        b->setEnabled(false);
        bulles::appliquer(b, bulle);
        return b;
    };
    Button0 =
        bouton("Button0", QStringLiteral("une colonne"), QStringLiteral("Effacer une colonne"));
    Button1 = bouton("Button1", QStringLiteral("une ligne"), QStringLiteral("Effacer une ligne"));
    Button2 = bouton("Button2", QStringLiteral("le tableau"), QStringLiteral("Effacer le tableau"));
    auto* ligne4 = new DispositionFluide(nullptr, 6, 2);
    for (QWidget* w : {static_cast<QWidget*>(etiquette(p, QStringLiteral("Effacer"))),
                       static_cast<QWidget*>(Button0), static_cast<QWidget*>(Button1),
                       static_cast<QWidget*>(Button2)})
        ligne4->addWidget(w);
    pile->addLayout(ligne4);

    StringGrid1 = new GrilleMesures(p);
    StringGrid1->setEnabled(false);
    // The table takes the height the controls above leave; in a short window it keeps
    // room for its titles and four rows, and the tab scrolls.
    StringGrid1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    StringGrid1->setMinimumHeight(StringGrid1->horizontalHeader()->sizeHint().height() +
                                  4 * StringGrid1->verticalHeader()->defaultSectionSize() +
                                  2 * StringGrid1->frameWidth());
    pile->addWidget(StringGrid1, 1);

    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(500);

    connect(udPointsPlan, &HautBas::clic, this, &ControleurTableau::udPointsPlanClick);
    connect(udFmt_t, &HautBas::clic, this, &ControleurTableau::udFmt_tClick);
    connect(udFmt_xy, &HautBas::clic, this, &ControleurTableau::udFmt_xyClick);
    connect(udt0, &HautBas::clic, this, &ControleurTableau::udt0Click);
    connect(udt0, &HautBas::enfonce, this, &ControleurTableau::udt0MouseDown);
    connect(udt0, &HautBas::relache, this, &ControleurTableau::udt0MouseUp);
    connect(Timer2, &QTimer::timeout, this, &ControleurTableau::Timer2Timer);
    connect(Button0, &QPushButton::clicked, this, &ControleurTableau::Button0Click);
    connect(Button1, &QPushButton::clicked, this, &ControleurTableau::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &ControleurTableau::Button2Click);
    connect(StringGrid1, &GrilleMesures::celluleCourante, this,
            &ControleurTableau::StringGrid1Click);
    connect(StringGrid1, &GrilleMesures::sourisRelachee, this,
            &ControleurTableau::StringGrid1MouseUp);
    connect(StringGrid1, &GrilleMesures::toucheRelachee, this,
            &ControleurTableau::StringGrid1KeyUp);
}

bool ControleurTableau::clipOuvert() const {
    return f.clipOuvert();
}

int ControleurTableau::nbPoints() const {
    return udPointsPlan->value();
}
int ControleurTableau::t0() const {
    return udt0->value();
}

void ControleurTableau::ecrirePoint(int k, int r, int px, int py) {
    f.seance->pile().push(new CommandePointage(*f.seance, r - 1, k, QPoint(px, py)));
}

// The pixel cells of point k on row image + 1 and, from them, its metres; both empty for
// a point erased. The visible cells are repainted on request, when they are shown.
void ControleurTableau::ecrireCellules(int image, int k, bool repeindre) {
    const int r = image + 1;
    if (r < 1 || r >= StringGrid0.lignes()) return;
    const int c = 2 * k - 1;
    QString x, y, mx, my;
    if (const auto p = f.seance->point(image, k)) {
        const QChar sep = separateurDecimal();
        x = QString::number(p->x());
        y = QString::number(p->y());
        mx = calcul::texteX(*f.seance, p->x(), sep);
        my = calcul::texteY(*f.seance, p->y(), sep);
    }
    StringGrid0.setCellule(c, r, x);
    StringGrid0.setCellule(c + 1, r, y);
    if (repeindre && c + 1 < StringGrid1->colonnes()) {
        StringGrid1->setCellule(c, r, mx);
        StringGrid1->setCellule(c + 1, r, my);
    } else {
        StringGrid1->cellules().setCellule(c, r, mx);
        StringGrid1->cellules().setCellule(c + 1, r, my);
    }
}

void ControleurTableau::pointChange(int image, int k) {
    ecrireCellules(image, k, true);
}

void ControleurTableau::pointsChange(int premiere, int derniere) {
    for (int i = premiere; i <= derniere; ++i)
        for (int k = 1; k <= Seance::pointsMax; ++k)
            ecrireCellules(i, k, false);
    StringGrid1->toutRedessiner();
}

void ControleurTableau::montrerChangement(int image, int k) {
    if (!clipOuvert()) return;
    const int r = image + 1;
    const int c = k >= 1 ? 2 * k - 1 : StringGrid1->colonne();
    if (StringGrid1->colonne() == c && StringGrid1->ligne() == r)
        StringGrid1Click(c, r); // the same cell: shows its image and marks again
    else
        setCelluleCourante(c, r);
}

void ControleurTableau::setCelluleVisible(int c, int r, const QString& texte) {
    StringGrid1->setCellule(c, r, texte);
}

void ControleurTableau::setCelluleCourante(int c, int r) {
    StringGrid1->setColonne(c);
    StringGrid1->setLigne(r);
}

// The pixel table's current cell is the visible table's.
void ControleurTableau::alignerPixels() {
    StringGrid0.setColonne(StringGrid1->colonne());
    StringGrid0.setLigne(StringGrid1->ligne());
}

void ControleurTableau::suivreImage(int r) {
    StringGrid0.setLigne(r);
    StringGrid1->setLigne(r); // runs the click handling when it changes
}

void ControleurTableau::allerACellule(int c, int r) {
    setCelluleCourante(c, r);
    alignerPixels();
}

void ControleurTableau::suivreAcquisition(int c, int r) {
    if (r >= 0) StringGrid1->setLigne(r);
    if (c >= 0) StringGrid1->setColonne(c);
    alignerPixels();
    defiler();
}

void ControleurTableau::montrerColonne(int c) {
    StringGrid0.setColonne(c);
    StringGrid1->setColonne(c);
}

void ControleurTableau::effacerPourNouvelleTaille() {
    const int colonnes = std::max(StringGrid0.colonnes(), StringGrid1->colonnes());
    const int lignes = std::max(StringGrid0.lignes(), StringGrid1->lignes());
    if (colonnes > 1 && lignes > 1) effacerPlages(QRect(1, 1, colonnes - 1, lignes - 1), 1, 1);
}

// Keeps the current cell of the visible table in sight: a row below the view becomes the
// last visible row, a column right of the view the last visible column, and a column left
// of it comes second, after the one before it.
void ControleurTableau::defiler() {
    GrilleMesures& v = *StringGrid1;
    if (!v.model()) return;
    const int ligne = v.ligne() - 1, colonne = v.colonne() - 1; // the view has no fixed cells
    const QModelIndex courant = v.model()->index(ligne, colonne);
    if (!courant.isValid()) return;
    const int derniereLigne = v.rowAt(v.viewport()->height() - 1);
    if (derniereLigne >= 0 && ligne > derniereLigne)
        v.scrollTo(courant, QAbstractItemView::PositionAtBottom);
    const int premiere = v.columnAt(0);
    const int derniere = v.columnAt(v.viewport()->width() - 1);
    if (derniere >= 0 && colonne > derniere) {
        v.scrollTo(courant, QAbstractItemView::EnsureVisible);
    } else if (premiere >= 0 && colonne < premiere) {
        const int gauche = std::max(0, colonne - 1);
        QScrollBar* barre = v.horizontalScrollBar();
        barre->setValue(v.horizontalScrollMode() == QAbstractItemView::ScrollPerItem
                            ? gauche
                            : barre->value() + v.columnViewportPosition(gauche));
    }
}

void ControleurTableau::effacerPlages(const QRect& p, int c, int r, bool avecCaches) {
    const int kMin = (p.left() + 1) / 2;
    const int kMax = avecCaches ? int(Seance::pointsMax) : (p.right() + 1) / 2;
    if (p.top() <= p.bottom() && kMin <= kMax)
        f.seance->pile().push(
            new CommandeEffacement(*f.seance, p.top() - 1, p.bottom() - 1, kMin, kMax));
    StringGrid0.setColonne(c);
    StringGrid0.setLigne(r);
    StringGrid1->setColonne(c);
    StringGrid1->setLigne(r);
}

void ControleurTableau::initTableau(int n) {
    const int N = std::max(0, n);
    const QChar sep = separateurDecimal();

    // A new clip starts from an empty document and empty tables: points of a previous
    // clip kept in hidden columns must not come back when the number of points is raised.
    f.seance->setN(1);
    StringGrid0.vider();
    dimensionnerGrille(StringGrid0, 3, N + 1);
    entetesXY(StringGrid0, QString(), 1);
    StringGrid0.setCellule(0, 0, QStringLiteral("t"));
    StringGrid0.setColonne(1);
    StringGrid0.setLigne(1);

    StringGrid1->vider();
    StringGrid1->setT0(1);
    dimensionnerGrille(*StringGrid1, 3, N + 1);
    StringGrid1->setEnabled(true);
    ajusterColonnesXY();
    entetesXY(*StringGrid1, QStringLiteral("(m)"), 1);

    f.seance->setDecimalesT(3);
    StringGrid1->setLargeurColonne(
        0, StringGrid1->largeurTexte(formatFixe(3, N * f.seance->clip().periode, sep) +
                                     QLatin1Char('0')));
    StringGrid1->setCellule(0, 0, QStringLiteral("t(s)"));
    GrilleTexte& cellules = StringGrid1->cellules();
    for (int r = 1; r <= N; ++r)
        cellules.setCellule(0, r, calcul::texteT(*f.seance, r, 1, 3, sep));
    StringGrid1->toutRedessiner();
    StringGrid1->setColonne(1);
    StringGrid1->setLigne(1);

    // The t decimals spinner follows the pattern the new table starts with.
    udFmt_t->setValue(3);
    f.seance->setDecimalesT(3);
    udFmt_t->setEnabled(true);
    udFmt_xy->setEnabled(true);
    udt0->setMaximum(std::max(1, N));
    udt0->setValue(1);
    udt0->setSingleStep(1);
    udt0->setEnabled(true);
    lblt0->setText(QStringLiteral("1"));
    emit t0Applique(1);
    udPointsPlan->setValue(1);
    udPointsPlan->setEnabled(true);
    lblPointsPlan->setText(QStringLiteral("1"));
    emit nombreDePointsChange(1);
    Button0->setEnabled(true);
    Button1->setEnabled(true);
    Button2->setEnabled(true);
    montrerDureeImage();
    marquerEnregistre();
}

void ControleurTableau::ajusterColonnesXY() {
    const int largeur = StringGrid1->largeurTexte(formatReel(f.seance->chiffresXY(), 0));
    for (int c = 1; c < StringGrid1->colonnes(); ++c)
        StringGrid1->setLargeurColonne(c, largeur);
}

void ControleurTableau::udPointsPlanClick() {
    const int n = udPointsPlan->value();
    // The quick colour configurations no longer describe the points: every entry loses
    // its check mark, even inside an exclusive group.
    for (QAction* a : f.fenetre->findChildren<QAction*>()) {
        const QString nom = a->objectName();
        if (!nom.startsWith(QStringLiteral("mnuFdCl")) &&
            !nom.startsWith(QStringLiteral("mnuFdSb")) && nom != QStringLiteral("mnuFondClair") &&
            nom != QStringLiteral("mnuFondSombre"))
            continue;
        QActionGroup* g = a->actionGroup();
        const auto regle = g ? g->exclusionPolicy() : QActionGroup::ExclusionPolicy::None;
        if (g) g->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        a->setChecked(false);
        if (g) g->setExclusionPolicy(regle);
    }
    nbPointsPlan(n);
}

void ControleurTableau::nbPointsPlan(int n) {
    n = std::clamp(n, 1, 9);
    // First, as the current cell moving to the last point below picks that point.
    emit nombreDePointsChange(n);
    lblPointsPlan->setText(QString::number(n));
    if (udPointsPlan->value() != n) udPointsPlan->setValue(n);
    f.seance->setN(n);

    StringGrid0.setColonnes(2 * n + 1);
    StringGrid1->dimensionner(2 * n + 1, StringGrid1->lignes());
    for (int k = 1; k <= n; ++k) {
        StringGrid1->setLargeurColonne(2 * k - 1, StringGrid1->largeurColonne(1));
        StringGrid1->setLargeurColonne(2 * k, StringGrid1->largeurColonne(2));
    }
    StringGrid0.setColonne(2 * n - 1);
    StringGrid1->setColonne(2 * n - 1);
    entetesXY(StringGrid0, QString(), n);
    entetesXY(*StringGrid1, QStringLiteral("(m)"), n);
}

void ControleurTableau::ActualGrid() {
    if (!clipOuvert()) return;
    calcul::recalculer(StringGrid0, StringGrid1->cellules(), *f.seance, nbPoints(), t0(),
                       separateurDecimal());
    StringGrid1->toutRedessiner();
}

Releve ControleurTableau::releve() const {
    Releve rel;
    rel.n = nbPoints();
    rel.t0 = t0();
    rel.N = std::max(0, StringGrid0.lignes() - 1);
    rel.separateur = separateurDecimal();
    rel.positionFmtT = udFmt_t->value();
    rel.positionFmtXY = udFmt_xy->value();
    const int colonnes = 2 * rel.n + 1;
    for (int c = 0; c < colonnes; ++c)
        rel.entetes << StringGrid0.cellule(c, 0);
    rel.lignes.resize(static_cast<size_t>(rel.N) + 1);
    const GrilleTexte& visibles = StringGrid1->cellules();
    for (int c = 0; c < colonnes; ++c) {
        const auto& col = visibles.colonneStockee(c);
        const int fin = std::min<int>(static_cast<int>(col.size()), rel.N + 1);
        for (int r = 0; r <= rel.N; ++r)
            rel.lignes[static_cast<size_t>(r)]
                << (r < fin ? col[static_cast<size_t>(r)] : QString());
    }
    return rel;
}

bool ControleurTableau::mesuresNonEnregistrees() const {
    return clipOuvert() && f.seance->nonEnregistre();
}

void ControleurTableau::marquerEnregistre() {
    f.seance->pile().setClean();
}

bool ControleurTableau::abandonnerMesures() {
    if (!mesuresNonEnregistrees()) return true;
    QMessageBox boite(QMessageBox::Question, QStringLiteral("Confirmation"),
                      QStringLiteral("Les mesures du clip actuel n'ont pas été enregistrées.\n\n"
                                     "Voulez-vous les abandonner ?"),
                      QMessageBox::Yes | QMessageBox::No,
                      QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                        : f.fenetre);
    boite.setDefaultButton(QMessageBox::No);
    return boite.exec() == QMessageBox::Yes;
}

bool ControleurTableau::tableauOccupe() const {
    return clipOuvert() && f.seance->occupe();
}

// Enough decimals of t for two significant digits of an image's duration, raised once for
// a fast capture rate; true when the t column was written again for it.
bool ControleurTableau::montrerDureeImage() {
    if (!clipOuvert()) return false;
    const int d = cadence::decimalesT(f.seance->cadencePriseDeVue(), udFmt_t->value());
    if (d == udFmt_t->value()) return false;
    udFmt_t->setValue(d);
    udFmt_tClick();
    return true;
}

void ControleurTableau::udFmt_tClick() {
    if (!clipOuvert()) return;
    const int p = udFmt_t->value();
    f.seance->setDecimalesT(p);
    long double dernier = 0;
    const int N = StringGrid1->lignes() - 1;
    if (N >= 1) lireReel(StringGrid1->cellule(0, N), dernier);
    StringGrid1->setLargeurColonne(
        0,
        StringGrid1->largeurTexte(formatFixe(p, dernier, separateurDecimal()) + QLatin1Char('0')));
    ActualGrid();
}

void ControleurTableau::udFmt_xyClick() {
    if (!clipOuvert()) return;
    const int chiffres = udFmt_xy->value() + 1;
    if (chiffres == f.seance->chiffresXY()) return;
    // The distance is written again with as many digits, and the scale re-derived from
    // the rewritten text.
    const QChar sep = separateurDecimal();
    Etalonnage c = f.seance->etalonnage();
    if (const auto d = saisie::lireReel(c.distanceTexte, sep)) {
        c.distanceTexte = formatReel(chiffres - 1, *d);
        const saisie::Evaluation ev = saisie::evaluerDistance(c.distanceTexte, sep, c.p1, c.p2);
        if (ev.reparation.curseur >= 0) c.distanceTexte = ev.reparation.texte;
        if (ev.accepte) c.echelle = ev.echelle;
    }
    f.seance->pile().push(new CommandeChiffres(*f.seance, chiffres, c));
}

void ControleurTableau::udt0Click() {
    lblt0->setText(QString::number(t0()));
    emit t0Change();
}

void ControleurTableau::udt0MouseDown() {
    Timer2->start();
}

void ControleurTableau::Timer2Timer() {
    if (udt0->singleStep() < udt0->maximum()) udt0->setSingleStep(udt0->singleStep() * 2);
}

void ControleurTableau::udt0MouseUp() {
    Timer2->stop();
    udt0->setSingleStep(1);
    appliquerT0();
    // One release is one change, however many steps a held arrow made.
    if (t0() != f.seance->t0()) f.seance->pile().push(new CommandeT0(*f.seance, t0()));
}

void ControleurTableau::appliquerT0() {
    calcul::colonneT(StringGrid1->cellules(), *f.seance, t0(), separateurDecimal());
    StringGrid1->setT0(t0());
    emit t0Applique(t0());
}

// t0, the digits of x, y or the decimals of t given back by an undo, a redo or a session.
void ControleurTableau::optionsChange() {
    const Seance& s = *f.seance;
    if (clipOuvert() && s.t0() != t0()) {
        udt0->setValue(s.t0());
        udt0Click();
        appliquerT0();
    }
    if (clipOuvert() && s.chiffresXY() != chiffresAffiches_) {
        udFmt_xy->setValue(s.chiffresXY() - 1);
        chiffresAffiches_ = s.chiffresXY();
        ajusterColonnesXY();
        ActualGrid();
    }
    if (clipOuvert() && s.decimalesT() != udFmt_t->value()) {
        udFmt_t->setValue(s.decimalesT());
        udFmt_tClick();
    }
}

void ControleurTableau::StringGrid1Click(int c, int r) {
    if (!clipOuvert()) return;
    emit pointChoisi((c + 1) / 2);
    StringGrid0.setColonne(c);
    StringGrid0.setLigne(r);
    emit imageDemandee(r - 1);
    emit marquesADessiner();
}

void ControleurTableau::StringGrid1MouseUp(int c, int r, bool glisse) {
    if (c < 0 || r < 0) return;
    const int n = nbPoints();
    const int N = StringGrid1->lignes() - 1;
    if (N < 1) return;
    if (r >= 1 && c >= 1) {
        // A range chosen by dragging (or Shift) stays; a plain click selects its cell.
        if (!glisse) StringGrid1->setSelection(plage(c, r, c, r));
    } else if (r >= 1) {
        StringGrid1->setSelection(plage(1, r, 2 * n, r));
    } else if (c >= 1) {
        const int k = (c + 1) / 2;
        StringGrid1->setSelection(plage(2 * k - 1, 1, 2 * k, N));
    } else {
        StringGrid1->setSelection(plage(1, 1, 2 * n, N));
    }
}

void ControleurTableau::StringGrid1KeyUp(int touche) {
    if (touche != Qt::Key_Delete) return;
    const QRect s = StringGrid1->selection();
    const int gauche = ((s.left() - 1) / 2) * 2 + 1;
    const int droite = ((s.right() + 1) / 2) * 2;
    effacer(plage(gauche, s.top(), droite, s.bottom()),
            QStringLiteral("Vous avez demandé l'effacement\rd'une plage du tableau :\r\r"
                           "confirmez-vous cette demande ?"),
            gauche, s.top(), true);
}

void ControleurTableau::Button0Click() {
    const int c = StringGrid0.colonne();
    const int gauche = ((c - 1) / 2) * 2 + 1;
    effacer(plage(gauche, 1, gauche + 1, StringGrid1->lignes() - 1),
            QStringLiteral("Vous avez demandé l'effacement\rd'une colonne :\r\r"
                           "confirmez-vous cette demande ?"),
            gauche, 1, true);
}

void ControleurTableau::Button1Click() {
    const int r = StringGrid0.ligne();
    effacer(plage(1, r, 2 * nbPoints(), r),
            QStringLiteral("Vous avez demandé l'effacement\rd'une ligne :\r\r"
                           "confirmez-vous cette demande ?"),
            1, r, true);
}

void ControleurTableau::Button2Click() {
    const bool confirmer = !f.vue->effacerSansConfirmer;
    // Points hidden by a lower number of points go too, in the same change: raising it
    // again after the table was erased must not bring them back.
    const bool efface = effacer(plage(1, 1, 2 * nbPoints(), StringGrid1->lignes() - 1),
                                QStringLiteral("Vous avez demandé l'effacement\rdu tableau :\r\r"
                                               "confirmez-vous cette demande ?"),
                                1, 1, confirmer, true);
    if (!efface) return;
    // Erased for another clip, the table keeps no history.
    if (!confirmer) f.seance->pile().clear();
    f.vue->effacerSansConfirmer = false;
}

bool ControleurTableau::effacer(const QRect& p, const QString& message, int c, int r,
                                bool confirmer, bool avecCaches) {
    StringGrid1->setSelection(p);
    if (confirmer) {
        QMessageBox boite(QMessageBox::Question, QStringLiteral("Confirmation"),
                          QString(message).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                          QMessageBox::Yes | QMessageBox::No, f.fenetre);
        boite.setDefaultButton(QMessageBox::Yes);
        if (boite.exec() != QMessageBox::Yes) return false;
    }
    effacerPlages(p, c, r, avecCaches);
    if (clipOuvert()) emit redessinDemande(f.vue->noImage);
    return true;
}
