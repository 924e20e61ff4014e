#include "dialogs/TaccesregBox.h"

#include "platform/Bulles.h"
#include "platform/DialogueFichier.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TaccesregBox::TaccesregBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TaccesregBox");
    setWindowTitle(QStringLiteral("Définition du chemin d'accès à Regressi"));
    auto* pile = new QVBoxLayout(this);

    auto* ligne = new QHBoxLayout;
    edRegPath = new QLineEdit(this);
    edRegPath->setObjectName("edRegPath");
    edRegPath->setReadOnly(true);
    bulles::appliquer(edRegPath, QStringLiteral("|Chemin d'accès à Regressi"));
    btnParcourir = new QPushButton(QStringLiteral("Parcourir..."), this);
    btnParcourir->setObjectName("btnParcourir");
    ligne->addWidget(edRegPath, 1);
    ligne->addWidget(btnParcourir);
    pile->addLayout(ligne);

    rgRegVersion = new QGroupBox(QStringLiteral(" Version "), this);
    rgRegVersion->setObjectName("rgRegVersion");
    auto* colonnes = new QHBoxLayout(rgRegVersion);
    versions_ = new QButtonGroup(rgRegVersion);
    const QStringList items{QStringLiteral(" Regressi Windows"), QStringLiteral(" Regressi DOS")};
    for (int i = 0; i < items.size(); ++i) {
        auto* rb = new QRadioButton(items[i], rgRegVersion);
        rb->setObjectName(QStringLiteral("rgRegVersion_%1").arg(i));
        versions_->addButton(rb, i);
        colonnes->addWidget(rb);
    }
    pile->addWidget(rgRegVersion);

    auto* boutons = new QHBoxLayout;
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName("CancelBtn");
    boutons->addStretch(1);
    boutons->addWidget(OKBtn);
    boutons->addWidget(CancelBtn);
    pile->addLayout(boutons);
    setMinimumWidth(420);

    connect(btnParcourir, &QPushButton::clicked, this, &TaccesregBox::btnParcourirClick);
    connect(versions_, &QButtonGroup::idClicked, this, &TaccesregBox::rgRegVersionClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TaccesregBox::preparer(const QString& version, const QString& chemin) {
    OKBtn->setEnabled(false);
    // No version selected, then the one the configuration names.
    versions_->setExclusive(false);
    for (QAbstractButton* b : versions_->buttons())
        b->setChecked(false);
    versions_->setExclusive(true);
    const QString v = version.toLower();
    if (v == QLatin1String("win")) versions_->button(0)->setChecked(true);
    if (v == QLatin1String("dos")) versions_->button(1)->setChecked(true);
    const bool existe = QFileInfo(chemin).isFile();
    if (existe) edRegPath->setText(chemin);
    OKBtn->setEnabled(existe && this->version() >= 0);
}

int TaccesregBox::version() const {
    return versions_->checkedId();
}

QString TaccesregBox::chemin() const {
    return edRegPath->text();
}

void TaccesregBox::btnParcourirClick() {
    if (ouverture_ == nullptr) {
        ouverture_ = new DialogueFichier(this, DialogueFichier::Mode::Ouvrir,
                                         QStringLiteral("OpenDialogReg"));
        ouverture_->setFiltre(QStringLiteral("Regressi (éxécutable)|*.exe;"));
    }
    const QString choisi =
        ouverture_->choisir(QStringLiteral("Définition du chemin d'accès à Regressi"), chemin());
    if (!choisi.isEmpty()) edRegPath->setText(QDir::toNativeSeparators(choisi));
}

void TaccesregBox::rgRegVersionClick() {
    OKBtn->setEnabled(true);
}
