#include "dialogs/TFormatTxtBox.h"

#include "export/TextePressePapier.h"
#include "platform/Locale.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

TFormatTxtBox::TFormatTxtBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TFormatTxtBox");
    setWindowTitle(QStringLiteral("Enregistrement au format Texte (*.txt)"));
    auto* pile = new QVBoxLayout(this);

    auto* intro = new QLabel(QStringLiteral("Vous venez de demander l'enregistrement des données "
                                            "dans un fichier au format Texte."),
                             this);
    intro->setObjectName("Label2");
    intro->setWordWrap(true);
    pile->addWidget(intro);

    auto* cadreTitre = new QGroupBox(QStringLiteral("Donnez un titre aux données"), this);
    cadreTitre->setObjectName("gbTitre");
    cadreTitre->setProperty("contexteAide", 240);
    auto* ligneTitre = new QHBoxLayout(cadreTitre);
    auto* etiquette = new QLabel(QStringLiteral("Titre"), cadreTitre);
    etiquette->setObjectName("Label1");
    edFormatTxtTitre = new QLineEdit(QStringLiteral("Pointages Kinopix"), cadreTitre);
    edFormatTxtTitre->setObjectName("edFormatTxtTitre");
    etiquette->setBuddy(edFormatTxtTitre);
    ligneTitre->addWidget(etiquette);
    ligneTitre->addWidget(edFormatTxtTitre, 1);
    pile->addWidget(cadreTitre);

    rgSeparTxt = new QGroupBox(QStringLiteral("Choisissez le type de séparateur de données"), this);
    rgSeparTxt->setObjectName("rgSeparTxt");
    auto* grille = new QGridLayout(rgSeparTxt);
    separateurs_ = new QButtonGroup(rgSeparTxt);
    const QStringList items{QStringLiteral("Tabulation"), QStringLiteral("Point virgule"),
                            QStringLiteral("Virgule"), QStringLiteral("Espace")};
    for (int i = 0; i < items.size(); ++i) {
        auto* rb = new QRadioButton(items[i], rgSeparTxt);
        rb->setObjectName(QStringLiteral("rgSeparTxt_%1").arg(i));
        separateurs_->addButton(rb, i);
        grille->addWidget(rb, i % 2, i / 2);
    }
    separateurs_->button(0)->setChecked(true);
    pile->addWidget(rgSeparTxt);

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
    setMinimumWidth(340);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(annuler, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, &TFormatTxtBox::restaurer);
}

void TFormatTxtBox::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The locale's decimal separator may rule an item out; a choice of it made under
    // another locale moves to the item offered instead.
    for (QAbstractButton* b : separateurs_->buttons()) {
        const QString raison =
            textePressePapier::separateurIndisponible(separateurs_->id(b), separateurDecimal());
        b->setEnabled(raison.isEmpty());
        b->setToolTip(raison);
        b->setStatusTip(raison);
        if (!raison.isEmpty() && b->isChecked())
            separateurs_->button(textePressePapier::kItemRemplacant)->setChecked(true);
    }
    titreRetenu_ = edFormatTxtTitre->text();
    separateurRetenu_ = std::max(0, separateurs_->checkedId());
    edFormatTxtTitre->setFocus();
}

QString TFormatTxtBox::titre() const {
    return edFormatTxtTitre->text();
}

QString TFormatTxtBox::separateur() const {
    switch (separateurs_->checkedId()) {
    case 1:
        return QStringLiteral(";");
    case 2:
        return QStringLiteral(",");
    case 3:
        return QStringLiteral(" ");
    default:
        return QStringLiteral("\t");
    }
}

void TFormatTxtBox::restaurer() {
    edFormatTxtTitre->setText(titreRetenu_);
    if (auto* b = separateurs_->button(separateurRetenu_)) b->setChecked(true);
}
