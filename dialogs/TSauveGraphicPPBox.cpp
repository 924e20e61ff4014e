#include "dialogs/TSauveGraphicPPBox.h"

#include <QColorDialog>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TSauveGraphicPPBox::TSauveGraphicPPBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TSauveGraphicPPBox");
    setWindowTitle(QStringLiteral("Graphique >>> Presse-papier"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setStatusTip(QStringLiteral("Copie du graphique vers le presse-papier"));

    auto* Label2 = new QLabel(QStringLiteral("Vous venez de demander l'enregistrement du "
                                             "graphique vers le presse-papier. "),
                              this);
    Label2->setObjectName("Label2");
    Label2->setWordWrap(true);

    rgIncExc = new QGroupBox(this);
    rgIncExc->setObjectName("rgIncExc");
    rgIncExc->setStatusTip(QStringLiteral("Inclure ou exclure l'image du clip"));
    rbInclure = new QRadioButton(QStringLiteral("Inclure l'image"), rgIncExc);
    rbInclure->setObjectName("rgIncExc0");
    rbExclure = new QRadioButton(QStringLiteral("Exclure l'image"), rgIncExc);
    rbExclure->setObjectName("rgIncExc1");
    rbExclure->setChecked(true);
    auto* ligneChoix = new QHBoxLayout(rgIncExc);
    ligneChoix->addWidget(rbInclure);
    ligneChoix->addWidget(rbExclure);

    const QString fond =
        QStringLiteral("Définir la couleur du fond quand l'image du clip est exclue");
    shpCouleurFond = new QFrame(this);
    shpCouleurFond->setObjectName("shpCouleurFond");
    shpCouleurFond->setFixedSize(40, 22);
    shpCouleurFond->setStatusTip(fond);
    btnCouleurFond = new QPushButton(QStringLiteral("Couleur du fond"), this);
    btnCouleurFond->setObjectName("btnCouleurFond");
    btnCouleurFond->setStatusTip(fond);
    ColorDialog1 = new QColorDialog(this);
    ColorDialog1->setObjectName("ColorDialog1");
    peindreRectangle(true);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    OKBtn->setStatusTip(QStringLiteral("Copie immédiate vers le presse-papier"));
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setStatusTip(QStringLiteral("Annuler"));

    auto* pile = new QVBoxLayout(this);
    pile->addWidget(Label2);
    pile->addWidget(rgIncExc);
    auto* ligneFond = new QHBoxLayout;
    ligneFond->addWidget(shpCouleurFond);
    ligneFond->addWidget(btnCouleurFond);
    ligneFond->addStretch(1);
    pile->addLayout(ligneFond);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(OKBtn);
    boutons->addWidget(CancelBtn);
    pile->addLayout(boutons);
    setFixedSize(313, 162);

    connect(rbInclure, &QRadioButton::clicked, this, &TSauveGraphicPPBox::rgIncExcClick);
    connect(rbExclure, &QRadioButton::clicked, this, &TSauveGraphicPPBox::rgIncExcClick);
    connect(btnCouleurFond, &QPushButton::clicked, this, &TSauveGraphicPPBox::btnCouleurFondClick);
    connect(OKBtn, &QPushButton::clicked, this, &TSauveGraphicPPBox::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TSauveGraphicPPBox::CancelBtnClick);
}

bool TSauveGraphicPPBox::inclureImage() const {
    return rbInclure->isChecked();
}

void TSauveGraphicPPBox::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

void TSauveGraphicPPBox::FormShow() {
    couleurFond = couleurRectangle_;
}

// The rectangle shows the background colour when filled; transparent, only its outline.
void TSauveGraphicPPBox::peindreRectangle(bool rempli) {
    shpCouleurFond->setStyleSheet(
        rempli ? QStringLiteral("QFrame { background: %1; border: 1px solid black; }")
                     .arg(couleurRectangle_.name())
               : QStringLiteral("QFrame { background: transparent; border: 1px solid black; }"));
    shpCouleurFond->setProperty("rempli", rempli);
}

void TSauveGraphicPPBox::rgIncExcClick() {
    const bool exclure = !inclureImage();
    peindreRectangle(exclure);
    btnCouleurFond->setEnabled(exclure);
}

void TSauveGraphicPPBox::btnCouleurFondClick() {
    ColorDialog1->setCurrentColor(couleurRectangle_);
    if (ColorDialog1->exec() != QDialog::Accepted) return;
    couleurRectangle_ = ColorDialog1->selectedColor().toRgb();
    couleurFond = couleurRectangle_;
    peindreRectangle(true);
}

void TSauveGraphicPPBox::OKBtnClick() {
    if (copier) copier(inclureImage(), couleurFond);
    accept();
}

void TSauveGraphicPPBox::CancelBtnClick() {
    reject();
}
