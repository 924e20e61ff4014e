#include "dialogs/TalleraDlg.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

TalleraDlg::TalleraDlg(QWidget* parent)
    : QDialog(parent) {
    setObjectName("TalleraDlg");
    setWindowTitle(QStringLiteral("Aller à l'image..."));
    // No title-bar buttons: "Fermer" closes it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(0, 255, 255)); // aqua
    setPalette(fond);

    stringGridAller = new QTableWidget(1, 4, this);
    stringGridAller->setObjectName("stringGridAller");
    stringGridAller->horizontalHeader()->hide();
    stringGridAller->verticalHeader()->hide();
    stringGridAller->horizontalHeader()->setDefaultSectionSize(72);
    stringGridAller->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stringGridAller->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    stringGridAller->setFont(courier);
    stringGridAller->installEventFilter(this);
    connect(stringGridAller, &QTableWidget::cellClicked, this, &TalleraDlg::stringGridAllerClick);

    auto* bas = new QWidget(this);
    bas->setObjectName("pnlBas");
    auto* ligne = new QHBoxLayout(bas);
    auto* main = new QLabel(bas);
    main->setText(QStringLiteral("\u261E")); // a pointing hand
    QFont grande = main->font();
    grande.setPointSize(grande.pointSize() * 2);
    main->setFont(grande);
    auto* consigne =
        new QLabel(QStringLiteral("Cliquez  sur le numéro de l'image à atteindre..."), bas);
    consigne->setObjectName("lblConsigne");
    auto* fermer = new QPushButton(QStringLiteral("Fermer"), bas);
    fermer->setObjectName("btnFermer");
    connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
    ligne->addWidget(main);
    ligne->addWidget(consigne, 1);
    ligne->addWidget(fermer);

    auto* pile = new QVBoxLayout(this);
    pile->addWidget(stringGridAller, 1);
    pile->addWidget(bas);
    resize(4 * 72 + 40, 260);
    FormCreate();
}

void TalleraDlg::FormCreate() {
    ecrire(0, 0, QString());
    ecrire(0, 1, QStringLiteral("image n°"));
    ecrire(0, 2, QStringLiteral("t (s)"));
    ecrire(0, 3, QStringLiteral("point n°"));
}

void TalleraDlg::ecrire(int ligne, int colonne, const QString& texte) {
    auto* item = stringGridAller->item(ligne, colonne);
    if (!item) {
        item = new QTableWidgetItem;
        stringGridAller->setItem(ligne, colonne, item);
    }
    item->setText(texte);
    if (ligne == 0) {
        item->setFlags(fixe ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setBackground(palette().color(QPalette::Button));
    }
}

QString TalleraDlg::texte(int ligne, int colonne) const {
    const auto* item = stringGridAller->item(ligne, colonne);
    return item ? item->text() : QString();
}

void TalleraDlg::vider() {
    stringGridAller->setRowCount(1);
    setLigneFixe(false);
}

void TalleraDlg::ajouterLigne(int r, const QString& t, int k) {
    const int ligne = stringGridAller->rowCount();
    stringGridAller->setRowCount(ligne + 1);
    ecrire(ligne, 0, QString());
    ecrire(ligne, 1, QString::number(r));
    ecrire(ligne, 2, t);
    ecrire(ligne, 3, QString::number(k));
}

int TalleraDlg::nbLignes() const {
    return stringGridAller->rowCount();
}
QString TalleraDlg::marque(int ligne) const {
    return texte(ligne, 0);
}
int TalleraDlg::imageDe(int ligne) const {
    return texte(ligne, 1).toInt();
}
int TalleraDlg::pointDe(int ligne) const {
    return texte(ligne, 3).toInt();
}

void TalleraDlg::setLigneFixe(bool f) {
    fixe = f;
    for (int c = 0; c < 4; ++c)
        ecrire(0, c, texte(0, c));
}

void TalleraDlg::stringGridAllerClick(int ligne, int colonne) {
    if (!clipOuvert || !clipOuvert()) return;
    if (ligne < 1 || ligne >= nbLignes()) return; // the header row
    if (colonne == 0 && marque(ligne) != QStringLiteral("-"))
        ecrire(ligne, 0, marque(ligne).isEmpty() ? QStringLiteral("x") : QString());
    emit atteindre(imageDe(ligne), pointDe(ligne));
}

void TalleraDlg::stringGridAllerKeyUp(int touche) {
    if (touche != Qt::Key_Delete) return;
    bool efface = false;
    for (int ligne = 1; ligne < nbLignes(); ++ligne) {
        if (marque(ligne) != QStringLiteral("x")) continue;
        emit effacerPoint(imageDe(ligne), pointDe(ligne));
        ecrire(ligne, 0, QStringLiteral("-"));
        efface = true;
    }
    if (efface && clipOuvert && clipOuvert()) emit pointsEffaces();
}

void TalleraDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (const QScreen* ecran = screen()) { // centred on the screen, not on the window
        QRect r = frameGeometry();
        r.moveCenter(ecran->availableGeometry().center());
        move(r.topLeft());
    }
}

bool TalleraDlg::eventFilter(QObject* objet, QEvent* e) {
    if (objet == stringGridAller && e->type() == QEvent::KeyRelease)
        stringGridAllerKeyUp(static_cast<QKeyEvent*>(e)->key());
    return QDialog::eventFilter(objet, e);
}
