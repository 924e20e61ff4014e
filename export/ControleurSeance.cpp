#include "export/ControleurSeance.h"

#include "measure/TableAspect.h"
#include "model/Seance.h"
#include "platform/DecodeurFfms.h"
#include "platform/DialogueFichier.h"
#include "platform/EcritureFichier.h"
#include "platform/PeripheriqueMedia.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <cmath>

namespace {

const QString kCleRecentes = QStringLiteral("seancesRecentes");

QSettings reglages() {
    return QSettings(QStringLiteral("Kinopix"), QStringLiteral("Kinopix"));
}

// The measures a session gives back, the document's part of it.
bool memesMesures(const ContenuSeance& a, const ContenuSeance& b) {
    return a.etalonnage == b.etalonnage && a.points == b.points && a.n == b.n && a.t0 == b.t0 &&
           a.chiffresXY == b.chiffresXY && a.decimalesT == b.decimalesT &&
           a.cadencePriseDeVue == b.cadencePriseDeVue;
}

QString dossierRecuperation() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

// The lock beside a recovery file, held while the window that writes it runs.
QString verrouDe(const QString& recuperation) {
    return recuperation.chopped(int(QStringLiteral(".kinopix").size())) + QStringLiteral(".lock");
}

QString texteBoite(QString t) {
    return t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

ControleurSeance::ControleurSeance(const ContexteFenetre& contexte)
    : QObject(contexte.fenetre)
    , f(contexte) {
    if (QAction* a = f.action("mnuOuvrirSeance"))
        connect(a, &QAction::triggered, this, &ControleurSeance::mnuOuvrirSeanceClick);
    if (QAction* a = f.action("mnuEnregistrerSeance"))
        connect(a, &QAction::triggered, this, [this] { mnuEnregistrerSeanceClick(); });
    if (QAction* a = f.action("mnuEnregistrerSeanceSous"))
        connect(a, &QAction::triggered, this, [this] { mnuEnregistrerSeanceSousClick(); });
    recentes_ = f.fenetre->findChild<QMenu*>(QStringLiteral("mnuSeancesRecentes"));
    majRecentes();
    minuterie_ = new QTimer(this);
    minuterie_->setSingleShot(true);
    minuterie_->setInterval(3000);
    connect(minuterie_, &QTimer::timeout, this, &ControleurSeance::ecrireRecuperation);
    connect(f.seance, &Seance::pointsChange, this, &ControleurSeance::programmerRecuperation);
    connect(f.seance, &Seance::etalonnageChange, this, &ControleurSeance::programmerRecuperation);
    connect(f.seance, &Seance::pointChange, this, &ControleurSeance::programmerRecuperation);
    connect(f.seance, &Seance::nChange, this, &ControleurSeance::programmerRecuperation);
    connect(f.seance, &Seance::optionsChange, this, &ControleurSeance::programmerRecuperation);
    connect(f.seance, &Seance::cadenceChange, this, &ControleurSeance::programmerRecuperation);
    // Another clip is another measurement: the session file no longer holds it.
    connect(f.seance, &Seance::clipChange, this, [this] {
        chemin_.clear();
        retenu_.reset();
        for (const char* nom : {"mnuEnregistrerSeance", "mnuEnregistrerSeanceSous"})
            if (QAction* a = f.action(nom)) a->setEnabled(f.seance->clip().nbImages > 0);
    });
}

ControleurSeance::~ControleurSeance() = default;

// --- What a session holds -----------------------------------------------------------------

ContenuSeance ControleurSeance::contenu(const QString& cheminSeance) const {
    ContenuSeance c;
    const FaitsClip& clip = f.seance->clip();
    const QFileInfo fichier(clip.chemin);
    c.clip.cheminAbsolu = fichier.absoluteFilePath();
    c.clip.cheminRelatif =
        QDir(QFileInfo(cheminSeance).absolutePath()).relativeFilePath(fichier.absoluteFilePath());
    c.clip.octets = fichier.size();
    c.clip.nbImages = clip.nbImages;
    c.clip.largeur = clip.largeur;
    c.clip.hauteur = clip.hauteur;
    fichierSeance::extraire(*f.seance, c);

    const EtatVue& v = *f.vue;
    c.taillePc = std::max(1, int(std::lround(double(v.rapportAff * 100))));
    c.adapte = v.adapte;
    c.imageAffichee = std::clamp(v.noImage, 0, std::max(0, clip.nbImages - 1));
    const GrilleTexte& a = v.aspectPoints;
    for (int k = 0; k < std::min(a.colonnes(), Seance::pointsMax + 1); ++k) {
        c.aspect.couleurs.push_back(tableAspect::couleur(a, k));
        c.aspect.dessines.push_back(tableAspect::dessine(a, k));
        c.aspect.formes.push_back(tableAspect::forme(a, k));
    }
    c.aspect.taillePoints = v.taillePoints;
    c.aspect.couleurPointeur = v.couleurPointeur;
    c.aspect.formePointeur = v.formePointeur;
    return c;
}

bool ControleurSeance::mesuresHorsSeance() const {
    if (!f.clipOuvert() || !f.seance->occupe()) return false;
    if (!retenu_) return true;
    ContenuSeance maintenant;
    fichierSeance::extraire(*f.seance, maintenant);
    return !memesMesures(maintenant, *retenu_);
}

void ControleurSeance::retenir(const QString& chemin, const ContenuSeance& c) {
    chemin_ = QFileInfo(chemin).absoluteFilePath();
    retenu_ = c;
    f.seance->pile().setClean(); // saved in a session is saved
    supprimerRecuperation();
    QSettings r = reglages();
    QStringList liste = r.value(kCleRecentes).toStringList();
    liste.removeAll(chemin_);
    liste.prepend(chemin_);
    while (liste.size() > recentesMax)
        liste.removeLast();
    r.setValue(kCleRecentes, liste);
    majRecentes();
}

void ControleurSeance::majRecentes() {
    if (recentes_ == nullptr) return;
    recentes_->clear();
    const QStringList liste = reglages().value(kCleRecentes).toStringList();
    for (int i = 0; i < liste.size() && i < recentesMax; ++i) {
        const QString chemin = liste[i];
        QAction* a = recentes_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(chemin).fileName()));
        a->setStatusTip(chemin);
        connect(a, &QAction::triggered, this, [this, chemin] { ouvrirSeance(chemin); });
    }
    recentes_->menuAction()->setEnabled(!liste.isEmpty());
}

// --- Saving -------------------------------------------------------------------------------

DialogueFichier* ControleurSeance::dialogue(bool enregistrer) {
    DialogueFichier*& d = enregistrer ? dialogueEnregistrer_ : dialogueOuvrir_;
    if (d == nullptr) {
        d = new DialogueFichier(
            f.fenetre,
            enregistrer ? DialogueFichier::Mode::Enregistrer : DialogueFichier::Mode::Ouvrir,
            enregistrer ? QStringLiteral("SaveDialogSeance") : QStringLiteral("OpenDialogSeance"));
        d->setFiltre(QStringLiteral("séances Kinopix (*.kinopix)|*.kinopix"));
        if (enregistrer) d->setDefaultSuffix(QStringLiteral("kinopix"));
    }
    return d;
}

bool ControleurSeance::mnuEnregistrerSeanceClick() {
    if (!f.clipOuvert()) return false;
    if (chemin_.isEmpty()) return mnuEnregistrerSeanceSousClick();
    return enregistrer(chemin_);
}

bool ControleurSeance::mnuEnregistrerSeanceSousClick() {
    if (!f.clipOuvert()) return false;
    // The clip's name with .kinopix, in the clip's folder, unless saved elsewhere before.
    const QFileInfo clip(f.seance->clip().chemin);
    const QString propose = chemin_.isEmpty()
                                ? clip.absolutePath() + QLatin1Char('/') + clip.completeBaseName() +
                                      QStringLiteral(".kinopix")
                                : chemin_;
    const QString chemin =
        dialogue(true)->choisir(QStringLiteral("Enregistrer la séance"), propose);
    if (chemin.isEmpty()) return false;
    return enregistrer(chemin);
}

bool ControleurSeance::enregistrer(const QString& chemin) {
    const ContenuSeance c = contenu(chemin);
    QString raison;
    if (!ecritureFichier::ecrire(chemin, fichierSeance::ecrire(c), &raison)) {
        erreur(QStringLiteral("La séance n'a pas pu être enregistrée dans\r« %1 » :\r\r%2")
                   .arg(QDir::toNativeSeparators(chemin), raison));
        return false;
    }
    retenir(chemin, c);
    return true;
}

// --- Opening ------------------------------------------------------------------------------

void ControleurSeance::mnuOuvrirSeanceClick() {
    const QString depart = !chemin_.isEmpty() ? chemin_
                           : f.clipOuvert()   ? QFileInfo(f.seance->clip().chemin).absolutePath()
                                              : QString();
    const QString chemin = dialogue(false)->choisir(QStringLiteral("Ouvrir une séance"), depart);
    if (!chemin.isEmpty()) ouvrirSeance(chemin);
}

bool ControleurSeance::ouvrirSeance(const QString& chemin) {
    return ouvrir(chemin, false);
}

bool ControleurSeance::recuperer(const QString& chemin) {
    if (!ouvrir(chemin, true)) return false;
    oublierRecuperation(chemin);
    programmerRecuperation();
    return true;
}

bool ControleurSeance::ouvrir(const QString& chemin, bool recuperation) {
    const QString nom = QFileInfo(chemin).fileName();
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        erreur(QStringLiteral("Le fichier « %1 » ne peut pas être ouvert :\r%2")
                   .arg(QDir::toNativeSeparators(chemin), fichier.errorString()));
        return false;
    }
    const fichierSeance::Lecture lecture = fichierSeance::lire(fichier.readAll(), nom);
    if (!lecture.contenu) {
        erreur(lecture.erreur);
        return false;
    }
    const ContenuSeance& c = *lecture.contenu;
    QString clip = chercherClip(c, chemin);
    if (clip.isEmpty()) clip = localiserClip(c, chemin);
    if (clip.isEmpty()) return false;
    if (QFileInfo(clip).size() != c.clip.octets) {
        QMessageBox b(QMessageBox::Warning, QStringLiteral("Avertissement"),
                      texteBoite(QStringLiteral("Le fichier du clip « %1 » n'a plus la taille "
                                                "qu'il avait quand la séance a été "
                                                "enregistrée :\ril a peut-être été modifié.")
                                     .arg(QFileInfo(clip).fileName())),
                      QMessageBox::Ok, f.fenetre);
        b.exec();
    }
    if (!recuperation && abandonnerMesures && !abandonnerMesures()) return false;
    if (!restaurer || !restaurer(c, clip)) return false;
    if (!recuperation) retenir(chemin, c);
    return true;
}

QString ControleurSeance::chercherClip(const ContenuSeance& c, const QString& cheminSeance) const {
    const QDir dossier = QFileInfo(cheminSeance).absoluteDir();
    const QStringList candidats{
        c.clip.cheminRelatif.isEmpty() ? QString() : dossier.absoluteFilePath(c.clip.cheminRelatif),
        c.clip.cheminAbsolu, dossier.absoluteFilePath(QFileInfo(c.clip.cheminAbsolu).fileName())};
    for (const QString& candidat : candidats)
        if (!candidat.isEmpty() && QFileInfo(candidat).isFile() &&
            clipConvient(candidat, c.clip, nullptr))
            return QFileInfo(candidat).absoluteFilePath();
    return QString();
}

bool ControleurSeance::clipConvient(const QString& chemin, const ClipSeance& c,
                                    QString* raison) const {
    try {
        const DecodeurFfms d(chemin);
        if (d.nbImages() == c.nbImages && d.taille() == QSize(c.largeur, c.hauteur)) return true;
        if (raison)
            *raison =
                QStringLiteral("Ce clip n'est pas celui de la séance :\r« %1 »\r\rLa séance a "
                               "été mesurée sur un clip de %2 images de %3 × %4 pixels ; "
                               "celui-ci a %5 images de %6 × %7 pixels.")
                    .arg(QDir::toNativeSeparators(chemin))
                    .arg(c.nbImages)
                    .arg(c.largeur)
                    .arg(c.hauteur)
                    .arg(d.nbImages())
                    .arg(d.taille().width())
                    .arg(d.taille().height());
    } catch (const ErreurMedia& e) {
        if (raison)
            *raison = QStringLiteral("Le clip « %1 » ne peut pas être lu :\r%2")
                          .arg(QDir::toNativeSeparators(chemin), QString::fromUtf8(e.what()));
    }
    return false;
}

QString ControleurSeance::localiserClip(const ContenuSeance& c, const QString& cheminSeance) {
    const QString nom = QFileInfo(c.clip.cheminAbsolu).fileName();
    QMessageBox b(QMessageBox::Warning, QStringLiteral("Clip introuvable"),
                  texteBoite(QStringLiteral("Le clip de la séance est introuvable :\r« %1 »\r\r"
                                            "Il n'est ni à sa place, ni à côté du fichier de "
                                            "séance.")
                                 .arg(nom)),
                  QMessageBox::NoButton, f.fenetre);
    QPushButton* rechercher =
        b.addButton(QStringLiteral("Rechercher le clip..."), QMessageBox::AcceptRole);
    b.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    b.exec();
    if (b.clickedButton() != rechercher) return QString();

    auto* d = new DialogueFichier(f.fenetre, DialogueFichier::Mode::Ouvrir,
                                  QStringLiteral("OpenDialogClipSeance"));
    d->setAttribute(Qt::WA_DeleteOnClose, false);
    d->setFiltre(QStringLiteral("clips vidéo|*.avi;*.mp4;*.mov;*.m4v;*.mkv;*.webm;*.ogv;*.3gp;"
                                "*.mts;*.wmv;*.flv"));
    const QString choisi = d->choisir(QStringLiteral("Rechercher le clip « %1 »").arg(nom),
                                      QFileInfo(cheminSeance).absolutePath());
    d->deleteLater();
    if (choisi.isEmpty()) return QString();
    QString raison;
    if (!clipConvient(choisi, c.clip, &raison)) {
        erreur(raison);
        return QString();
    }
    return QFileInfo(choisi).absoluteFilePath();
}

// --- Crash recovery -----------------------------------------------------------------------

QString ControleurSeance::cheminRecuperation() const {
    return dossierRecuperation() +
           QStringLiteral("/recuperation-%1.kinopix").arg(QCoreApplication::applicationPid());
}

void ControleurSeance::setDelaiRecuperation(int ms) {
    minuterie_->setInterval(ms);
}

void ControleurSeance::programmerRecuperation() {
    if (mesuresHorsSeance())
        minuterie_->start(); // a little after the last change, off the click's path
    else
        supprimerRecuperation();
}

void ControleurSeance::ecrireRecuperation() {
    if (!mesuresHorsSeance()) return;
    const QString chemin = cheminRecuperation();
    if (!verrou_) {
        if (!QDir().mkpath(dossierRecuperation())) return;
        verrou_ = std::make_unique<QLockFile>(verrouDe(chemin));
        if (!verrou_->tryLock(0)) {
            verrou_.reset();
            return;
        }
    }
    ecritureFichier::ecrire(chemin, fichierSeance::ecrire(contenu(chemin)));
}

void ControleurSeance::supprimerRecuperation() {
    minuterie_->stop();
    // Only a file this window wrote, under its lock: another one of that name was left by
    // a copy of the program that is gone, and waits to be offered.
    if (!verrou_) return;
    QFile::remove(cheminRecuperation());
    verrou_.reset(); // unlocks and removes the lock file
}

void ControleurSeance::oublierRecuperation(const QString& chemin) {
    QFile::remove(chemin);
    QFile::remove(verrouDe(chemin));
}

QStringList ControleurSeance::recuperationsOrphelines() {
    QStringList orphelines;
    const QDir dossier(dossierRecuperation());
    const QFileInfoList fichiers =
        dossier.entryInfoList({QStringLiteral("recuperation-*.kinopix")}, QDir::Files, QDir::Time);
    for (const QFileInfo& fichier : fichiers) {
        // A lock still held is a copy of the program running; a lock left by a copy that
        // is gone is stale and taken over.
        QLockFile verrou(verrouDe(fichier.absoluteFilePath()));
        if (!verrou.tryLock(0)) continue;
        verrou.unlock();
        orphelines << fichier.absoluteFilePath();
    }
    return orphelines;
}

void ControleurSeance::erreur(const QString& texte) const {
    QMessageBox b(QMessageBox::Critical, QStringLiteral("Erreur"), texteBoite(texte),
                  QMessageBox::Ok, f.fenetre);
    b.exec();
}
