#include "measure/ControleurAcquisition.h"

#include "app/TForm1.h"
#include "calibration/ControleurEtalonnage.h"
#include "clip/ControleurNavigation.h"
#include "clip/ZonePointage.h"
#include "measure/ControleurAspect.h"
#include "measure/ControleurTableau.h"
#include "measure/GrilleMesures.h"
#include "measure/HautBas.h"
#include "measure/PanneauPointage.h"
#include "platform/Bulles.h"
#include "platform/PeripheriqueMedia.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {

QCheckBox* caseAuto(QWidget* parent, const char* nom, const QString& symbole, char32_t main,
                    char32_t fleche, const QString& hint) {
    auto* c = new QCheckBox(parent);
    c->setObjectName(nom);
    // The symbol font draws a hand pointing right (F) or down (H). Where that font is
    // missing the letter would show as such: the same hand from Unicode, or an arrow.
    const QFont symboles(QStringLiteral("Wingdings"), 12);
    if (QFontInfo(symboles).family() == symboles.family()) {
        c->setFont(symboles);
        c->setText(symbole);
    } else {
        const char32_t u = QFontMetrics(c->font()).inFontUcs4(main) ? main : fleche;
        c->setText(QString::fromUcs4(&u, 1));
    }
    c->setChecked(true);
    c->setEnabled(false);
    bulles::appliquer(c, hint);
    return c;
}

} // namespace

ControleurAcquisition::ControleurAcquisition(TForm1& form)
    : QObject(&form)
    , f(form) {
    construireOptions();
    connect(f.PaintBox1, &ZonePointage::sourisRelachee, this,
            &ControleurAcquisition::PaintBox1MouseUp);
    connect(udPointNumero, &HautBas::clic, this, &ControleurAcquisition::udPointNumeroClick);
    connect(chkBoxAutoH, &QCheckBox::clicked, this, &ControleurAcquisition::chkBoxAutoHClick);
    connect(chkBoxAutoV, &QCheckBox::clicked, this, &ControleurAcquisition::chkBoxAutoVClick);
    // The menu entries follow the shared actions; a choice in the menu has already
    // inverted the action's check mark when triggered() arrives.
    if (QAction* a = f.action("AutoH"))
        connect(a, &QAction::triggered, this,
                [this, a] { chkBoxAutoH->setChecked(a->isChecked()); });
    if (QAction* a = f.action("AutoV"))
        connect(a, &QAction::triggered, this,
                [this, a] { chkBoxAutoV->setChecked(a->isChecked()); });
}

void ControleurAcquisition::construireOptions() {
    QWidget* p = f.pnlPointage;
    auto* titre = new QLabel(QStringLiteral("Point n°"), p);
    lblPointNumero = new QLabel(QStringLiteral("1"), p);
    lblPointNumero->setObjectName("lblPointNumero");
    QFont gras = lblPointNumero->font();
    gras.setBold(true);
    lblPointNumero->setFont(gras);
    lblPointNumero->setAutoFillBackground(true);
    QPalette fond = lblPointNumero->palette();
    fond.setColor(QPalette::Window, Qt::gray); // white marks stay readable
    lblPointNumero->setPalette(fond);
    couleurEtiquette(Qt::white);
    udPointNumero = new HautBas(p);
    udPointNumero->setObjectName("udPointNumero");
    udPointNumero->setRange(1, 1);
    udPointNumero->setValue(1);
    udPointNumero->setEnabled(false);

    pnlAutomatismes = new QGroupBox(QStringLiteral("Point suivant auto."), p);
    pnlAutomatismes->setObjectName("pnlAutomatismes");
    bulles::appliquer(pnlAutomatismes,
                      QStringLiteral("Automatiser les déplacements dans le tableau"));
    auto* ligne = new QHBoxLayout(pnlAutomatismes);
    ligne->setContentsMargins(4, 0, 4, 0);
    chkBoxAutoH =
        caseAuto(pnlAutomatismes, "chkBoxAutoH", QStringLiteral("F"), U'\u261E', U'\u2192',
                 QStringLiteral("Passer automatiquement au point suivant, sur une "
                                "même image"));
    chkBoxAutoV =
        caseAuto(pnlAutomatismes, "chkBoxAutoV", QStringLiteral("H"), U'\u261F', U'\u2193',
                 QStringLiteral("Passer à l'image suivante, après traitement de tous "
                                "les points"));
    ligne->addWidget(chkBoxAutoH);
    ligne->addWidget(chkBoxAutoV);

    panneauPointage::ajouterBloc(p, {titre, lblPointNumero, udPointNumero});
    panneauPointage::ajouterBloc(p, {pnlAutomatismes});
}

// --- Read and set by the other rooms ------------------------------------------------------

int ControleurAcquisition::pointCourant() const {
    return udPointNumero->value();
}

void ControleurAcquisition::setMaximumPoint(int n) {
    udPointNumero->setMaximum(std::max(1, n));
    udPointNumero->setEnabled(udPointNumero->maximum() > 1);
}

void ControleurAcquisition::couleurEtiquette(const QColor& c) {
    QPalette pal = lblPointNumero->palette();
    pal.setColor(QPalette::WindowText, c);
    lblPointNumero->setPalette(pal);
}

// --- The click on the image ---------------------------------------------------------------

void ControleurAcquisition::PaintBox1MouseUp(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    const QRect affichage = f.MediaPlayer1->rectangleAffichage();
    const bool dansImage = f.clipOuvert() && p.x() >= 0 && p.y() >= 0 &&
                           p.x() < affichage.width() && p.y() < affichage.height();
    if (e->button() == Qt::LeftButton) {
        if (!dansImage) return;
        if (f.etalonnage->PaintBox1MouseUpEtalonnage(e)) return;
        acquerir(p.x(), p.y());
    } else if (e->button() == Qt::RightButton) {
        if (dansImage) f.navigation->chercherPointsPixel(p.x(), p.y());
        if (auto* menu = f.findChild<QMenu*>("PopupMenu1"))
            menu->popup(f.PaintBox1->mapToGlobal(p));
    }
}

void ControleurAcquisition::acquerir(int X, int Y) {
    EtatVue& e = f.vue;
    GrilleTexte& pixels = f.tableau->grille0();
    GrilleMesures& visible = f.tableau->grille1();
    const int k = pointCourant();
    const int c = 2 * k - 1;
    const int r = e.noImage + 1;
    // Only cells of the table are ever written.
    if (r < 1 || r >= pixels.lignes() || c + 1 >= pixels.colonnes()) return;

    const bool pointDeja = !pixels.cellule(c, r).isEmpty();
    // The document records the click; both tables follow its signal.
    f.tableau->ecrirePoint(k, r, X, Y);

    const bool pasDernierPoint = k < f.tableau->nbPoints();
    const bool H = chkBoxAutoH->isChecked();
    const bool pasDerniereImage = r < visible.lignes() - 1;
    const bool V = chkBoxAutoV->isChecked();

    auto marque = [&] { f.aspect->dessinerMarque(k, X, Y); };
    if (H && pasDernierPoint) {
        visible.setColonne(c + 2);
        ChgPointNumero(k + 1);
        pointDeja ? f.navigation->reDraw(e.noImage) : marque();
    } else if (V && pasDerniereImage) {
        f.navigation->mpPositionner(e.noImage + 1);
        visible.setLigne(r + 1);
        if (H) {
            visible.setColonne(1);
            ChgPointNumero(1);
        }
        pointDeja ? f.aspect->Drawpoints() : marque();
    } else {
        pointDeja ? f.navigation->reDraw(e.noImage) : marque();
    }

    pixels.setColonne(visible.colonne());
    pixels.setLigne(visible.ligne());
    defiler();
}

// Keeps the current cell of the visible table in sight: a row below the view becomes the
// last visible row, a column right of the view the last visible column, and a column left
// of it comes second, after the one before it.
void ControleurAcquisition::defiler() {
    GrilleMesures& v = f.tableau->grille1();
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

// --- The current point --------------------------------------------------------------------

void ControleurAcquisition::montrerPoint(int k) {
    lblPointNumero->setText(QString::number(k));
    couleurEtiquette(f.aspect->couleurPoint(k));
    if (QCheckBox* ded = f.aspect->chkBoxPtDed) ded->setChecked(f.aspect->pointDessine(k));
}

void ControleurAcquisition::udPointNumeroClick() {
    const int k = pointCourant();
    montrerPoint(k);
    f.tableau->grille0().setColonne(2 * k - 1);
    f.tableau->grille1().setColonne(2 * k - 1);
}

void ControleurAcquisition::ChgPointNumero(int k) {
    udPointNumero->setValue(k);
    montrerPoint(pointCourant());
}

// --- Automatic advance ----------------------------------------------------------------------

void ControleurAcquisition::chkBoxAutoHClick() {
    if (QAction* a = f.action("AutoH")) a->setChecked(chkBoxAutoH->isChecked());
}

void ControleurAcquisition::chkBoxAutoVClick() {
    if (QAction* a = f.action("AutoV")) a->setChecked(chkBoxAutoV->isChecked());
}

void ControleurAcquisition::AutoHExecute() {
    if (QAction* a = f.action("AutoH")) a->trigger();
}

void ControleurAcquisition::AutoVExecute() {
    if (QAction* a = f.action("AutoV")) a->trigger();
}
