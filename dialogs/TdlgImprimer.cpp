#include "dialogs/TdlgImprimer.h"

#include "dialogs/FormeDessin.h"
#include "export/EchelleImpression.h"
#include "measure/Nbreels.h"
#include "platform/Bulles.h"
#include "platform/Locale.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>

namespace {

QLabel* etiquette(QWidget* parent, const char* nom, const QString& texte) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    return l;
}

QLabel* valeur(QWidget* parent, const char* nom, const QString& couleur, const QString& hint) {
    QLabel* l = etiquette(parent, nom, QString());
    l->setAutoFillBackground(true);
    l->setStyleSheet(QStringLiteral("QLabel { background: %1; }").arg(couleur));
    l->setMinimumWidth(60);
    bulles::appliquer(l, hint);
    return l;
}

void colorerBoite(QLineEdit* e, const QColor& fond, const QColor& texte) {
    e->setStyleSheet(
        QStringLiteral("QLineEdit { background: %1; color: %2; }").arg(fond.name(), texte.name()));
    e->setProperty("couleurFond", fond);
}

} // namespace

TdlgImprimer::TdlgImprimer(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TdlgImprimer");
    setWindowTitle(QStringLiteral("Impression des points et des axes"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setStatusTip(QStringLiteral("Gestionnaire d'impression"));
    setProperty("contexteAide", 240);
    choisirImprimante = [this](QPrinter* p) { return dialogueImpressionQt(p); };
    construire();
}

void TdlgImprimer::construire() {
    // --- Scale ---------------------------------------------------------------------------
    auto* GroupBox1 = new QGroupBox(QStringLiteral(" Echelle "), this);
    GroupBox1->setObjectName("GroupBox1");
    auto* g = new QGridLayout(GroupBox1);
    g->addWidget(
        etiquette(GroupBox1, "lblImageReelle", QStringLiteral("dimensions réelles de l'image")), 0,
        0, 1, 4);
    g->addWidget(etiquette(GroupBox1, "Label1", QStringLiteral("X")), 1, 0);
    lblImageXm = valeur(GroupBox1, "lblImageXm", QStringLiteral("teal"),
                        QStringLiteral("Largeur réelle \rde l'image|Largeur réelle  de l'image"));
    g->addWidget(lblImageXm, 1, 1);
    g->addWidget(etiquette(GroupBox1, "Label2", QStringLiteral("Y")), 1, 2);
    lblImageYm = valeur(GroupBox1, "lblImageYm", QStringLiteral("teal"),
                        QStringLiteral("Hauteur réelle \rde l'image|Hauteur réelle  de l'image"));
    g->addWidget(lblImageYm, 1, 3);
    g->addWidget(etiquette(GroupBox1, "lblImageU", QStringLiteral("mètre(s)")), 1, 4);

    const QString reglage = QStringLiteral("Réglage \rde l'échelle|Réglage  de l'échelle");
    g->addWidget(etiquette(GroupBox1, "lblEch", QStringLiteral("1 cm (imprimante) =")), 2, 0, 1, 2);
    edEch = new QLineEdit(QStringLiteral("1"), GroupBox1);
    edEch->setObjectName("edEch");
    bulles::appliquer(edEch, reglage);
    edEch->installEventFilter(this);
    g->addWidget(edEch, 2, 2, 1, 2);
    g->addWidget(etiquette(GroupBox1, "Label4", QStringLiteral("mètre(s)")), 2, 4);
    TrackBar1 = new QSlider(Qt::Horizontal, GroupBox1);
    TrackBar1->setObjectName("TrackBar1");
    TrackBar1->setRange(0, 200);
    TrackBar1->setTickInterval(20);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setValue(100);
    bulles::appliquer(TrackBar1, reglage);
    g->addWidget(TrackBar1, 3, 0, 1, 5);

    g->addWidget(
        etiquette(GroupBox1, "lblImageImprimee", QStringLiteral("dimensions de l'image imprimée")),
        4, 0, 1, 4);
    lblImageimprimeeX =
        valeur(GroupBox1, "lblImageimprimeeX", QStringLiteral("yellow"),
               QStringLiteral("Largeur de\rl'image imprimée|Largeur de l'image imprimée"));
    lblImageImprimeeY =
        valeur(GroupBox1, "lblImageImprimeeY", QStringLiteral("yellow"),
               QStringLiteral("Hauteur de\rl'image imprimée|Hauteur de l'image imprimée"));
    g->addWidget(etiquette(GroupBox1, "Label5", QStringLiteral("X")), 5, 0);
    g->addWidget(lblImageimprimeeX, 5, 1);
    g->addWidget(etiquette(GroupBox1, "Label6", QStringLiteral("Y")), 5, 2);
    g->addWidget(lblImageImprimeeY, 5, 3);
    g->addWidget(etiquette(GroupBox1, "lblImageIprimeeU", QStringLiteral("cm")), 5, 4);

    // --- Sheet and drawing previews -------------------------------------------------------
    auto* apercu = new QWidget(this);
    apercu->setObjectName("pnlApercu");
    apercu->setFixedSize(110, 110);
    shpFeuille = new QWidget(apercu);
    shpFeuille->setObjectName("shpFeuille");
    shpFeuille->setAutoFillBackground(true);
    QPalette gris = shpFeuille->palette();
    gris.setColor(QPalette::Window, QColor(128, 128, 128));
    shpFeuille->setPalette(gris);
    bulles::appliquer(shpFeuille, QStringLiteral("Feuille|Zone grise: feuille"));
    shpFeuille->setGeometry(5, 5, 90, 90);
    shpDessin = new FormeDessin(apercu);
    shpDessin->setObjectName("shpDessin");
    bulles::appliquer(shpDessin,
                      QStringLiteral("Dessin:\r- rouge = trop grand\r- jaune = correct|Zone du "
                                     "dessin (rouge = trop grand, augmenter la valeur cm/m ; "
                                     "jaune = correct)"));
    shpDessin->setGeometry(5, 5, 0, 0);
    lblFormatFeuille = etiquette(this, "lblFormatFeuille", QString());

    // --- Options --------------------------------------------------------------------------
    rbCouleur = new QGroupBox(QStringLiteral(" Couleurs des points et des axes "), this);
    rbCouleur->setObjectName("rbCouleur");
    bulles::appliquer(rbCouleur, QStringLiteral("Aspect du graphe|Aspect du graphe"));
    auto* pileCouleur = new QVBoxLayout(rbCouleur);
    const QString items[3] = {QStringLiteral("Mêmes couleurs qu'à l'écran"),
                              QStringLiteral("En niveaux de gris"),
                              QStringLiteral("En noir et blanc")};
    for (int i = 0; i < 3; ++i) {
        couleurs[i] = new QRadioButton(items[i], rbCouleur);
        couleurs[i]->setObjectName(QStringLiteral("rbCouleur%1").arg(i));
        pileCouleur->addWidget(couleurs[i]);
    }
    couleurs[2]->setChecked(true);

    gbGrille = new QGroupBox(QStringLiteral(" Quadrillage 1cm x 1cm "), this);
    gbGrille->setObjectName("gbGrille");
    gbGrille->setStatusTip(QStringLiteral("Ajout d'une grille quadrillée en cm2"));
    chkImpGrille = new QCheckBox(QStringLiteral("Imprimer"), gbGrille);
    chkImpGrille->setObjectName("chkImpGrille");
    chkImpGrille->setChecked(true);
    rbGrilleColor = new QRadioButton(QStringLiteral("De la couleur des axes"), gbGrille);
    rbGrilleColor->setObjectName("rbGrilleColor");
    rbGrilleGris = new QRadioButton(QStringLiteral("En gris"), gbGrille);
    rbGrilleGris->setObjectName("rbGrilleGris");
    rbGrilleGris->setChecked(true);
    auto* pileGrille = new QVBoxLayout(gbGrille);
    pileGrille->addWidget(chkImpGrille);
    pileGrille->addWidget(rbGrilleColor);
    pileGrille->addWidget(rbGrilleGris);

    gbImpPoints = new QGroupBox(QStringLiteral(" Imprimer ... "), this);
    gbImpPoints->setObjectName("gbImpPoints");
    const QString depuis =
        QStringLiteral("Imprimer tous les points, ou seulement à partir de t= 0");
    bulles::appliquer(gbImpPoints, depuis + QLatin1Char('|') + depuis);
    rbImpPoints0 = new QRadioButton(QStringLiteral("Tous les points"), gbImpPoints);
    rbImpPoints0->setObjectName("rbImpPoints0");
    rbImpPoints1 = new QRadioButton(QStringLiteral("Les points à partir de t=0"), gbImpPoints);
    rbImpPoints1->setObjectName("rbImpPoints1");
    rbImpPoints1->setChecked(true);
    rbImpPoints0->setEnabled(false);
    rbImpPoints1->setEnabled(false);
    auto* pilePoints = new QVBoxLayout(gbImpPoints);
    pilePoints->addWidget(rbImpPoints0);
    pilePoints->addWidget(rbImpPoints1);

    // --- Buttons --------------------------------------------------------------------------
    Button1 = new QPushButton(QStringLiteral("Configurer l'imprimante"), this);
    Button1->setObjectName("Button1");
    OKBtn = new QPushButton(QStringLiteral("Imprimer"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setStatusTip(QStringLiteral("Impression immédiate"));
    Button2 = new QPushButton(QStringLiteral("Plus tard..."), this);
    Button2->setObjectName("Button2");
    Button2->setStatusTip(QStringLiteral("Impression reportée"));
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setStatusTip(QStringLiteral("Abandon des modifications d'échelle"));
    for (QPushButton* b : {Button1, OKBtn, Button2, CancelBtn})
        b->setAutoDefault(false); // Enter belongs to the scale box

    // Two columns: the scale and the colours on the left; the previews, the grid and the
    // points on the right.
    auto* grille = new QGridLayout(this);
    grille->addWidget(GroupBox1, 0, 0);
    auto* colonneApercu = new QVBoxLayout;
    colonneApercu->addWidget(apercu);
    colonneApercu->addWidget(lblFormatFeuille);
    colonneApercu->addStretch(1);
    grille->addLayout(colonneApercu, 0, 1);
    grille->addWidget(rbCouleur, 1, 0);
    grille->addWidget(gbGrille, 1, 1);
    grille->addWidget(gbImpPoints, 2, 0);
    grille->addWidget(Button1, 2, 1, Qt::AlignBottom);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(OKBtn);
    boutons->addWidget(Button2);
    boutons->addWidget(CancelBtn);
    grille->addLayout(boutons, 3, 0, 1, 2);
    resize(395, 363);

    connect(edEch, &QLineEdit::textChanged, this, &TdlgImprimer::edEchChange);
    connect(TrackBar1, &QSlider::valueChanged, this, &TdlgImprimer::TrackBar1Change);
    connect(chkImpGrille, &QCheckBox::clicked, this, &TdlgImprimer::chkImpGrilleClick);
    connect(rbGrilleColor, &QRadioButton::clicked, this, &TdlgImprimer::rbGrilleColorClick);
    connect(rbGrilleGris, &QRadioButton::clicked, this, &TdlgImprimer::rbGrilleGrisClick);
    connect(Button1, &QPushButton::clicked, this, &TdlgImprimer::Button1Click);
    connect(OKBtn, &QPushButton::clicked, this, &TdlgImprimer::OKBtnClick);
    connect(Button2, &QPushButton::clicked, this, &TdlgImprimer::Button2Click);
    connect(CancelBtn, &QPushButton::clicked, this, &TdlgImprimer::CancelBtnClick);
}

OptionsImpression TdlgImprimer::options() const {
    OptionsImpression o;
    for (int i = 0; i < 3; ++i)
        if (couleurs[i]->isChecked()) o.couleurs = i;
    o.grille = chkImpGrille->isChecked();
    o.grilleCouleurAxes = rbGrilleColor->isChecked();
    o.depuisT0 = rbImpPoints1->isChecked();
    long double v = 0;
    if (echelleImpression::lireEchelle(edEch->text(), v)) o.echelleImpression = v;
    return o;
}

// --- Showing --------------------------------------------------------------------------------

void TdlgImprimer::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* ecran = screen()) { // centred on the screen
        QRect r = frameGeometry();
        r.moveCenter(ecran->availableGeometry().center());
        move(r.topLeft());
    }
    FormShow();
}

void TdlgImprimer::FormShow() {
    saisieEchelle = false;
    if (imprimante != nullptr) {
        resolutionX = imprimante->logicalDpiX();
        resolutionY = imprimante->logicalDpiY();
    }
    largeurReelle = largeurImage * echelle;
    hauteurReelle = hauteurImage * echelle;
    long double a = 0;
    // An unreadable scale left by "Plus tard..." keeps the previous printed sizes.
    const bool lisible = echelleImpression::lireEchelle(edEch->text(), a);
    if (lisible) {
        largeurDessinCm = largeurReelle / a;
        hauteurDessinCm = hauteurReelle / a;
    }
    AjusteShpFeuille();
    AjusteShpDessin();
    if (echelleARevoir) {
        echelleReference = echelleImpression::echelleProposee(largeurReelle, hauteurReelle,
                                                              largeurFeuilleCm, hauteurFeuilleCm);
        ecrireEchelle(formatReel(2, echelleReference));
        echelleARevoir = false;
    }
    lblImageXm->setText(formatReel(2, largeurReelle));
    lblImageYm->setText(formatReel(2, hauteurReelle));
    if (lisible || echelleImpression::lireEchelle(edEch->text(), a)) {
        lblImageimprimeeX->setText(formatReel(2, largeurDessinCm));
        lblImageImprimeeY->setText(formatReel(2, hauteurDessinCm));
    }
    echelleSauvee = edEch->text();
}

void TdlgImprimer::AjusteShpFeuille() {
    const int largeurPoints = imprimante != nullptr ? imprimante->width() : 0;
    const int hauteurPoints = imprimante != nullptr ? imprimante->height() : 0;
    largeurFeuilleCm = resolutionX > 0 ? largeurPoints * 2.54L / resolutionX : 0;
    hauteurFeuilleCm = resolutionY > 0 ? hauteurPoints * 2.54L / resolutionY : 0;
    lblFormatFeuille->setText(
        echelleImpression::formatFeuille(largeurFeuilleCm, hauteurFeuilleCm, separateurDecimal()));
    const QSize feuille = echelleImpression::apercuFeuille(largeurPoints, hauteurPoints);
    shpFeuille->setGeometry(QRect(shpFeuille->pos(), feuille));
}

void TdlgImprimer::AjusteShpDessin() {
    const auto a = echelleImpression::apercuDessin(
        shpFeuille->size(), largeurDessinCm, hauteurDessinCm, largeurFeuilleCm, hauteurFeuilleCm);
    shpDessin->setGeometry(QRect(shpFeuille->pos(), a.taille));
    shpDessin->setTropGrand(!a.tient);
    shpDessin->raise();
}

// --- Scale box and slider ---------------------------------------------------------------------

void TdlgImprimer::ecrireEchelle(const QString& texte) {
    const bool memeTexte = edEch->text() == texte;
    edEch->setText(texte);
    if (memeTexte) edEchChange(); // no change signal for the same text
}

bool TdlgImprimer::edEchKeyPress(QChar& touche) {
    touche = echelleImpression::toucheEchelle(touche, separateurDecimal());
    return !touche.isNull();
}

void TdlgImprimer::edEchChange() {
    const QString texte = edEch->text();
    if (texte.isEmpty()) return;
    long double a = 0;
    if (!echelleImpression::lireEchelle(texte, a)) {
        OKBtn->setEnabled(false);
        colorerBoite(edEch, QColor(255, 0, 0), Qt::white);
        return;
    }
    OKBtn->setEnabled(true);
    colorerBoite(edEch, QColor(0, 255, 0), Qt::black);
    {
        // The slider follows the box without writing back into it: the typed value stays.
        const QSignalBlocker bloque(TrackBar1);
        TrackBar1->setValue(echelleImpression::positionCurseur(a, echelleReference));
    }
    largeurDessinCm = largeurReelle / a;
    hauteurDessinCm = hauteurReelle / a;
    lblImageimprimeeX->setText(formatReel(2, largeurDessinCm));
    lblImageImprimeeY->setText(formatReel(2, hauteurDessinCm));
    AjusteShpDessin();
}

void TdlgImprimer::edEchEnter() {
    saisieEchelle = true;
}

void TdlgImprimer::edEchExit() {
    saisieEchelle = false;
}

void TdlgImprimer::TrackBar1Change() {
    if (saisieEchelle) return;
    ecrireEchelle(
        formatReel(2, echelleImpression::echelleCurseur(TrackBar1->value(), echelleReference)));
}

bool TdlgImprimer::eventFilter(QObject* objet, QEvent* e) {
    if (objet == edEch) {
        if (e->type() == QEvent::FocusIn) edEchEnter();
        if (e->type() == QEvent::FocusOut) edEchExit();
        if (e->type() == QEvent::KeyPress) {
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) return true;
            const bool commande = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
            if (!commande && k->text().size() == 1 && k->text()[0].isPrint()) {
                QChar c = k->text()[0];
                if (edEchKeyPress(c)) edEch->insert(QString(c));
                return true;
            }
        }
    }
    return QDialog::eventFilter(objet, e);
}

// --- Options ------------------------------------------------------------------------------------

void TdlgImprimer::chkImpGrilleClick() {
    rbGrilleColor->setEnabled(chkImpGrille->isChecked());
    rbGrilleGris->setEnabled(chkImpGrille->isChecked());
}

void TdlgImprimer::rbGrilleColorClick() {
    rbGrilleGris->setChecked(!rbGrilleColor->isChecked());
}

void TdlgImprimer::rbGrilleGrisClick() {
    rbGrilleColor->setChecked(!rbGrilleGris->isChecked());
}

// --- Buttons ------------------------------------------------------------------------------------

bool TdlgImprimer::dialogueImpressionQt(QPrinter* p) {
    QPrintDialog d(p, this);
    d.setObjectName("PrintDialog");
    return d.exec() == QDialog::Accepted;
}

void TdlgImprimer::Button1Click() {
    if (imprimante == nullptr || !choisirImprimante || !choisirImprimante(imprimante)) return;
    resolutionX = imprimante->logicalDpiX();
    resolutionY = imprimante->logicalDpiY();
    AjusteShpFeuille();
    AjusteShpDessin();
}

void TdlgImprimer::Button2Click() {
    QDialog::done(QDialog::Rejected); // the scale and options stay as they are
}

void TdlgImprimer::CancelBtnClick() {
    ecrireEchelle(echelleSauvee);
    QDialog::done(QDialog::Rejected);
}

void TdlgImprimer::reject() {
    CancelBtnClick();
}

void TdlgImprimer::OKBtnClick() {
    if (imprimer && !imprimer(options())) return;
    accept();
}
