#include "clip/ControleurClip.h"

#include "app/ContexteFenetre.h"
#include "clip/EnTeteAvi.h"
#include "clip/Raccourci.h"
#include "clip/TailleFichier.h"
#include "clip/TextesProprietes.h"
#include "model/Cadence.h"
#include "model/Commandes.h"
#include "model/Seance.h"
#include "platform/ApercuConteneur.h"
#include "platform/Bulles.h"
#include "platform/DefilementVertical.h"
#include "platform/Locale.h"
#include "platform/RetourALaLigne.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace {
const QColor kRouge(255, 0, 0), kArgent(192, 192, 192), kMarron(128, 0, 0), kVert(0, 128, 0);

QLabel* etiquette(QWidget* parent, QVBoxLayout* pile, const char* nom, const QColor& couleur) {
    auto* l = new EtiquetteRetour(parent); // a narrow tab takes long texts on several lines
    l->setObjectName(QLatin1String(nom));
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, couleur);
    l->setPalette(p);
    pile->addWidget(l);
    return l;
}
} // namespace

ControleurClip::ControleurClip(const ContexteFenetre& contexte)
    : QObject(contexte.fenetre)
    , f(contexte) {
    construireOnglet();
    if (auto* bouton = f.controle<QToolButton>("bbtnOpenAvi"))
        connect(bouton, &QToolButton::clicked, this, &ControleurClip::bbtnOpenAviClick);
    if (QAction* entree = f.action("mnuChargerAvi"))
        connect(entree, &QAction::triggered, this, &ControleurClip::bbtnOpenAviClick);
}

void ControleurClip::afficherAdaptation(int p) {
    lblAdapt->setText(QStringLiteral("Adaptation : %1%").arg(p));
}

void ControleurClip::construireOnglet() {
    QScrollArea* defilement = nullptr;
    QWidget* contenu = defilementVertical(f.tsProClip, &defilement);
    defilement->setObjectName("ScrollBox2");
    bulles::appliquer(defilement, QStringLiteral("|Propriétés du clip"));
    auto* pile = new QVBoxLayout(contenu);
    const QColor noir(0, 0, 0);
    lblFile = etiquette(contenu, pile, "lblFile", kRouge);
    lblOctets = etiquette(contenu, pile, "lblOctets", kRouge);
    for (QLabel* l : {lblFile, lblOctets}) {
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, kArgent);
        l->setPalette(p);
    }
    pile->addSpacing(8);
    lblNbImages = etiquette(contenu, pile, "lblNbImages", noir);
    lblDurTot = etiquette(contenu, pile, "lblDurTot", noir);
    lblFrequence = etiquette(contenu, pile, "lblFrequence", noir);
    construireCadence(contenu, pile);
    lblPeriode = etiquette(contenu, pile, "lblPeriode", noir);
    pile->addSpacing(8);
    lblDim = etiquette(contenu, pile, "lblDim", kMarron);
    lblDim->setText(QStringLiteral("Dimensions"));
    lblDimL = etiquette(contenu, pile, "lblDimL", kMarron);
    lblDimH = etiquette(contenu, pile, "lblDimH", kMarron);
    lblAdapt = etiquette(contenu, pile, "lblAdapt", kMarron);
    pile->addSpacing(8);
    lblCodec1 = etiquette(contenu, pile, "lblCodec1", kVert);
    lblCodec1->setText(QStringLiteral("Compression / décompression :"));
    lblCodec2 = etiquette(contenu, pile, "lblCodec2", kVert);
    lblCodec3 = etiquette(contenu, pile, "lblCodec3", kVert);
    pile->addStretch(1);

    appliquer(proprietes::textesInitiaux());
}

void ControleurClip::appliquer(const TextesProprietes& t, bool avecAdaptation) {
    lblFile->setText(t.lblFile);
    lblOctets->setText(t.lblOctets);
    lblNbImages->setText(t.lblNbImages);
    lblDurTot->setText(t.lblDurTot);
    lblFrequence->setText(t.lblFrequence);
    lblPeriode->setText(t.lblPeriode);
    lblDimL->setText(t.lblDimL);
    lblDimH->setText(t.lblDimH);
    if (avecAdaptation) lblAdapt->setText(t.lblAdapt);
    lblCodec2->setText(t.lblCodec2);
    lblCodec3->setText(t.lblCodec3);
}

// "Cadence de prise de vue :": the rate the clip was filmed at, which the user may correct
// for a slow-motion or time-lapse clip stored at an ordinary rate.
void ControleurClip::construireCadence(QWidget* contenu, QVBoxLayout* pile) {
    etiquette(contenu, pile, "lblCadencePriseDeVue", QColor(0, 0, 0))
        ->setText(QStringLiteral("Cadence de prise de vue :"));
    auto* ligne = new QHBoxLayout;
    edCadencePriseDeVue = new QLineEdit(contenu);
    edCadencePriseDeVue->setObjectName("edCadencePriseDeVue");
    edCadencePriseDeVue->setMaximumWidth(64);
    edCadencePriseDeVue->setEnabled(false);
    bulles::appliquer(edCadencePriseDeVue,
                      QStringLiteral("Cadence réelle de prise de vue (images / s), pour un "
                                     "clip filmé au ralenti ou en accéléré|Cadence de prise de "
                                     "vue du clip, en images par seconde"));
    ligne->addWidget(edCadencePriseDeVue);
    ligne->addWidget(new QLabel(QStringLiteral("images / s"), contenu));
    ligne->addStretch(1);
    pile->addLayout(ligne);
    lblRalenti = etiquette(contenu, pile, "lblRalenti", QColor(0, 0, 0));
    connect(edCadencePriseDeVue, &QLineEdit::editingFinished, this,
            &ControleurClip::edCadencePriseDeVueExit);
    connect(f.seance, &Seance::cadenceChange, this, &ControleurClip::montrerCadence);
    connect(f.seance, &Seance::clipChange, this, &ControleurClip::montrerCadence);
}

void ControleurClip::colorerCadence(bool valide) {
    QPalette p = edCadencePriseDeVue->palette();
    p.setColor(QPalette::Base,
               valide ? QApplication::palette().color(QPalette::Base) : QColor(255, 0, 0));
    p.setColor(QPalette::Text,
               valide ? QApplication::palette().color(QPalette::Text) : QColor(255, 255, 255));
    edCadencePriseDeVue->setPalette(p);
}

// The box and the slow-motion label from the document; empty and disabled without a clip.
void ControleurClip::montrerCadence() {
    const Seance& s = *f.seance;
    const bool clip = f.clipOuvert() && s.clip().nbImages > 0;
    const QChar sep = separateurDecimal();
    edCadencePriseDeVue->setEnabled(clip);
    edCadencePriseDeVue->setText(clip ? cadence::texte(s.cadencePriseDeVue(), sep) : QString());
    lblRalenti->setText(clip ? cadence::ralenti(s.clip().cadenceFichier, s.cadencePriseDeVue(), sep)
                             : QString());
    colorerCadence(true);
}

// Enter, or the box left: a valid new rate is one change of the measures; anything else
// keeps the rate in force, the box in its error colours.
void ControleurClip::edCadencePriseDeVueExit() {
    if (!f.clipOuvert()) return;
    const auto v = cadence::lire(edCadencePriseDeVue->text(), separateurDecimal());
    if (!v) {
        colorerCadence(false);
        return;
    }
    if (*v != f.seance->cadencePriseDeVue())
        f.seance->pile().push(new CommandeCadence(*f.seance, *v));
    montrerCadence();
}

void ControleurClip::RAZProClip() {
    montrerCadence();
    if (!f.clipOuvert()) {
        appliquer(proprietes::textesSansClip());
        return;
    }
    const TextesProprietes t = proprietes::textesClipOuvert(f.seance->clip(), *f.vue);
    f.vue->fourccClip = f.vue->fourccClip.toLower(); // the code shown keeps its case only once
    appliquer(t);
}

void ControleurClip::afficherApercu(const QString& chemin) {
    const QString taille = texteTailleFichier(chemin);
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        RAZProClip();
        return;
    }
    proprietes::Apercu a;
    try {
        a = proprietes::lireApercu(fichier);
    } catch (const avi::ErreurEntreeSortie&) {
        // Too short for a header: the preview stays quiet; opening it will tell the user.
        RAZProClip();
        return;
    }
    // A header that makes no sense leaves the texts of the previous selection.
    if (!a.montrable()) return;
    if (a.periode > 0)
        edCadencePriseDeVue->setText(cadence::texte(1 / a.periode, separateurDecimal()));
    lblRalenti->clear();
    appliquer(proprietes::textesApercu(QFileInfo(chemin).fileName(), taille, a), false);
}

void ControleurClip::OpenDialog1SelectionChange(const QString& nom) {
    const QFileInfo info(nom);
    if (nom.isEmpty() || !info.isFile()) {
        RAZProClip();
        return;
    }
    QString cible = nom;
    QString extension = info.suffix().toLower();
    if (extension == QLatin1String("lnk")) {
        cible = cibleRaccourci(nom);
        extension = QFileInfo(cible).suffix().toLower();
    }
    if (extension == QLatin1String("avi"))
        afficherApercu(cible);
    else
        afficherApercuConteneur(cible);
}

void ControleurClip::afficherApercuConteneur(const QString& chemin) {
    // Files the media libraries cannot read change nothing, as before for any non-AVI file.
    const std::optional<ProprietesConteneur> c = lireConteneur(chemin);
    if (!c) return;
    proprietes::Apercu a;
    a.nbImages = static_cast<int32_t>(std::min<int64_t>(c->nbImages, INT32_MAX));
    a.largeur = c->largeur;
    a.hauteur = c->hauteur;
    a.periode = c->periode;
    // What the clip shows once open.
    if (avi::estAvi(chemin))
        a.code = avi::fourccFichier(chemin);
    else
        a.code = c->codec.isEmpty() ? QStringLiteral("?") : c->codec;
    // The file's own rate, while it is only previewed.
    if (c->periode > 0)
        edCadencePriseDeVue->setText(cadence::texte(1 / c->periode, separateurDecimal()));
    lblRalenti->clear();
    if (a.montrable())
        appliquer(
            proprietes::textesApercu(QFileInfo(chemin).fileName(), texteTailleFichier(chemin), a),
            false);
}

QString ControleurClip::cibleRaccourci(const QString& lien) {
    const QString cible = raccourci::cible(lien);
    if (cible.isEmpty()) boiteErreur(QStringLiteral("Cible introuvable"));
    return cible;
}

void ControleurClip::boiteErreur(const QString& texte) {
    // Above the open dialog while it is shown.
    QWidget* parent = QApplication::activeModalWidget();
    QMessageBox boite(QMessageBox::Critical, QStringLiteral("Kinopix"), texte, QMessageBox::Ok,
                      parent != nullptr ? parent : f.fenetre);
    boite.exec();
}
