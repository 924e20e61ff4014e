// The opening sequence of ControleurClip: the open dialog, then the new clip replacing the
// previous one, its table and its calibration.
#include "clip/ControleurClip.h"

#include "app/ContexteFenetre.h"
#include "app/FichierConfig.h"
#include "clip/EnTeteAvi.h"
#include "clip/Raccourci.h"
#include "clip/TailleFichier.h"
#include "clip/ZonePointage.h"
#include "measure/CalculTableau.h"
#include "model/Cadence.h"
#include "model/Seance.h"
#include "platform/ApercuConteneur.h"
#include "platform/Bulles.h"
#include "platform/DecodeurFfms.h"
#include "platform/Nombres.h"
#include "platform/PeripheriqueMedia.h"
#include "platform/RegistreCurseurs.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <cmath>

QFileDialog* ControleurClip::OpenDialog1() {
    if (dialogue_ != nullptr) return dialogue_;
    dialogue_ = new QFileDialog(f.fenetre);
    dialogue_->setObjectName("OpenDialog1");
    dialogue_->setOption(QFileDialog::DontUseNativeDialog);
    dialogue_->setFileMode(QFileDialog::ExistingFile);
    dialogue_->setAcceptMode(QFileDialog::AcceptOpen);
    // Shortcuts are offered beside the clips, as the Windows dialog does. Every container the
    // media device reads comes first, chosen when the dialog opens. The list of filters
    // shows the names as written (the dialog would simplify their spaces); the dialog applies
    // the patterns by position. "*" is every file, dotted or not.
    const QString videos = QStringLiteral("vidéos (*.avi *.mp4 *.mov *.m4v *.mkv *.webm *.ogv "
                                          "*.3gp *.mts *.wmv *.flv *.lnk)");
    dialogue_->setNameFilters({videos, QStringLiteral("fichiers AVI (*.avi *.lnk)"),
                               QStringLiteral("tous les fichiers (*)")});
    dialogue_->selectNameFilter(videos);
    const QStringList noms{videos, QStringLiteral("fichiers  AVI"),
                           QStringLiteral("tous les fichiers")};
    if (auto* types = dialogue_->findChild<QComboBox*>("fileTypeCombo"))
        for (int i = 0; i < types->count() && i < noms.size(); ++i)
            types->setItemText(i, noms[i]);
    dialogue_->setProperty("contexteAide", 1);
    connect(dialogue_, &QFileDialog::currentChanged, this,
            &ControleurClip::OpenDialog1SelectionChange);
    return dialogue_;
}

void ControleurClip::bbtnOpenAviClick() {
    QFileDialog* dialogue = OpenDialog1();
    dialogue->setWindowTitle(QStringLiteral("Ouverture d'un clip vidéo (fichier *.avi)"));
    if (fichierConfig::existe(*f.config.dossierProgramme))
        dialogue->setDirectory((*f.config.lignes)[4]);
    emit ongletDemande(f.tsProClip); // the preview shows while the user browses
    if (dialogue->exec() != QDialog::Accepted || dialogue->selectedFiles().isEmpty()) {
        RAZProClip();
        return;
    }
    QString chemin = dialogue->selectedFiles().constFirst();
    // The dialog does not follow Windows shortcuts itself.
    if (QFileInfo(chemin).suffix().toLower() == QLatin1String("lnk")) {
        chemin = cibleRaccourci(chemin);
        if (chemin.isEmpty()) {
            RAZProClip();
            return;
        }
    }
    if (abandonnerMesures && !abandonnerMesures()) {
        RAZProClip();
        return;
    }
    // A file that could not be opened leaves the tab on the clip that stays open, not on
    // the last file previewed.
    if (!ouvrirClip(chemin)) RAZProClip();
}

bool ControleurClip::ouvrirClip(const QString& cheminChoisi) {
    std::array<QString, 10>& config = *f.config.lignes;
    EtatVue& v = *f.vue;
    PeripheriqueMedia& media = *f.MediaPlayer1;
    const QString chemin = QFileInfo(cheminChoisi).absoluteFilePath();

    // The new file is indexed and its first image decoded before anything of the open clip
    // goes: a file that cannot be read leaves that clip, its table and its calibration.
    std::unique_ptr<DecodeurFfms> nouveau;
    try {
        nouveau = media.preparer(chemin);
    } catch (const ErreurMedia& erreur) {
        boiteErreur(QString::fromUtf8(erreur.what()));
        return false;
    }

    // The previous clip's table goes without a question.
    v.effacerSansConfirmer = true;
    emit tableauAEffacer();
    v.effacerSansConfirmer = false;

    media.fermer();
    v.noImage = -1;
    media.setFenetreAffichage(f.pnl1AVI);
    media.setNomFichier(chemin);

    if (config[3] == QLatin1String("0")) {
        config[4] = QFileInfo(chemin).absolutePath() + QLatin1Char('/');
        if (f.config.enregistrer) f.config.enregistrer();
    }

    FaitsClip faits;
    faits.chemin = chemin;
    emit nomClipChange(chemin);
    v.tailleClipTexte = texteTailleFichier(chemin);

    media.ouvrir(std::move(nouveau));
    media.setPas(1);
    // Another container named .avi has no AVI header to read the code from.
    if (avi::estAvi(chemin))
        v.fourccClip = avi::fourccFichier(chemin);
    else
        v.fourccClip = media.nomCodec().isEmpty() ? QStringLiteral("?") : media.nomCodec();

    media.setFormatTemps(PeripheriqueMedia::FormatTemps::Millisecondes);
    const int64_t dureeMs = media.longueur();
    media.setFormatTemps(PeripheriqueMedia::FormatTemps::Images);
    const int64_t images = media.longueur(); // at least one: the first image was decoded
    faits.nbImages = static_cast<int32_t>(images);
    faits.periode = (long double)dureeMs / images / 1000;
    // The length in whole milliseconds is off by up to half a millisecond over the clip,
    // enough to change the last decimal of t on a short clip at 30000/1001 images per
    // second: the device's exact period is taken when it agrees with that length.
    const long double exacte = media.periodeImage();
    if (exacte > 0 && std::fabs(double(exacte * images * 1000 - dureeMs)) <= 1)
        faits.periode = exacte;
    if (faits.periode != 0)
        v.frequence = static_cast<int32_t>(nombres::arrondi(1.0L / faits.periode));
    // A clip filmed at a varying rate is timed by its own clock.
    faits.dates = media.instants();
    if (!calcul::espacementInegal(faits.dates, faits.periode)) faits.dates.clear();
    faits.cadenceFichier = exacte > 0 ? 1 / exacte : (faits.periode > 0 ? 1 / faits.periode : 0.0L);

    bulles::appliquer(f.pnl1AVI,
                      QStringLiteral("Glisser-déplacer l'image|Glisser-déplacer l'image"));
    const QRect rect = media.rectangleAffichage();
    faits.largeur = rect.width();
    faits.hauteur = rect.height();
    // The document starts the new clip's measurement: an empty table, no history.
    f.seance->setClip(faits);
    // A slow-motion or time-lapse clip is timed at the rate the phone says it filmed at.
    if (const auto conteneur = lireConteneur(chemin))
        if (const auto priseDeVue =
                cadence::retenue(faits.cadenceFichier, conteneur->cadencePriseDeVue))
            f.seance->setCadencePriseDeVue(*priseDeVue);

    preparerAffichage();
    emit imageDemandee(0);
    f.curseurs->appliquer(f.pnl1AVI, 50);
    const QPoint coinPnl1 = f.pnl1->mapTo(f.fenetre, QPoint(0, 0));
    v.xLoupe = coinPnl1.x() + f.pnl1->width();
    v.yLoupe = coinPnl1.y();
    emit clipInitialise(faits.nbImages); // scale, table and appearance start afresh
    // After the table: moving its current cell to the first row positions the clip again,
    // which would disable these for a clip of one image.
    emit lectureActivee();
    activerCommandes();

    v.taillePc = 100;
    v.appliquerTaille = false;
    v.adapte = true;
    emit tailleAAdapter();
    // The labels still hold the preview of whatever file was selected last in the dialog.
    RAZProClip();
    emit ongletDemande(f.tsMesures);
    emit ongletChange();
    v.echelleImpressionARevoir = true;
    emit ouvertureTerminee();
    return true;
}

// Steps that lay out the clip panel and reset the frame of reference for the new clip.
void ControleurClip::preparerAffichage() {
    EtatVue& e = *f.vue;
    const int l = f.seance->clip().largeur, h = f.seance->clip().hauteur;

    if (auto* udPc = f.fenetre->findChild<QSpinBox*>("udPc")) udPc->setValue(100);
    if (auto* pnlPc = f.fenetre->findChild<QLabel*>("pnlPc"))
        pnlPc->setText(QStringLiteral("100%"));
    lblAdapt->setText(QStringLiteral("Adaptation : 100%"));

    // The start-up caption of the empty panel goes.
    if (auto* legende = f.pnl1AVI->findChild<QLabel*>("pnl1AVILegende")) legende->clear();
    f.pnl1AVI->resize(l + 8, h + 8);
    f.MediaPlayer1->setRectangleAffichage(QRect(4, 4, l, h));
    f.PaintBox1->setGeometry(4, 4, l, h);

    Etalonnage origine = f.seance->etalonnage();
    origine.xOrig = 0;
    origine.yOrig = h - 1;
    origine.sensX = +1;
    origine.sensY = +1;
    f.seance->setEtalonnage(origine);
    e.xSouris = 0;
    e.ySouris = 0;
    emit affichagePrepare();
    e.hauteurAff = h;
    e.largeurAff = l;
}

// Every command that needs a clip.
void ControleurClip::activerCommandes() {
    f.curseurs->appliquer(f.PaintBox1, f.vue->curseurPointage());
    for (const char* nom : {"bbtnCible", "mnuPointages", "popUpMnuPointeur"})
        activer(nom);

    f.pnl1AVI->setAutoFillBackground(true);
    QPalette fond = f.pnl1AVI->palette();
    fond.setColor(QPalette::Window, Qt::white);
    f.pnl1AVI->setPalette(fond);
    for (const char* nom : {"popUpMnuModeAcquerir", "popUpMnuModeEtalonner", "popUpMnuModeProClip"})
        activer(nom);

    if (auto* panneau = f.fenetre->findChild<QWidget*>("Panel7")) {
        panneau->setAutoFillBackground(true);
        QPalette p = panneau->palette();
        p.setColor(QPalette::Window, QColor(0, 128, 128));
        p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipBase));
        panneau->setPalette(p);
    }
    for (const char* nom : {"Panel7", "bbtnEnregistrerMesures", "mnuMesures", "bbtnCopierMesuresPP",
                            "bbtnCopierGraphiquePP", "mnuCopierPP"})
        activer(nom);
    emit commandesActivees(); // each room enables its own

    activer("bbtnIma");
    activer("mnuIma100", false);
    for (const char* nom : {"mnuImaAdapter", "mnuClip", "loupeBtn", "LoupePopupMnu"})
        activer(nom);
}

// A command may be a menu entry, a button or both under the same name; a submenu is
// enabled through its entry.
void ControleurClip::activer(const QString& nom, bool actif) {
    for (QAction* a : f.fenetre->findChildren<QAction*>(nom))
        a->setEnabled(actif);
    for (QWidget* w : f.fenetre->findChildren<QWidget*>(nom))
        if (qobject_cast<QMenu*>(w) == nullptr) w->setEnabled(actif);
}
