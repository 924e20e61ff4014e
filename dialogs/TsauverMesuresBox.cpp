#include "dialogs/TsauverMesuresBox.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

TsauverMesuresBox::TsauverMesuresBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TsauverMesuresBox");
    setWindowTitle(QStringLiteral("Enregistrement des mesures"));
    auto* pile = new QVBoxLayout(this);

    rgFormat = new QGroupBox(QStringLiteral(" Format "), this);
    rgFormat->setObjectName("rgFormat");
    auto* colonne = new QVBoxLayout(rgFormat);
    formats_ = new QButtonGroup(rgFormat);
    const QStringList items{QStringLiteral("Regressi Windows (*.rw3)"),
                            QStringLiteral("Regressi DOS (*.rrr)"),
                            QStringLiteral("Texte (*.txt)")};
    for (int i = 0; i < items.size(); ++i) {
        auto* rb = new QRadioButton(items[i], rgFormat);
        rb->setObjectName(QStringLiteral("rgFormat_%1").arg(i));
        formats_->addButton(rb, i);
        colonne->addWidget(rb);
    }
    formats_->button(0)->setChecked(true);
    pile->addWidget(rgFormat);

    auto* boutons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    auto* annuler = new QPushButton(QStringLiteral("Annuler"), this);
    annuler->setObjectName("CancelBtn");
    boutons->addStretch(1);
    boutons->addWidget(ok);
    boutons->addWidget(annuler);
    pile->addLayout(boutons);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
}

int TsauverMesuresBox::format() const {
    return std::max(0, formats_->checkedId());
}
