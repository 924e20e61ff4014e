#include "measure/ControleurAcquisition.h"

#include "app/ContexteFenetre.h"
#include "clip/ZonePointage.h"
#include "measure/CouleurBgr.h"
#include "measure/HautBas.h"
#include "measure/PanneauPointage.h"
#include "measure/TableAspect.h"
#include "model/Commandes.h"
#include "model/Seance.h"
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

ControleurAcquisition::ControleurAcquisition(const ContexteFenetre& contexte)
    : QObject(contexte.fenetre)
    , f(contexte) {
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

void ControleurAcquisition::suivreNombreDePoints(int n) {
    setMaximumPoint(n);
    // Moving on to the next point needs a next point.
    chkBoxAutoH->setEnabled(n != 1);
    for (const char* nom : {"AutoH", "mnuAutoH"})
        if (QAction* a = f.action(nom)) a->setEnabled(n != 1);
}

void ControleurAcquisition::activer() {
    chkBoxAutoV->setEnabled(true);
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
        if (clicEtalonnage && clicEtalonnage(e)) return;
        acquerir(p.x(), p.y());
    } else if (e->button() == Qt::RightButton) {
        if (dansImage) emit rechercheDemandee(p.x(), p.y());
        if (auto* menu = f.fenetre->findChild<QMenu*>("PopupMenu1"))
            menu->popup(f.PaintBox1->mapToGlobal(p));
    }
}

void ControleurAcquisition::acquerir(int X, int Y) {
    const Seance& s = *f.seance;
    const int k = pointCourant();
    const int r = f.vue->noImage + 1;
    // Only cells of the table are ever written.
    if (r < 1 || r > s.clip().nbImages || k > s.n()) return;

    const bool pointDeja = s.point(r - 1, k).has_value();
    f.seance->pile().push(new CommandePointage(*f.seance, r - 1, k, QPoint(X, Y)));

    const bool pasDernierPoint = k < s.n();
    const bool H = chkBoxAutoH->isChecked();
    const bool pasDerniereImage = r < s.clip().nbImages;
    const bool V = chkBoxAutoV->isChecked();

    // A new point adds its mark; a point pointed again makes the image drawn afresh.
    auto marque = [&] { emit marqueADessiner(k, X, Y); };
    const int image = f.vue->noImage;
    if (H && pasDernierPoint) {
        emit celluleSuivante(2 * k + 1, -1);
        ChgPointNumero(k + 1);
        pointDeja ? emit redessinDemande(image) : marque();
    } else if (V && pasDerniereImage) {
        emit imageDemandee(image + 1);
        emit celluleSuivante(H ? 1 : -1, r + 1);
        if (H) ChgPointNumero(1);
        pointDeja ? emit marquesADessiner() : marque();
    } else {
        emit celluleSuivante(-1, -1);
        pointDeja ? emit redessinDemande(image) : marque();
    }
}

// --- The current point --------------------------------------------------------------------

void ControleurAcquisition::montrerPoint(int k) {
    lblPointNumero->setText(QString::number(k));
    couleurEtiquette(couleurBgr::versCouleur(tableAspect::couleur(f.vue->aspectPoints, k)));
    emit pointMontre(k);
}

void ControleurAcquisition::udPointNumeroClick() {
    const int k = pointCourant();
    montrerPoint(k);
    emit colonneDemandee(2 * k - 1);
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
