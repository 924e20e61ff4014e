#include "calibration/ControleurEtalonnage.h"

#include "app/ContexteFenetre.h"
#include "calibration/Conversion.h"
#include "calibration/EtapesEchelle.h"
#include "calibration/SaisieDistance.h"
#include "clip/ZonePointage.h"
#include "measure/Nbreels.h"
#include "model/Commandes.h"
#include "platform/Bulles.h"
#include "platform/DefilementVertical.h"
#include "platform/Locale.h"
#include "platform/RegistreCurseurs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

namespace {

const QColor couleurValideFond(0, 255, 0), couleurValideTexte(128, 0, 0);
const QColor couleurErreurFond(255, 0, 0), couleurErreurTexte(255, 255, 255);

void boite(QWidget* parent, QMessageBox::Icon icone, const QString& titre, const QString& texte) {
    QString affiche = texte;
    affiche.replace(QChar('\r'), QChar('\n'));
    QMessageBox b(icone, titre, affiche, QMessageBox::Ok, parent);
    b.exec();
}

int indexOrientation(int sensX, int sensY) {
    return (sensX > 0 ? 0 : 1) + (sensY > 0 ? 0 : 2);
}

} // namespace

ControleurEtalonnage::ControleurEtalonnage(const ContexteFenetre& contexte)
    : QObject(contexte.fenetre)
    , f(contexte) {
    o.construire(defilementVertical(f.tsEtalon), f.tbCoord, f.pnl1AVI);

    connect(o.rbChxOrig, &QRadioButton::toggled, this, [this](bool coche) {
        if (coche) rbChxOrigClick();
    });
    connect(o.rbEtalonSimu, &QRadioButton::toggled, this, [this](bool coche) {
        if (coche) rbEtalonSimuClick();
    });
    connect(o.groupeOri, &QButtonGroup::idClicked, this, &ControleurEtalonnage::tbXpYpClick);
    connect(o.chkBoxPt1, &QCheckBox::toggled, this, &ControleurEtalonnage::chkBoxPt1Click);
    connect(o.chkBoxPt2, &QCheckBox::toggled, this, &ControleurEtalonnage::chkBoxPt2Click);
    connect(o.edSi, &QLineEdit::textChanged, this, &ControleurEtalonnage::edSiChange);
    // Enter confirms the distance as leaving the box does, the caret staying in it.
    connect(o.edSi, &QLineEdit::returnPressed, this, &ControleurEtalonnage::edSiExit);
    connect(o.bbtnCouleurEch, &QPushButton::clicked, this,
            &ControleurEtalonnage::bbtnCouleurEchClick);
    connect(f.PaintBox1, &ZonePointage::sourisDeplacee, this,
            &ControleurEtalonnage::PaintBox1MouseMove);
    // The acquisition room's release handler hands left clicks to PaintBox1MouseUpEtalonnage
    // first; this connection makes calibration clicks work on their own too, and the
    // handler ignores a second call for the same release.
    connect(f.PaintBox1, &ZonePointage::sourisRelachee, this,
            [this](QMouseEvent* e) { PaintBox1MouseUpEtalonnage(e); });

    connect(f.seance, &Seance::etalonnageChange, this, &ControleurEtalonnage::etalonnageChange);
    o.edSi->installEventFilter(this);
    f.tbCoord->setMouseTracking(true);
    f.tbCoord->installEventFilter(this);
    for (QLabel* l : f.tbCoord->findChildren<QLabel*>()) {
        l->setMouseTracking(true);
        l->installEventFilter(this);
    }

    ImgEtalon(0);
}

// ---------------------------------------------------------------- displays

bool ControleurEtalonnage::clipOuvert() const {
    return f.clipOuvert();
}

QString ControleurEtalonnage::formatDistance(long double v) const {
    return formatReel(f.seance->chiffresXY() - 1, v);
}

void ControleurEtalonnage::initEchelle() {
    f.vue->couleurEchelle = QColor(0, 128, 0);
    c_.p1 = QPoint(1, 1);
    c_.p2 = QPoint(2, 2);
    c_.echelle = 1.0L;
    placerMarques();
    {
        // The distance of the reset points at one metre per pixel; written without being
        // evaluated, so that the scale stays exactly 1.
        QSignalBlocker bloque(o.edSi);
        o.edSi->setText(formatDistance(std::sqrt(2.0L)));
    }
    c_.distanceTexte = o.edSi->text();
    retenirEchelle();
    o.lblXMetres->setText(QStringLiteral("x= ") + formatDistance(0));
    o.lblYMetres->setText(QStringLiteral("y= ") + formatDistance(0));
    MaJlblP();
    affichSensibilites(1.0L);
    // A reset, not a change the user made: the document takes it without a command.
    propre_ = true;
    f.seance->setEtalonnage(c_);
    propre_ = false;
}

void ControleurEtalonnage::affichSensibilites(long double v) {
    const QString t = formatDistance(v) + QStringLiteral(" m / pxl");
    o.lblSHori->setText(t);
    o.lblSVert->setText(t);
}

void ControleurEtalonnage::MaJlblP() {
    const Etalonnage& e = c_;
    o.lblP1X->setText(QStringLiteral("pX= ") + QString::number(conversion::pxRelX(e, e.p1.x())));
    o.lblP1Y->setText(QStringLiteral("pY= ") + QString::number(conversion::pxRelY(e, e.p1.y())));
    o.lblP2X->setText(QStringLiteral("pX= ") + QString::number(conversion::pxRelX(e, e.p2.x())));
    o.lblP2Y->setText(QStringLiteral("pY= ") + QString::number(conversion::pxRelY(e, e.p2.y())));
}

void ControleurEtalonnage::CursOrig() {
    const int code = 11 + indexOrientation(c_.sensX, c_.sensY);
    f.curseurs->appliquer(f.PaintBox1, 100 * f.vue->couleurPointeur + code);
}

void ControleurEtalonnage::ImgEtalon(int n) {
    if (n < 0 || n > 1) return;
    o.imgEtalonSimu->setPixmap(o.imagesEtalon[size_t(n)]);
    o.imgEtalonSimu->setProperty("indexImage", n);
}

void ControleurEtalonnage::echEtapAff(int code) {
    const etapes::Affichage a = etapes::etapesEchelle(code);
    o.pnlEchEtap->setVisible(a.visible);
    o.lblEchEtapOrdre->setVisible(a.visible);
    for (size_t i = 0; i < 4; ++i) {
        if (!a.etiquettes[i]) continue;
        QLabel* l = o.lblEchEtap[i];
        l->setText(a.etiquettes[i]->texte);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, a.etiquettes[i]->couleur);
        l->setPalette(pal);
    }
}

void ControleurEtalonnage::placerMarques() {
    // The image sits 4 pixels in from the panel's edges: left = p.x + 3 puts the middle
    // column of a 3-pixel mark on the column of the point.
    o.indicX1->move(c_.p1.x() + 3, 1);
    o.indicX2->move(c_.p2.x() + 3, 1);
    o.indicY1->move(1, c_.p1.y() + 3);
    o.indicY2->move(1, c_.p2.y() + 3);
}

void ControleurEtalonnage::montrerMarques() {
    for (QFrame* m : {o.indicX1, o.indicY1, o.indicX2, o.indicY2}) {
        m->show();
        m->raise();
    }
}

void ControleurEtalonnage::activerChoix(bool actif) {
    o.rbChxOrig->setEnabled(actif);
    o.rbEtalonSimu->setEnabled(actif);
}

void ControleurEtalonnage::presserXpYp() {
    o.tbOri[0]->setChecked(true);
}

bool ControleurEtalonnage::modeOrigine() const {
    return o.rbChxOrig->isChecked();
}
bool ControleurEtalonnage::modeEchelle() const {
    return o.rbEtalonSimu->isChecked();
}

// ---------------------------------------------------------------- coordinate bar

void ControleurEtalonnage::PaintBox1MouseMove(QMouseEvent* e) {
    if (!clipOuvert()) return;
    const QPoint p = e->position().toPoint();
    lectureCoordonnees(p.x(), p.y());
}

void ControleurEtalonnage::lectureCoordonnees(int x, int y) {
    f.vue->xSouris = x;
    f.vue->ySouris = y;
    const Etalonnage& e = c_;
    const int32_t rx = conversion::pxRelX(e, x), ry = conversion::pxRelY(e, y);
    o.lblXPixels->setText(QStringLiteral("pX= ") + QString::number(rx));
    o.lblYPixels->setText(QStringLiteral("pY= ") + QString::number(ry));
    o.lblXMetres->setText(QStringLiteral("x= ") + formatDistance(conversion::metresX(e, x)));
    o.lblYMetres->setText(QStringLiteral("y= ") + formatDistance(conversion::metresY(e, y)));
}

void ControleurEtalonnage::tbCoordMouseMove() {
    if (!clipOuvert()) return;
    const QString h = o.lblSHori->text(), v = o.lblSVert->text();
    bulles::appliquer(f.tbCoord, QStringLiteral("Coordonnées \r- sensibilité horizontale :") + h +
                                     QStringLiteral(" ;\r- sensibilité verticale :    ") + v +
                                     QStringLiteral("|Coordonnées ( sensibilité horizontale: ") +
                                     h + QStringLiteral(" ; sensibilité verticale: ") + v +
                                     QStringLiteral(" )"));
}

bool ControleurEtalonnage::eventFilter(QObject* objet, QEvent* e) {
    if (objet == o.edSi) {
        // A box or dialog taking the focus for a while is not leaving the distance box.
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
            const auto raison = static_cast<QFocusEvent*>(e)->reason();
            if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason) {
                if (e->type() == QEvent::FocusIn)
                    edSiEnter();
                else
                    edSiExit();
            }
        }
    } else if (e->type() == QEvent::MouseMove) {
        tbCoordMouseMove();
    }
    return QObject::eventFilter(objet, e);
}

// ---------------------------------------------------------------- origin mode

void ControleurEtalonnage::rbChxOrigClick() {
    {
        QSignalBlocker bloque(o.rbEtalonSimu); // the two radio buttons exclude each other
        o.rbEtalonSimu->setChecked(false);
    }
    etalonSimuRAZ();
    o.tBarOriAxes->setEnabled(true);
    for (auto* b : o.tbOri)
        b->setEnabled(true);
    CursOrig();
    ImgEtalon(0);
}

void ControleurEtalonnage::tbXpYpClick(int index) {
    static constexpr int8_t sx[4] = {+1, -1, +1, -1}, sy[4] = {+1, +1, -1, -1};
    if (index < 0 || index > 3) return;
    debutGeste();
    c_.sensX = sx[index];
    c_.sensY = sy[index];
    preparer();
    CursOrig();
    MaJlblP();
    finGeste(CommandeEtalonnage::origineEtAxes());
}

void ControleurEtalonnage::clicOrigine(int x, int y) {
    debutGeste();
    c_.xOrig = x;
    c_.yOrig = y;
    preparer();
    MaJlblP();
    finGeste(CommandeEtalonnage::origineEtAxes());
}

namespace {
// Unchecked without its handler, even as one of an exclusive pair.
void decocher(QAbstractButton* b) {
    const QSignalBlocker bloque(b);
    const bool exclusif = b->autoExclusive();
    b->setAutoExclusive(false);
    b->setChecked(false);
    b->setAutoExclusive(exclusif);
}
} // namespace

void ControleurEtalonnage::remettreAZero() {
    initEchelle();
    decocher(o.rbChxOrig);
    ChxOrigRAZ();
    etalonSimuRAZ();
}

void ControleurEtalonnage::quitterModes() {
    decocher(o.rbChxOrig);
    ChxOrigRAZ();
    decocher(o.rbEtalonSimu);
    etalonSimuRAZ();
}

void ControleurEtalonnage::montrerGuide() {
    o.lblEchEtapOrdre->setText(QStringLiteral("L'ordre des étapes 1 à 4 est indifférent"));
    echEtapAff(0);
}

void ControleurEtalonnage::ChxOrigRAZ() {
    o.tBarOriAxes->setEnabled(false);
    for (auto* b : o.tbOri)
        b->setEnabled(false);
}

// ---------------------------------------------------------------- scale mode

void ControleurEtalonnage::rbEtalonSimuClick() {
    {
        QSignalBlocker bloque(o.rbChxOrig);
        o.rbChxOrig->setChecked(false);
    }
    ChxOrigRAZ();
    o.chkBoxPt1->setEnabled(true);
    o.chkBoxPt2->setEnabled(true);
    // p2 then p1, so that whatever was checked before, p1 ends up selected with its
    // step and its pointer.
    o.chkBoxPt2->setChecked(true);
    o.chkBoxPt1->setChecked(true);
    ImgEtalon(1);
    o.edSi->setEnabled(true);
    colorerDistance(true);
    montrerMarques();
    for (QLabel* l : {o.lblP1X, o.lblP1Y, o.lblP2X, o.lblP2Y})
        l->setEnabled(true);
    f.vue->segmentEchelleVisible = true;
    o.bbtnCouleurEch->setEnabled(true);
    dessinerSegmentMaintenant();
}

void ControleurEtalonnage::chkBoxPt1Click(bool coche) {
    choisirPoint(1, coche);
    f.vue->p1EnCours = o.chkBoxPt1->isChecked();
}
void ControleurEtalonnage::chkBoxPt2Click(bool coche) {
    choisirPoint(2, coche);
    f.vue->p1EnCours = o.chkBoxPt1->isChecked();
}

void ControleurEtalonnage::choisirPoint(int n, bool coche) {
    QCheckBox* autre = n == 1 ? o.chkBoxPt2 : o.chkBoxPt1;
    if (!coche) {
        autre->setChecked(true); // one of the pair is always checked
        return;
    }
    echEtapAff(n * 10);
    const int centaines = RegistreCurseurs::idDe(f.PaintBox1) / 100;
    if (centaines == 1 || centaines == 2)
        f.curseurs->appliquer(f.PaintBox1, centaines * 100 + 40 + n);
    autre->setChecked(false);
}

void ControleurEtalonnage::clicEchelle(int x, int y) {
    debutGeste();
    clicEchelleSansHistoire(x, y);
    preparer();
    finGeste(CommandeEtalonnage::echelle());
}

void ControleurEtalonnage::clicEchelleSansHistoire(int x, int y) {
    Etalonnage& e = c_;
    const QPoint ancien1 = e.p1, ancien2 = e.p2;
    (o.chkBoxPt1->isChecked() ? e.p1 : e.p2) = QPoint(x, y);
    if (e.p1 == e.p2) {
        boite(f.fenetre, QMessageBox::Critical, QStringLiteral("Erreur"),
              saisie::texteIdentiques());
        e.p1 = ancien1;
        e.p2 = ancien2;
    }
    MaJlblP();
    placerMarques();

    const auto d = saisie::lireReel(o.edSi->text(), separateurDecimal());
    const auto echelle = d ? conversion::echelleDepuisDistance(*d, e.p1, e.p2) : std::nullopt;
    if (!echelle || *echelle == 0) {
        boite(f.fenetre, QMessageBox::Critical, QStringLiteral("Erreur"),
              echelle ? QStringLiteral("La distance d est nulle :\r\r"
                                       "l'échelle n'a pas été recalculée.")
                      : QStringLiteral("La distance d n'est pas un nombre :\r\r"
                                       "l'échelle n'a pas été recalculée."));
        return;
    }
    e.echelle = *echelle;
    retenirEchelle();
    affichSensibilites(e.echelle);
}

void ControleurEtalonnage::etalonSimuRAZ() {
    // The scale mode ends a distance still being typed, as leaving the box does.
    if (distanceEnCours_ && o.edSi->isEnabled()) edSiExit();
    echEtapAff(0);
    o.rbEtalonSimu->setChecked(false);
    o.chkBoxPt1->setEnabled(false);
    o.chkBoxPt2->setEnabled(false);
    ImgEtalon(0);
    o.edSi->setEnabled(false);
    f.vue->segmentEchelleVisible = false;
    o.bbtnCouleurEch->setEnabled(false);
}

void ControleurEtalonnage::bbtnCouleurEchClick() {
    echEtapAff(40);
    QColorDialog d(couleurDialogue_, f.fenetre);
    d.setObjectName(QStringLiteral("ColorDialog1"));
    d.setOption(QColorDialog::DontUseNativeDialog);
    if (d.exec() == QDialog::Accepted) {
        couleurDialogue_ = d.selectedColor();
        f.vue->couleurEchelle = couleurDialogue_.toRgb();
        dessinerSegmentMaintenant();
    }
    echEtapAff(41);
}

void ControleurEtalonnage::dessinerSegmentMaintenant() {
    emit segmentADessiner(Qt::SolidLine, f.vue->couleurEchelle);
}

// ---------------------------------------------------------------- distance box

void ControleurEtalonnage::colorerDistance(bool valide) {
    QPalette pal = o.edSi->palette();
    pal.setColor(QPalette::Base, valide ? couleurValideFond : couleurErreurFond);
    pal.setColor(QPalette::Text, valide ? couleurValideTexte : couleurErreurTexte);
    o.edSi->setPalette(pal);
}

void ControleurEtalonnage::edSiChange() {
    evaluerDistance();
}

void ControleurEtalonnage::evaluerDistance() {
    // Repairing the separator rewrites the box; that rewrite is evaluated here, once,
    // rather than by a nested change that would show the same warning twice.
    if (enEvaluation_) return;
    distanceEnCours_ = true;
    debutGeste();
    enEvaluation_ = true;
    Etalonnage& e = c_;
    const QChar sep = separateurDecimal();
    const saisie::Evaluation ev = saisie::evaluerDistance(o.edSi->text(), sep, e.p1, e.p2);
    if (ev.reparation.curseur >= 0) {
        QSignalBlocker bloque(o.edSi);
        o.edSi->setText(ev.reparation.texte);
        o.edSi->setCursorPosition(ev.reparation.curseur);
        o.edSi->deselect();
    }
    if (ev.accepte) {
        e.distanceTexte = o.edSi->text();
        colorerDistance(true);
        e.echelle = ev.echelle;
        preparer(); // points recorded from now on take this scale
        affichSensibilites(e.echelle);
        f.vue->echelleImpressionARevoir = true;
    } else {
        boite(f.fenetre, QMessageBox::Warning, QStringLiteral("Avertissement"),
              saisie::texteAvertissement(sep));
        o.lblSHori->setText(saisie::texteErreurSensibilite);
        o.lblSVert->setText(saisie::texteErreurSensibilite);
        colorerDistance(false);
    }
    enEvaluation_ = false;
}

void ControleurEtalonnage::retenirEchelle() {
    echelleRetenue_ = c_.echelle;
    distanceRetenue_ = c_.distanceTexte;
}

void ControleurEtalonnage::edSiEnter() {
    distanceEnCours_ = true;
    debutGeste();
    retenirEchelle();
    echEtapAff(30);
}

void ControleurEtalonnage::edSiExit() {
    Etalonnage& e = c_;
    const QChar sep = separateurDecimal();
    const bool erreur = o.edSi->palette().color(QPalette::Base) == couleurErreurFond;
    const auto v = saisie::lireReel(erreur ? e.distanceTexte : o.edSi->text(), sep);
    if (v && *v == 0) {
        // A zero distance would make every coordinate 0: the box keeps the text to be
        // corrected, in the error colours, and the scale of before the edit comes back.
        e.echelle = echelleRetenue_;
        e.distanceTexte = distanceRetenue_;
        preparer();
        colorerDistance(false);
        affichSensibilites(e.echelle);
        finDistance();
        return;
    }
    if (v) {
        {
            QSignalBlocker bloque(o.edSi);
            o.edSi->setText(formatDistance(std::fabs(*v)));
        }
        evaluerDistance();
    }
    retenirEchelle();
    finDistance();
}

void ControleurEtalonnage::finDistance() {
    distanceEnCours_ = false;
    finGeste(CommandeEtalonnage::echelle());
}

// ---------------------------------------------------------------- undo and redo

void ControleurEtalonnage::debutGeste() {
    if (geste_) return;
    geste_ = true;
    avantGeste_ = f.seance->etalonnage();
}

void ControleurEtalonnage::preparer() {
    f.seance->preparerEtalonnage(c_);
}

void ControleurEtalonnage::finGeste(const QString& texte) {
    if (!geste_) return;
    geste_ = false;
    if (c_ == avantGeste_) return;
    propre_ = true;
    f.seance->pile().push(new CommandeEtalonnage(*f.seance, avantGeste_, c_, texte));
    propre_ = false;
}

void ControleurEtalonnage::etalonnageChange() {
    const Etalonnage& d = f.seance->etalonnage();
    if (propre_ || c_ == d) return; // this tab's own change
    c_ = d;
    geste_ = false; // an undo, a redo or another room: what a gesture began is no more
    distanceEnCours_ = false;
    {
        QSignalBlocker bloque(o.edSi);
        o.edSi->setText(d.distanceTexte);
    }
    colorerDistance(true);
    retenirEchelle();
    affichSensibilites(d.echelle);
    f.vue->echelleImpressionARevoir = true;
    {
        QSignalBlocker bloque(o.groupeOri);
        o.tbOri[size_t(indexOrientation(d.sensX, d.sensY))]->setChecked(true);
    }
    if (modeOrigine()) CursOrig();
    const bool bouton = o.bbtnCouleurEch->isEnabled();
    MaJlblP();
    o.bbtnCouleurEch->setEnabled(bouton);
    placerMarques();
}

// ---------------------------------------------------------------- clicks on the image

bool ControleurEtalonnage::PaintBox1MouseUpEtalonnage(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !(modeOrigine() || modeEchelle())) return false;
    if (e == dernierClic_ && e->timestamp() == dernierInstant_) return true; // already done
    dernierClic_ = e;
    dernierInstant_ = e->timestamp();
    const QPoint p = e->position().toPoint();
    if (!clipOuvert() || p.x() < 0 || p.y() < 0 || p.x() >= f.vue->largeurAff ||
        p.y() >= f.vue->hauteurAff)
        return true;
    if (modeOrigine())
        clicOrigine(p.x(), p.y());
    else
        clicEchelle(p.x(), p.y());
    return true;
}
