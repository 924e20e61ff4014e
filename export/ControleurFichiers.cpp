#include "export/ControleurFichiers.h"

#include "app/FichierConfig.h"
#include "dialogs/Dialogues.h"
#include "dialogs/TFormatTxtBox.h"
#include "dialogs/TaccesregBox.h"
#include "dialogs/TsauverMesuresBox.h"
#include "export/FichiersMesures.h"
#include "export/Releve.h"
#include "model/Seance.h"
#include "platform/DialogueFichier.h"
#include "platform/EcritureFichier.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QToolButton>

namespace {

const QString kConfigurerRegressi =
    QStringLiteral("\r\rChoisissez le menu\r  Fichiers/Regressi/Définir le chemin d'accès");

QString lignes(QString texte) {
    return texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

ControleurFichiers::ControleurFichiers(QWidget& fenetre, Seance& seance, const Dialogues& dialogues,
                                       std::function<Releve()> releve, LignesConfiguration config,
                                       std::function<bool()> clipOuvert)
    : QObject(&fenetre)
    , f(fenetre)
    , seance_(seance)
    , dlg_(dialogues)
    , releve_(std::move(releve))
    , config_(std::move(config))
    , clipOuvert_(std::move(clipOuvert)) {
    connecter();
}

QAction* ControleurFichiers::action(const char* nom) const {
    return f.findChild<QAction*>(QLatin1String(nom));
}

void ControleurFichiers::connecter() {
    connect(action("mnuAuFormatRW3"), &QAction::triggered, this,
            &ControleurFichiers::SaveRW3Execute);
    connect(action("mnuAuFormatRRR"), &QAction::triggered, this,
            &ControleurFichiers::SaveRRRExecute);
    connect(action("mnuAuFormatTxt"), &QAction::triggered, this,
            &ControleurFichiers::SaveTXTExecute);
    connect(f.findChild<QToolButton*>(QStringLiteral("bbtnEnregistrerMesures")),
            &QToolButton::clicked, this, &ControleurFichiers::bbtnEnregistrerMesuresClick);
    connect(action("RegExec"), &QAction::triggered, this, &ControleurFichiers::RegExecExecute);
    connect(action("RegPath"), &QAction::triggered, this, &ControleurFichiers::RegPathExecute);
}

// --- Measurement files --------------------------------------------------------------------

DialogueFichier* ControleurFichiers::SaveDialogReg() {
    if (dialogueReg_ == nullptr)
        dialogueReg_ = new DialogueFichier(&f, DialogueFichier::Mode::Enregistrer,
                                           QStringLiteral("SaveDialogReg"));
    return dialogueReg_;
}

DialogueFichier* ControleurFichiers::SaveDialogTxt() {
    if (dialogueTxt_ == nullptr) {
        dialogueTxt_ = new DialogueFichier(&f, DialogueFichier::Mode::Enregistrer,
                                           QStringLiteral("SaveDialogTxt"));
        dialogueTxt_->setFiltre(QStringLiteral("fichiers texte (*.txt)|*.txt"));
        dialogueTxt_->setDefaultSuffix(QStringLiteral("txt"));
    }
    return dialogueTxt_;
}

void ControleurFichiers::SaveRW3Execute() {
    SaveFormatReg(QString(), QStringLiteral("rw3"));
}

void ControleurFichiers::SaveRRRExecute() {
    SaveFormatReg(QString(), QStringLiteral("rrr"));
}

void ControleurFichiers::bbtnEnregistrerMesuresClick() {
    TsauverMesuresBox* box = dlg_.sauverMesuresBox;
    if (box == nullptr || box->exec() != QDialog::Accepted) return;
    switch (box->format()) {
    case 0:
        SaveRW3Execute();
        break;
    case 1:
        SaveRRRExecute();
        break;
    default:
        SaveTXTExecute();
        break;
    }
}

QString ControleurFichiers::fichierTemporaire(const QString& cheminRegressi,
                                              const QString& extension) {
    return QFileInfo(cheminRegressi).absolutePath() + QLatin1Char('/') +
           QStringLiteral("~kpxreg~.") + extension;
}

bool ControleurFichiers::SaveFormatReg(const QString& cheminRegressi, const QString& extension) {
    if (!cheminRegressi.isEmpty()) {
        // The file Regressi is started on. It is told when it could not be written: Regressi
        // would otherwise open what an earlier launch left there.
        return ecrireOuSignaler(fichierTemporaire(cheminRegressi, extension),
                                fichiersMesures::regressi(releve_(), extension));
    }
    DialogueFichier* d = SaveDialogReg();
    QString titre;
    if (extension == QLatin1String("rw3")) {
        titre = QStringLiteral("Enregistrement des mesures au format Regressi Windows (*.rw3)");
        d->setFiltre(QStringLiteral("fichiers Regressi Windows (*.rw3)|*.rw3"));
        d->setDefaultSuffix(QStringLiteral("rw3"));
    } else {
        titre = QStringLiteral("Enregistrement des mesures au format Regressi DOS (*.rrr)");
        d->setFiltre(QStringLiteral("fichiers Regressi Dos (*.rrr)|*.rrr"));
        d->setDefaultSuffix(QStringLiteral("rrr"));
    }
    const QString chemin = d->choisir(titre, dernierReg_);
    if (chemin.isEmpty()) return false;
    dernierReg_ = chemin;
    return enregistrer(chemin, fichiersMesures::regressi(releve_(), extension));
}

void ControleurFichiers::SaveTXTExecute() {
    TFormatTxtBox* box = dlg_.FormatTxtBox;
    if (box == nullptr || box->exec() != QDialog::Accepted) return;
    const QString chemin = SaveDialogTxt()->choisir(
        QStringLiteral("Enregistrement des mesures au format texte (*.txt)"), dernierTxt_);
    if (chemin.isEmpty()) {
        box->restaurer();
        return;
    }
    dernierTxt_ = chemin;
    enregistrer(chemin, fichiersMesures::texte(releve_(), box->titre(), box->separateur()));
}

bool ControleurFichiers::enregistrer(const QString& chemin, const QByteArray& octets) {
    if (!ecrireOuSignaler(chemin, octets)) return false;
    seance_.pile().setClean();
    return true;
}

bool ControleurFichiers::ecrireOuSignaler(const QString& chemin, const QByteArray& octets) {
    QString raison;
    if (ecritureFichier::ecrire(chemin, octets, &raison)) return true;
    boiteErreur(QStringLiteral("Les mesures n'ont pas été enregistrées dans le fichier\r%1"
                               "\r\r%2")
                    .arg(QDir::toNativeSeparators(chemin), raison));
    return false;
}

void ControleurFichiers::boiteErreur(const QString& texte) {
    QMessageBox boite(QMessageBox::Critical, QStringLiteral("Kinopix"), lignes(texte),
                      QMessageBox::Ok, &f);
    boite.exec();
}

// --- Regressi -----------------------------------------------------------------------------

void ControleurFichiers::RegExecExecute() {
    QMessageBox confirmation(
        QMessageBox::Question, QStringLiteral("Confirmation"),
        lignes(QStringLiteral(
            "Vous avez demandé le lancement\rde Regressi :\r\rconfirmez-vous cette demande ?")),
        QMessageBox::Yes | QMessageBox::No, &f);
    confirmation.setDefaultButton(QMessageBox::Yes);
    if (confirmation.exec() != QMessageBox::Yes) return;

    // The file on disk, not the lines in memory: it is what the dialog last wrote.
    const auto config = fichierConfig::lire(fichierConfig::chemin(*config_.dossierProgramme));
    const QString version = config[6].toLower();
    const QString programme = config[7];
    if (version != QLatin1String("win") && version != QLatin1String("dos")) {
        boiteErreur(QStringLiteral("Version de Regressi indétectable.") + kConfigurerRegressi);
        return;
    }
    const QString extension =
        version == QLatin1String("win") ? QStringLiteral("rw3") : QStringLiteral("rrr");
    auto introuvable = [this] {
        boiteErreur(QStringLiteral("Chemin d'accès à Regressi introuvable.") + kConfigurerRegressi);
        action("RegExec")->setEnabled(false);
    };
    // A program that has gone is what the user must hear about, not its folder's file.
    if (!QFileInfo(programme).isFile()) {
        introuvable();
        return;
    }
    if (!SaveFormatReg(programme, extension)) return;
    const QString dossier = QFileInfo(programme).absolutePath();
    if (!lanceur_.lancer(programme, {QStringLiteral("~kpxreg~.") + extension}, dossier)) {
        introuvable();
        return;
    }
    seance_.pile().setClean();
}

void ControleurFichiers::RegPathExecute() {
    TaccesregBox* box = dlg_.accesregBox;
    if (box == nullptr) return;
    auto& lignes = *config_.lignes;
    box->preparer(lignes[6], lignes[7]);
    if (box->exec() != QDialog::Accepted) return;
    QAction* regExec = action("RegExec");
    if (!QFileInfo(box->chemin()).isFile() || box->version() < 0) {
        regExec->setEnabled(false);
        return;
    }
    lignes[6] = box->version() == 0 ? QStringLiteral("win") : QStringLiteral("DOS");
    lignes[7] = box->chemin();
    const bool ecrit =
        fichierConfig::ecrire(fichierConfig::chemin(*config_.dossierProgramme), lignes);
    regExec->setEnabled(ecrit && clipOuvert_());
}
