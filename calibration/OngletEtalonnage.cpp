#include "calibration/OngletEtalonnage.h"

#include "calibration/EtapesEchelle.h"
#include "platform/Bulles.h"
#include "platform/DispositionFluide.h"
#include "platform/RetourALaLigne.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <class W> W* nomme(W* w, const char* nom) {
    w->setObjectName(QString::fromLatin1(nom));
    return w;
}

void fleche(QPainter& p, QPointF de, QPointF vers) {
    p.drawLine(de, vers);
    const QPointF d = vers - de;
    const qreal l = std::hypot(d.x(), d.y());
    const QPointF u = d / l, n(-u.y(), u.x());
    QPainterPath tete;
    tete.moveTo(vers);
    tete.lineTo(vers - 4 * u + 2.5 * n);
    tete.lineTo(vers - 4 * u - 2.5 * n);
    tete.closeSubpath();
    p.fillPath(tete, p.pen().color());
}

// A pair of axes with arrow heads pointing the ways of the orientation.
QIcon iconeAxes(int sensX, int sensY) {
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    const qreal xo = sensX > 0 ? 5 : 19, yo = sensY > 0 ? 19 : 5;
    fleche(p, {xo, yo}, {sensX > 0 ? 22.0 : 2.0, yo});
    fleche(p, {xo, yo}, {xo, sensY > 0 ? 2.0 : 22.0});
    return QIcon(pm);
}

// Picture 0: the frame of reference; picture 1: the scale segment between p1 and p2.
std::array<QPixmap, 2> illustrations() {
    std::array<QPixmap, 2> im;
    for (auto& pm : im) {
        pm = QPixmap(108, 60);
        pm.fill(Qt::white);
    }
    {
        QPainter p(&im[0]);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::darkBlue, 1.5));
        fleche(p, {14, 50}, {100, 50});
        fleche(p, {14, 50}, {14, 6});
        p.drawText(QPointF(92, 44), QStringLiteral("x"));
        p.drawText(QPointF(20, 14), QStringLiteral("y"));
        p.drawText(QPointF(3, 58), QStringLiteral("O"));
    }
    {
        QPainter p(&im[1]);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF a(18, 40), b(90, 20);
        p.setPen(QPen(QColor(0, 128, 0), 1.5));
        p.drawLine(a, b);
        p.setPen(QPen(Qt::red, 1.5));
        p.drawLine(a - QPointF(5, 0), a + QPointF(5, 0));
        p.drawLine(a - QPointF(0, 5), a + QPointF(0, 5));
        p.setPen(QPen(Qt::blue, 1.5));
        p.drawLine(b - QPointF(5, 0), b + QPointF(5, 0));
        p.drawLine(b - QPointF(0, 5), b + QPointF(0, 5));
        p.setPen(Qt::black);
        p.drawText(QPointF(8, 56), QStringLiteral("p1"));
        p.drawText(QPointF(86, 12), QStringLiteral("p2"));
        p.drawText(QPointF(50, 44), QStringLiteral("d"));
    }
    return im;
}

QLabel* etiquette(QWidget* parent, const QString& texte) {
    return new EtiquetteRetour(texte, parent);
}

QFrame* marque(QWidget* parent, const char* nom, const QColor& bord) {
    auto* m = nomme(new QFrame(parent), nom);
    m->setFixedSize(3, 3);
    m->setStyleSheet(
        QStringLiteral("QFrame { background: white; border: 1px solid %1; }").arg(bord.name()));
    m->hide();
    return m;
}

} // namespace

void OngletEtalonnage::construire(QWidget* onglet, QToolBar* barreCoord, QWidget* panneauImage) {
    auto* pile = new QVBoxLayout(onglet);
    pile->setContentsMargins(2, 4, 2, 4);

    // Origin and orientation.
    auto* cadreOrig = new QGroupBox(onglet);
    auto* lo = new QVBoxLayout(cadreOrig);
    lo->setContentsMargins(4, 4, 4, 4); // the tab may be narrow
    rbChxOrig = nomme(new RadioRetour(QStringLiteral(" Origine et sens des axes "), cadreOrig),
                      "rbChxOrig");
    bulles::appliquer(rbChxOrig, QStringLiteral("Choisir l'origine et le sens des axes"));
    lo->addWidget(rbChxOrig);
    tBarOriAxes = nomme(new QToolBar(cadreOrig), "tBarOriAxes");
    groupeOri = new QButtonGroup(tBarOriAxes);
    groupeOri->setExclusive(true);
    const char* noms[4] = {"tbXpYp", "tbXnYp", "tbXpYn", "tbXnYN"};
    const int sx[4] = {+1, -1, +1, -1}, sy[4] = {+1, +1, -1, -1};
    const char* bulle[4] = {"x vers la droite, y vers le haut", "x vers la gauche, y vers le haut",
                            "x vers la droite, y vers le bas", "x vers la gauche, y vers le bas"};
    for (int i = 0; i < 4; ++i) {
        tbOri[i] = nomme(new QToolButton(tBarOriAxes), noms[i]);
        tbOri[i]->setCheckable(true);
        tbOri[i]->setIcon(iconeAxes(sx[i], sy[i]));
        tbOri[i]->setToolTip(QString::fromUtf8(bulle[i]));
        tBarOriAxes->addWidget(tbOri[i]);
        groupeOri->addButton(tbOri[i], i);
    }
    tbOri[0]->setChecked(true);
    tBarOriAxes->setEnabled(false);
    for (auto* b : tbOri)
        b->setEnabled(false);
    // Never narrower than its four buttons, which would hide the last behind an arrow; it
    // has no handle, as it cannot be moved out of its frame.
    tBarOriAxes->setMovable(false);
    tBarOriAxes->setContentsMargins(0, 0, 0, 0);
    tBarOriAxes->setMinimumWidth(tBarOriAxes->sizeHint().width());
    lo->addWidget(tBarOriAxes);
    pile->addWidget(cadreOrig);

    // Scale.
    // The tab may be narrow: rows of controls go onto further lines and labels wrap
    // rather than being cut.
    auto* cadreEch = new QGroupBox(onglet);
    auto* pileEch = new QVBoxLayout(cadreEch);
    pileEch->setContentsMargins(4, 4, 4, 4);
    auto* choix = new QWidget(cadreEch);
    auto* pileChoix = new QVBoxLayout(choix);
    pileChoix->setContentsMargins(0, 0, 0, 0);
    rbEtalonSimu = nomme(new QRadioButton(QStringLiteral(" Echelle "), choix), "rbEtalonSimu");
    bulles::appliquer(rbEtalonSimu, QStringLiteral("Modifier l'échelle"));
    pileChoix->addWidget(rbEtalonSimu);
    chkBoxPt1 = nomme(new QCheckBox(QStringLiteral("1er point"), choix), "chkBoxPt1");
    chkBoxPt2 = nomme(new QCheckBox(QStringLiteral("2ème point"), choix), "chkBoxPt2");
    auto* points = new DispositionFluide(nullptr, 6, 2);
    points->addWidget(chkBoxPt1);
    points->addWidget(chkBoxPt2);
    pileChoix->addLayout(points);
    imgEtalonSimu = nomme(new QLabel(cadreEch), "imgEtalonSimu");
    imagesEtalon = illustrations();
    imgEtalonSimu->setFixedSize(108, 60);
    auto* haut = new DispositionFluide(nullptr, 8, 4); // the picture beside the choices
    haut->addWidget(choix);
    haut->addWidget(imgEtalonSimu);
    pileEch->addLayout(haut);

    pileEch->addWidget(etiquette(cadreEch, QStringLiteral("Coordonnées en pixels")));
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("p1 :"), cadreEch), 0, 0);
    lblP1X = nomme(new QLabel(cadreEch), "lblP1X");
    lblP1Y = nomme(new QLabel(cadreEch), "lblP1Y");
    g->addWidget(lblP1X, 0, 1);
    g->addWidget(lblP1Y, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("p2 :"), cadreEch), 1, 0);
    lblP2X = nomme(new QLabel(cadreEch), "lblP2X");
    lblP2Y = nomme(new QLabel(cadreEch), "lblP2Y");
    g->addWidget(lblP2X, 1, 1);
    g->addWidget(lblP2Y, 1, 2);
    g->setColumnStretch(3, 1);
    pileEch->addLayout(g);

    auto* ligneD = new QHBoxLayout;
    ligneD->addWidget(new QLabel(QStringLiteral("d ="), cadreEch));
    edSi = nomme(new QLineEdit(cadreEch), "edSi");
    ligneD->addWidget(edSi, 1);
    ligneD->addWidget(new QLabel(QStringLiteral("m"), cadreEch));
    pileEch->addLayout(ligneD);

    lblSHori = nomme(new QLabel(cadreEch), "lblSHori");
    lblSVert = nomme(new QLabel(cadreEch), "lblSVert");
    for (auto [texte, valeur] : {std::pair{"Sensibilité horizontale :", lblSHori},
                                 std::pair{"Sensibilité verticale :", lblSVert}}) {
        auto* ligne = new DispositionFluide(nullptr, 6, 0);
        ligne->addWidget(etiquette(cadreEch, QString::fromUtf8(texte)));
        ligne->addWidget(valeur);
        pileEch->addLayout(ligne);
    }

    bbtnCouleurEch = nomme(new BoutonRetour(QStringLiteral("Couleur du segment p1p2"), cadreEch),
                           "bbtnCouleurEch");
    bulles::appliquer(bbtnCouleurEch, QStringLiteral("Choisir la couleur du segment p1p2"));
    pileEch->addWidget(bbtnCouleurEch);
    pile->addWidget(cadreEch);

    for (QWidget* w : std::initializer_list<QWidget*>{chkBoxPt1, chkBoxPt2, edSi, bbtnCouleurEch,
                                                      lblP1X, lblP1Y, lblP2X, lblP2Y})
        w->setEnabled(false);
    rbChxOrig->setEnabled(false);
    rbEtalonSimu->setEnabled(false);

    // Step guide.
    pnlEchEtap = nomme(new QFrame(onglet), "pnlEchEtap");
    pnlEchEtap->setFrameShape(QFrame::StyledPanel);
    auto* le = new QVBoxLayout(pnlEchEtap);
    const char* nomsEtapes[4] = {"lblEchEtap1", "lblEchEtap2", "lblEchEtap3", "lblEchEtap4"};
    for (int i = 0; i < 4; ++i) {
        lblEchEtap[i] = nomme(new EtiquetteRetour(pnlEchEtap), nomsEtapes[i]);
        lblEchEtap[i]->setAutoFillBackground(true);
        le->addWidget(lblEchEtap[i]);
    }
    pile->addWidget(pnlEchEtap);
    lblEchEtapOrdre = nomme(new EtiquetteRetour(etapes::texteOrdre, onglet), "lblEchEtapOrdre");
    pile->addWidget(lblEchEtapOrdre);
    pile->addStretch(1);

    // Coordinate bar: pixels, then metres.
    lblXPixels = nomme(new QLabel(barreCoord), "lblXPixels");
    lblYPixels = nomme(new QLabel(barreCoord), "lblYPixels");
    lblXMetres = nomme(new QLabel(barreCoord), "lblXMetres");
    lblYMetres = nomme(new QLabel(barreCoord), "lblYMetres");
    // Wide enough for the longest texts, so that the bar does not jump as the mouse moves.
    const QFontMetrics fm = lblXPixels->fontMetrics();
    for (auto* l : {lblXPixels, lblYPixels})
        l->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("pX= -00000")) + 6);
    for (auto* l : {lblXMetres, lblYMetres})
        l->setMinimumWidth(fm.horizontalAdvance(QStringLiteral("x= -0.0000E-00")) + 6);
    barreCoord->addWidget(lblXPixels);
    barreCoord->addWidget(lblYPixels);
    barreCoord->addWidget(nomme(new QLabel(QStringLiteral("pixels"), barreCoord), "lblPixels"));
    barreCoord->addSeparator();
    barreCoord->addWidget(lblXMetres);
    barreCoord->addWidget(lblYMetres);
    barreCoord->addWidget(nomme(new QLabel(QStringLiteral("mètres"), barreCoord), "lblMetres"));

    indicX1 = marque(panneauImage, "indicX1", Qt::red);
    indicY1 = marque(panneauImage, "indicY1", Qt::red);
    indicX2 = marque(panneauImage, "indicX2", Qt::blue);
    indicY2 = marque(panneauImage, "indicY2", Qt::blue);
}
