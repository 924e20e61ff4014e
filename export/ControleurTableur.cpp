#include "export/ControleurTableur.h"

#include "export/Releve.h"
#include "export/TransfertTableur.h"
#include "model/Seance.h"
#include "platform/FabriqueSysteme.h"
#include "platform/LanceurProgramme.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProgressDialog>

namespace {

QString lignes(QString texte) {
    return texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Lets the window repaint during a long transfer without taking the user's clicks.
void repeindre() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

ControleurTableur::ControleurTableur(QWidget& fenetre, Seance& seance,
                                     std::function<Releve()> releve, LignesConfiguration config,
                                     std::function<void()> choisirTableur)
    : QObject(&fenetre)
    , f(fenetre)
    , seance_(seance)
    , releve_(std::move(releve))
    , config_(std::move(config))
    , choisirTableur_(std::move(choisirTableur))
    , fabrique_(std::make_unique<FabriqueSysteme>()) {
    fabrique_->office.attendre = [this](int ms) { return attendreOffice(ms); };
    fabrique_->excel.ouvrir = [this](const QString& chemin) {
        LanceurProgramme::ouvrirDocument(chemin, this, [this, chemin] {
            informer(QStringLiteral("Le classeur a été enregistré dans :\r%1\r\rAucune "
                                    "application n'a pu l'ouvrir.")
                         .arg(QDir::toNativeSeparators(chemin)));
        });
    };
    fabrique_->excel.echec = [this](const QString& m) {
        classeurPerdu_ = true;
        informer(m);
    };
    if (auto* a = f.findChild<QAction*>(QStringLiteral("mnuTabChoix")))
        connect(a, &QAction::triggered, this, &ControleurTableur::mnuTabChoixClick);
    if (auto* a = f.findChild<QAction*>(QStringLiteral("TabExec")))
        connect(a, &QAction::triggered, this, &ControleurTableur::TabExecExecute);
}

ControleurTableur::~ControleurTableur() = default;

void ControleurTableur::mnuTabChoixClick() {
    if (choisirTableur_) choisirTableur_();
}

void ControleurTableur::TabExecExecute() {
    tableur::Dialogue d;
    d.confirmer = [this](const QString& t) { return confirmer(t); };
    d.informer = [this](const QString& t) { informer(t); };
    d.erreur = [this](const QString& t) { erreur(t); };
    d.progression = [this](int k, int total) { progression(k, total); };
    // The workbook that stands for Excel goes beside the clips.
    const auto& config = *config_.lignes;
    fabrique_->excel.dossier = config[4];

    classeurPerdu_ = false;
    const tableur::Issue issue = tableur::transfererTableur(releve_(), config[9], *fabrique_, d);
    // Measures handed to a spreadsheet are no longer at risk when another clip is opened;
    // cells poured into a workbook that could not be written never left the program.
    if (issue == tableur::Issue::Ecrit && !classeurPerdu_) seance_.pile().setClean();

    delete attente_;
    attente_ = nullptr;
    delete avancement_;
    avancement_ = nullptr;
}

bool ControleurTableur::confirmer(const QString& texte) {
    QMessageBox b(QMessageBox::Question, QStringLiteral("Confirmation"), lignes(texte),
                  QMessageBox::Yes | QMessageBox::No, &f);
    b.setDefaultButton(QMessageBox::Yes);
    return b.exec() == QMessageBox::Yes;
}

void ControleurTableur::informer(const QString& texte) {
    if (attente_ != nullptr) attente_->hide();
    if (avancement_ != nullptr) avancement_->hide();
    QMessageBox b(QMessageBox::Information, QStringLiteral("Kinopix"), lignes(texte),
                  QMessageBox::Ok, &f);
    b.exec();
}

void ControleurTableur::erreur(const QString& texte) {
    QMessageBox b(QMessageBox::Critical, QStringLiteral("Erreur"), lignes(texte), QMessageBox::Ok,
                  &f);
    b.exec();
}

bool ControleurTableur::attendreOffice(int ecouleMs) {
    if (attente_ == nullptr) {
        attente_ = new QProgressDialog(QStringLiteral("Démarrage de LibreOffice..."),
                                       QStringLiteral("Annuler"), 0, 0, &f);
        attente_->setObjectName("attenteTableur");
        attente_->setWindowTitle(QStringLiteral("Tableur"));
        attente_->setWindowModality(Qt::WindowModal);
        attente_->setMinimumDuration(0);
    }
    attente_->setValue(ecouleMs % 100); // keeps the busy bar moving
    QCoreApplication::processEvents();
    return !attente_->wasCanceled();
}

void ControleurTableur::progression(int envoyees, int aEnvoyer) {
    if (attente_ != nullptr) attente_->hide();
    if (avancement_ == nullptr) {
        avancement_ = new QProgressDialog(QString(), QString(), 0, aEnvoyer, &f);
        avancement_->setObjectName("avancementTableur");
        avancement_->setWindowTitle(QStringLiteral("Tableur"));
        avancement_->setWindowModality(Qt::WindowModal);
        avancement_->setCancelButton(nullptr);
        avancement_->setMinimumDuration(500);
        repeint_.start();
    }
    // Repainting every row would cost more than the cells themselves.
    if (envoyees < aEnvoyer && repeint_.elapsed() < 50) return;
    repeint_.restart();
    avancement_->setLabelText(
        QStringLiteral("Lignes transférées : %1 sur %2").arg(envoyees).arg(aEnvoyer));
    avancement_->setMaximum(std::max(aEnvoyer, 1));
    avancement_->setValue(envoyees);
    repeindre();
}
