#include "dialogs/TSauveTableauPPBox.h"

#include "export/TextePressePapier.h"
#include "platform/Bulles.h"
#include "platform/Locale.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QColor kArgent(192, 192, 192);
const QColor kJaunePale(255, 255, 192);

QFrame* cadreJaune(QWidget* parent, const QString& nom, bool contourVert) {
    auto* cadre = new QFrame(parent);
    cadre->setObjectName(nom);
    cadre->setStyleSheet(QStringLiteral("QFrame#%1 { background: rgb(255, 255, 192); border: 1px "
                                        "solid %2; }")
                             .arg(nom, contourVert ? QStringLiteral("green")
                                                   : QStringLiteral("rgb(255, 255, 192)")));
    return cadre;
}

QLabel* etiquette(QWidget* parent, const QString& nom, const QString& texte) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    return l;
}

} // namespace

TSauveTableauPPBox::TSauveTableauPPBox(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TSauveTableauPPBox");
    setWindowTitle(QStringLiteral("Tableau de mesures >>> Presse-papier"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setStatusTip(QStringLiteral("Copie du tableau de mesures vers le presse-papier"));
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, kArgent);
    setPalette(fond);

    auto* Label2 = etiquette(this, "Label2",
                             QStringLiteral("Vous venez de demander l'enregistrement des données "
                                            "du tableau vers le presse-papier."));
    Label2->setWordWrap(true);

    const QString choisirTitre = QStringLiteral("Choisir le titre");
    QFrame* cadreTitre = cadreJaune(this, "pnlTitre", true);
    auto* Label4 = etiquette(cadreTitre, "Label4", QStringLiteral("Donnez un titre aux données"));
    auto* Label1 = etiquette(cadreTitre, "Label1", QStringLiteral("Titre"));
    edSauvePPTitre = new QLineEdit(QStringLiteral("Pointages Kinopix"), cadreTitre);
    edSauvePPTitre->setObjectName("edSauvePPTitre");
    for (QWidget* w : {static_cast<QWidget*>(Label4), static_cast<QWidget*>(Label1),
                       static_cast<QWidget*>(edSauvePPTitre)})
        w->setStatusTip(choisirTitre);
    auto* grilleTitre = new QGridLayout(cadreTitre);
    grilleTitre->addWidget(Label4, 0, 0, 1, 2);
    grilleTitre->addWidget(Label1, 1, 0);
    grilleTitre->addWidget(edSauvePPTitre, 1, 1);

    const QString choisirSep = QStringLiteral("Choisir le séparateur de données");
    QFrame* cadreSep = cadreJaune(this, "pnlSeparateur", false);
    auto* Label3 = etiquette(cadreSep, "Label3",
                             QStringLiteral("Choisissez le type de séparateur de données"));
    Label3->setStatusTip(choisirSep);
    rgSeparTxt = new QGroupBox(cadreSep);
    rgSeparTxt->setObjectName("rgSeparTxt");
    rgSeparTxt->setStatusTip(
        QStringLiteral("Choisir le séparateur de données : \"Tabulation\" "
                       "convient pour la copie dans la plupart des tableaux."));
    auto* grilleSep = new QGridLayout(rgSeparTxt);
    const QString items[4] = {QStringLiteral("Tabulation"), QStringLiteral("Point virgule"),
                              QStringLiteral("Virgule"), QStringLiteral("Espace")};
    for (int i = 0; i < 4; ++i) {
        separateurs[i] = new QRadioButton(items[i], rgSeparTxt);
        separateurs[i]->setObjectName(QStringLiteral("rgSeparTxt%1").arg(i));
        grilleSep->addWidget(separateurs[i], i % 2, i / 2); // two columns, filled downwards
    }
    separateurs[0]->setChecked(true);
    auto* pileSep = new QVBoxLayout(cadreSep);
    pileSep->addWidget(Label3);
    pileSep->addWidget(rgSeparTxt);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    OKBtn->setStatusTip(QStringLiteral("Copie immédiate du tableau vers le presse-papier"));
    OKBtn->setProperty("contexteAide", 240);
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setStatusTip(QStringLiteral("Annuler"));

    auto* pile = new QVBoxLayout(this);
    pile->addWidget(Label2);
    pile->addWidget(cadreTitre);
    pile->addWidget(cadreSep);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(OKBtn);
    boutons->addWidget(CancelBtn);
    pile->addLayout(boutons);
    setFixedSize(313, 257);

    connect(OKBtn, &QPushButton::clicked, this, &TSauveTableauPPBox::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TSauveTableauPPBox::CancelBtnClick);
}

int TSauveTableauPPBox::itemSeparateur() const {
    for (int i = 0; i < 4; ++i)
        if (separateurs[i]->isChecked()) return i;
    return 0;
}

void TSauveTableauPPBox::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* ecran = screen()) { // centred on the screen, not on the window
        QRect r = frameGeometry();
        r.moveCenter(ecran->availableGeometry().center());
        move(r.topLeft());
    }
    FormShow();
}

void TSauveTableauPPBox::FormShow() {
    // The locale's decimal separator may rule an item out; a choice of it made under
    // another locale moves to the item offered instead. Only the status bar shows hints here.
    for (int i = 0; i < 4; ++i) {
        const QString raison = textePressePapier::separateurIndisponible(i, separateurDecimal());
        separateurs[i]->setEnabled(raison.isEmpty());
        separateurs[i]->setStatusTip(raison);
        if (!raison.isEmpty() && separateurs[i]->isChecked())
            separateurs[textePressePapier::kItemRemplacant]->setChecked(true);
    }
    titreSauve = edSauvePPTitre->text();
    edSauvePPTitre->setFocus();
}

void TSauveTableauPPBox::OKBtnClick() {
    if (copier) copier(edSauvePPTitre->text(), textePressePapier::separateur(itemSeparateur()));
    accept();
}

void TSauveTableauPPBox::CancelBtnClick() {
    reject();
}

void TSauveTableauPPBox::reject() {
    edSauvePPTitre->setText(titreSauve);
    QDialog::reject();
}
