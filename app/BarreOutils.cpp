#include "app/BarreOutils.h"

#include "app/EntreesLiees.h"
#include "app/FlechesHautBas.h"
#include "app/TForm1.h"
#include "platform/Bulles.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace barreOutils {

namespace {

const QColor kArgent(192, 192, 192);

// A plain glyph: a few letters drawn in the button's picture.
QIcon glyphe(const QString& lettres, const QColor& couleur = Qt::darkBlue) {
    QPixmap image(20, 20);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QFont police = p.font();
    police.setPixelSize(lettres.size() > 2 ? 8 : 11);
    police.setBold(true);
    p.setFont(police);
    p.setPen(couleur);
    p.drawText(image.rect(), Qt::AlignCenter, lettres);
    return QIcon(image);
}

QToolButton* bouton(QToolBar* barre, const QString& nom, const QIcon& icone, const QString& hint,
                    bool actif, int largeur = 24) {
    auto* b = new QToolButton(barre);
    b->setObjectName(nom);
    b->setIcon(icone);
    b->setIconSize(QSize(20, 20));
    b->setFixedSize(largeur, 24);
    b->setAutoRaise(true);
    if (!hint.isEmpty()) bulles::appliquer(b, hint);
    b->setEnabled(actif);
    barre->addWidget(b);
    return b;
}

QWidget* panneauTaille(QToolBar* barre) {
    auto* panneau = new QFrame(barre);
    panneau->setObjectName("Panel7");
    panneau->setFrameShape(QFrame::Panel);
    panneau->setFrameShadow(QFrame::Raised);
    panneau->setAutoFillBackground(true);
    auto* ligne = new QHBoxLayout(panneau);
    ligne->setContentsMargins(2, 0, 0, 0);
    ligne->setSpacing(2);
    auto* titre = new QLabel(QStringLiteral(" Taille"), panneau);
    titre->setObjectName("Panel7Titre");
    auto* valeur = new QLabel(QStringLiteral("2"), panneau);
    valeur->setObjectName("lblTaillePoints");
    auto* fleches = new FlechesHautBas(panneau);
    fleches->setObjectName("udTaillePoints");
    fleches->setRange(0, 4);
    fleches->setValue(1);
    ligne->addWidget(titre);
    ligne->addWidget(valeur);
    ligne->addWidget(fleches);
    panneau->setFixedHeight(24);
    bulles::appliquer(panneau, QStringLiteral("Changer la taille des\rpoints (1..5)|Changer la "
                                              "taille des points (1..5)"));
    panneau->setEnabled(false);
    barre->addWidget(panneau);
    return panneau;
}

} // namespace

void construire(TForm1& f) {
    QToolBar* b = f.ToolBar1;
    b->setFixedHeight(30);
    b->setIconSize(QSize(20, 20));
    b->setAutoFillBackground(true);
    QPalette pal = b->palette();
    pal.setColor(QPalette::Window, kArgent);
    b->setPalette(pal);
    QStyle* st = QApplication::style();

    bouton(b, "bbtnOpenAvi", st->standardIcon(QStyle::SP_DialogOpenButton),
           QStringLiteral("Ouvrir clip avi|Ouvrir un clip vidéo au format *.avi"), true);
    b->addSeparator();
    bouton(b, "bbtnIma", glyphe("%"),
           QStringLiteral("Taille de l'image\r(% de l'original)|Modifier la taille de l'image en % "
                          "de l'original"),
           false);
    bouton(b, "loupeBtn", glyphe(QStringLiteral("Lp")), QStringLiteral("Montrer / Cacher la loupe"),
           false);
    bouton(b, "bbtnCible", glyphe(QStringLiteral("+"), Qt::black),
           QStringLiteral("Aspect du pointeur|Modifier l'aspect du pointeur"), false);
    panneauTaille(b);
    b->addSeparator();
    entreesLiees::lierBouton(bouton(b, "bbtnRegExec", glyphe(QStringLiteral("Reg")), {}, false),
                             f.action("RegExec"));
    entreesLiees::lierBouton(bouton(b, "bbtnTabExec", glyphe(QStringLiteral("Tab")), {}, false),
                             f.action("TabExec"));
    b->addSeparator();
    bouton(b, "bbtnCopierMesuresPP", glyphe(QStringLiteral("T"), Qt::darkGreen),
           QStringLiteral("Copier les mesures\rdans le presse-papier|Copier le tableau de mesures "
                          "dans le presse-papier"),
           false);
    bouton(b, "bbtnCopierGraphiquePP", glyphe(QStringLiteral("G"), Qt::darkGreen),
           QStringLiteral("Copier le graphique\rdans le presse-papier|Copier  le graphique dans le "
                          "presse-papier"),
           false);
    bouton(b, "bbtnEnregistrerMesures", st->standardIcon(QStyle::SP_DialogSaveButton),
           QStringLiteral("Enregistrer les mesures\r(fichiers *.rw3, *.rrr, *.txt)|Enregistrer les "
                          "mesures dans un fichier (formats \"Regressi\" ou \"texte\")"),
           false);
    bouton(b, "bbtnImprimer", glyphe(QStringLiteral("Imp")),
           QStringLiteral("Imprimer l'ensemble\rdes points et axes|Imprimer l'ensemble des points "
                          "et axes"),
           false);
    b->addSeparator();
    bouton(b, "BitBtn1", glyphe(QStringLiteral("?")), QStringLiteral("Aide"), true);
    QToolButton* fleche = bouton(b, "BitBtn3", QIcon(), QStringLiteral("Aide"), true, 16);
    fleche->setArrowType(Qt::DownArrow);

    auto* nom = new QLabel(b);
    nom->setObjectName("lblNomAvi");
    QFont police(QStringLiteral("Verdana"));
    police.setPixelSize(11);
    nom->setFont(police);
    nom->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette palNom = nom->palette();
    palNom.setColor(QPalette::WindowText, Qt::black);
    palNom.setColor(QPalette::Window, kArgent);
    nom->setPalette(palNom);
    nom->setContentsMargins(6, 0, 0, 0);
    b->addWidget(nom);

    bouton(b, "bbtnQuitter", glyphe(QStringLiteral("X"), Qt::darkRed),
           QStringLiteral("Quitter Kinopix|Quitter Kinopix avec regrets :-(("), true);
}

} // namespace barreOutils
