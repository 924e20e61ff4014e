#include "dialogs/TaccesTabBox.h"

#include "export/TransfertTableur.h"
#include "platform/Bulles.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

TaccesTabBox::TaccesTabBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TaccesTabBox");
    setWindowTitle(QStringLiteral("Choix du tableur"));

    rgTab = new QGroupBox(QStringLiteral(" Tableur "), this);
    rgTab->setObjectName("rgTab");
    bulles::appliquer(rgTab, QStringLiteral("Choisir le tableur"));
    items = new QButtonGroup(this);
    auto* colonnes = new QHBoxLayout(rgTab);
    const char* noms[] = {tableur::kCalc, tableur::kExcel};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(noms[i]), rgTab);
        b->setObjectName(QStringLiteral("rgTab%1").arg(i));
        items->addButton(b, i);
        colonnes->addWidget(b);
    }

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName("CancelBtn");
    bulles::appliquer(CancelBtn, QStringLiteral("Annuler"));

    auto* pile = new QVBoxLayout(this);
    pile->addWidget(rgTab);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(OKBtn);
    boutons->addWidget(CancelBtn);
    pile->addLayout(boutons);
    layout()->setSizeConstraint(QLayout::SetFixedSize); // fixed border

    connect(OKBtn, &QPushButton::clicked, this, &TaccesTabBox::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

int TaccesTabBox::itemIndex() const {
    return items->checkedId();
}

void TaccesTabBox::setItemIndex(int i) {
    if (QAbstractButton* b = items->button(i)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked unless told otherwise for a moment.
    items->setExclusive(false);
    for (QAbstractButton* b : items->buttons())
        b->setChecked(false);
    items->setExclusive(true);
}

void TaccesTabBox::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* ecran = screen()) // centred on the screen, not on the window
        move(ecran->availableGeometry().center() - rect().center());
    FormShow();
}

void TaccesTabBox::FormShow() {
    const QString choix = config_.lignes ? (*config_.lignes)[9].toLower() : QString();
    if (choix == QLatin1String("openoffice.calc"))
        setItemIndex(0);
    else if (choix == QLatin1String("microsoft excel"))
        setItemIndex(1);
    else
        setItemIndex(-1);
}

void TaccesTabBox::OKBtnClick() {
    if (config_.lignes) {
        const int i = itemIndex();
        (*config_.lignes)[9] = i == 0   ? QString::fromLatin1(tableur::kCalc)
                               : i == 1 ? QString::fromLatin1(tableur::kExcel)
                                        : QStringLiteral("tableur ?");
        if (config_.enregistrer) config_.enregistrer();
    }
    accept();
}
