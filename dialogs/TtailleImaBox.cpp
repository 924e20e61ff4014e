#include "dialogs/TtailleImaBox.h"

#include "app/EtatVue.h"
#include "clip/TailleAffichage.h"
#include "measure/HautBas.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TtailleImaBox::TtailleImaBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TtailleImaBox");
    setWindowTitle(QStringLiteral("Taille du clip"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);

    auto* titre = new QLabel(QStringLiteral("Avertissement"), this);
    titre->setObjectName("lblAvertissement");
    QPalette rouge = titre->palette();
    rouge.setColor(QPalette::WindowText, QColor(255, 0, 0));
    titre->setPalette(rouge);
    QFont gras = titre->font();
    gras.setBold(true);
    titre->setFont(gras);
    auto* texte = new QLabel(
        QStringLiteral("Modifier la taille du clip entraîne la perte des données."), this);
    texte->setObjectName("lblPerte");
    texte->setWordWrap(true);

    chkBxAdapter = new QCheckBox(QStringLiteral("Adapter"), this);
    chkBxAdapter->setObjectName("chkBxAdapter");
    chkBxAdapter->setLayoutDirection(Qt::RightToLeft); // text to the left of the box

    pnlPc = new QLabel(QStringLiteral("100%"), this);
    pnlPc->setObjectName("pnlPc");
    pnlPc->setAlignment(Qt::AlignCenter);
    pnlPc->setFrameShape(QFrame::Panel);
    pnlPc->setFrameShadow(QFrame::Sunken);
    pnlPc->setAutoFillBackground(true);
    QPalette blanc = pnlPc->palette();
    blanc.setColor(QPalette::Window, Qt::white);
    pnlPc->setPalette(blanc);
    pnlPc->setMinimumWidth(pnlPc->fontMetrics().horizontalAdvance(QStringLiteral("400%")) + 16);
    udPc = new HautBas(this);
    udPc->setObjectName("udPc");
    udPc->setRange(tailleAffichage::kPcMin, tailleAffichage::kPcMax);
    udPc->setValue(100);
    udPc->setWrapping(false);
    udPc->setSingleStep(1);
    udPc->flechesSeules();
    auto* plage = new QLabel(QStringLiteral("(10..400)"), this);
    plage->setObjectName("lblPlagePc");

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName("OKBtn");
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setDefault(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1800);

    auto* ligneTaille = new QHBoxLayout;
    ligneTaille->addWidget(chkBxAdapter);
    ligneTaille->addSpacing(12);
    ligneTaille->addWidget(pnlPc);
    ligneTaille->addWidget(udPc);
    ligneTaille->addWidget(plage);
    ligneTaille->addStretch(1);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(OKBtn);
    boutons->addWidget(CancelBtn);
    auto* pile = new QVBoxLayout(this);
    pile->addWidget(titre);
    pile->addWidget(texte);
    pile->addSpacing(6);
    pile->addLayout(ligneTaille);
    pile->addSpacing(6);
    pile->addLayout(boutons);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

    connect(udPc, &HautBas::clic, this, &TtailleImaBox::udPcClick);
    connect(udPc, &HautBas::enfonce, this, &TtailleImaBox::udPcMouseDown);
    connect(udPc, &HautBas::relache, this, &TtailleImaBox::udPcMouseUp);
    connect(Timer1, &QTimer::timeout, this, &TtailleImaBox::Timer1Timer);
    connect(chkBxAdapter, &QCheckBox::toggled, this, &TtailleImaBox::chkBxAdapterClick);
    connect(OKBtn, &QPushButton::clicked, this, &TtailleImaBox::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TtailleImaBox::CancelBtnClick);
}

void TtailleImaBox::setPosition(int pc) {
    udPc->setValue(tailleAffichage::borner(pc));
    pnlPc->setText(QStringLiteral("%1%").arg(udPc->value()));
}

int TtailleImaBox::position() const {
    return udPc->value();
}

void TtailleImaBox::showEvent(QShowEvent* e) {
    if (QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    QDialog::showEvent(e);
    FormShow();
}

void TtailleImaBox::hideEvent(QHideEvent* e) {
    FormHide();
    QDialog::hideEvent(e);
}

void TtailleImaBox::FormShow() {
    Timer1->start();
    OKBtn->setDefault(false);
    CancelBtn->setDefault(true);
    EtatVue* e = liens.vue;
    if (e == nullptr) return;
    e->boutonPcEnfonce = false;
    setWindowTitle(QStringLiteral("Taille du clip (actuellement %1%)").arg(e->taillePc));
    chkBxAdapter->setChecked(e->adapte);
}

void TtailleImaBox::FormHide() {
    Timer1->stop();
    setWindowTitle(QStringLiteral("Taille du clip"));
}

void TtailleImaBox::udPcClick() {
    pnlPc->setText(QStringLiteral("%1%").arg(udPc->value()));
}

void TtailleImaBox::udPcMouseDown() {
    if (liens.vue) liens.vue->boutonPcEnfonce = true;
    chkBxAdapter->setChecked(false);
}

void TtailleImaBox::udPcMouseUp() {
    if (liens.vue) liens.vue->boutonPcEnfonce = false;
    udPc->setSingleStep(1);
}

void TtailleImaBox::Timer1Timer() {
    if (liens.vue && liens.vue->boutonPcEnfonce)
        udPc->setSingleStep(tailleAffichage::incrementSuivant(udPc->singleStep()));
}

void TtailleImaBox::chkBxAdapterClick() {
    if (!chkBxAdapter->isChecked() || !liens.pcAdapte) return;
    setPosition(liens.pcAdapte());
}

void TtailleImaBox::OKBtnClick() {
    EtatVue* e = liens.vue;
    if (e != nullptr) {
        const int p = position();
        const bool adapter = chkBxAdapter->isChecked();
        if (e->appliquerTaille || p != e->taillePc) {
            if (liens.MaJ && !liens.MaJ(p, adapter)) setPosition(e->taillePc);
        } else if (adapter && liens.panneauAuCoin) {
            liens.panneauAuCoin();
        }
        e->taillePc = position();
    }
    accept();
}

void TtailleImaBox::CancelBtnClick() {
    reject();
}

void TtailleImaBox::reject() {
    // Opened by "100%": the spinner goes back to the size in force. Otherwise it keeps
    // what the user set, shown again next time.
    if (liens.vue && liens.vue->appliquerTaille) setPosition(liens.vue->taillePc);
    QDialog::reject();
}
