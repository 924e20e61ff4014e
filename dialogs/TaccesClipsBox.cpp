#include "dialogs/TaccesClipsBox.h"

#include "app/FichierConfig.h"

#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TaccesClipsBox::TaccesClipsBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TaccesClipsBox");
    setWindowTitle(QStringLiteral("Définition du chemin d'accès aux clips"));
    // Fixed border, no title-bar buttons: the dialog closes through its buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    rb1 = new QRadioButton(QStringLiteral("Utiliser le dossier du dernier clip"), this);
    rb1->setObjectName("rb1");
    rb1->setChecked(true);
    rb2 = new QRadioButton(QStringLiteral("Toujours utiliser le dossier suivant : "), this);
    rb2->setObjectName("rb2");
    edClipsPath = new QLineEdit(this);
    edClipsPath->setObjectName("edClipsPath");
    edClipsPath->setEnabled(false);
    btnParcourir = new QPushButton(QStringLiteral("Parcourir..."), this);
    btnParcourir->setObjectName("btnParcourir");
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName("CancelBtn");

    auto* pile = new QVBoxLayout(this);
    pile->addWidget(rb1);
    pile->addWidget(rb2);
    auto* ligne = new QHBoxLayout;
    ligne->addWidget(edClipsPath, 1);
    ligne->addWidget(btnParcourir);
    pile->addLayout(ligne);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(OKBtn);
    boutons->addWidget(CancelBtn);
    pile->addLayout(boutons);
    setMinimumWidth(420);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(rb1, &QRadioButton::clicked, this, &TaccesClipsBox::rb1Click);
    connect(rb2, &QRadioButton::clicked, this, &TaccesClipsBox::rb1Click);
    connect(btnParcourir, &QPushButton::clicked, this, &TaccesClipsBox::btnParcourirClick);
    connect(OKBtn, &QPushButton::clicked, this, &TaccesClipsBox::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TaccesClipsBox::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FormShow();
}

void TaccesClipsBox::FormShow() {
    if (config_.lignes && config_.dossierProgramme &&
        fichierConfig::existe(*config_.dossierProgramme)) {
        auto& config = *config_.lignes;
        config = fichierConfig::lire(fichierConfig::chemin(*config_.dossierProgramme));
        const bool zero = config[3] == QLatin1String("0");
        const bool un = config[3] == QLatin1String("1");
        if (zero) rb1->setChecked(true);
        if (un) rb2->setChecked(true);
        OKBtn->setEnabled(zero || un);
        CancelBtn->setEnabled(zero || un);
        edClipsPath->setText(config[4]);
        if (zero || un) rb1Click();
    }
    btnParcourir->setEnabled(rb2->isChecked());
}

void TaccesClipsBox::rb1Click() {
    OKBtn->setEnabled(true);
    CancelBtn->setEnabled(true);
    edClipsPath->setEnabled(rb2->isChecked());
    btnParcourir->setEnabled(rb2->isChecked());
}

void TaccesClipsBox::btnParcourirClick() {
    const QString dossier = QFileDialog::getExistingDirectory(
        this, QStringLiteral("Choisissez un dossier..."), QDir::rootPath(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (!dossier.isEmpty()) edClipsPath->setText(QDir::toNativeSeparators(dossier));
}

void TaccesClipsBox::OKBtnClick() {
    if (config_.lignes) {
        (*config_.lignes)[3] = rb1->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
        (*config_.lignes)[4] = edClipsPath->text();
        if (config_.enregistrer) config_.enregistrer();
    }
    accept();
}
