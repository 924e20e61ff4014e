#include "platform/PeripheriqueMedia.h"

#include "platform/DecodeurFfms.h"
#include "platform/EcranVideo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <memory>

struct PeripheriqueMedia::Impl {
    QString nom;
    std::unique_ptr<DecodeurFfms> decodeur;
    QPointer<QWidget> fenetre;
    QPointer<EcranVideo> ecran;
    QImage image; // decoded image of index imageDe
    int imageDe = -1;
    QRect rect;
    FormatTemps format = FormatTemps::Millisecondes;
    int pas = 1;
    int64_t position = 0; // in images, 0..N (N = past the last image, after a playback)
    int affiche = -1;
    // The last move, for the images worth decoding ahead.
    DecodeurFfms::Sens sens = DecodeurFfms::Sens::Saut;
    int pasPrevu = 1;

    // The window positions the clip by relative moves, steps and jumps alike, and sometimes
    // by a move of nothing: a short move is a step the user is likely to repeat, a long one
    // a jump after which the user may go either way.
    void noterMouvement(int64_t ecart) {
        constexpr int64_t plusLongPas = 16;
        if (ecart == 0) return;
        const int64_t a = ecart < 0 ? -ecart : ecart;
        if (a > plusLongPas) {
            sens = DecodeurFfms::Sens::Saut;
            pasPrevu = 1;
            return;
        }
        sens = ecart > 0 ? DecodeurFfms::Sens::Avant : DecodeurFfms::Sens::Arriere;
        pasPrevu = int(a);
    }
    // The images worth decoding ahead of the image shown, sent to the worker once that image
    // is painted (or the event loop runs): positions passed through without being shown,
    // such as those of a table cleared before its clip closes, set no decoding off.
    bool prevision = false;
    int prevue = -1;
    QTimer envoi;
    void envoyerPrevision() {
        if (!prevision || !decodeur) return;
        prevision = false;
        decodeur->prevoir(prevue, pasPrevu, sens);
    }
    Mode mode = Mode::NonOuvert;
    QTimer horloge;
    QElapsedTimer chrono;
    int64_t departLecture = 0;
    unsigned generation = 0;      // notifications queued before a close are dropped
    int delaiProgressionMs = 300; // shorter indexing shows nothing

    int64_t nbImages() const { return decodeur ? decodeur->nbImages() : 0; }
    double periodeMs() const {
        return decodeur ? 1000.0 * decodeur->cadenceDen() / decodeur->cadenceNum() : 0.0;
    }
};

PeripheriqueMedia::PeripheriqueMedia(QObject* parent)
    : QObject(parent)
    , d(new Impl) {
    setObjectName("MediaPlayer1");
    d->envoi.setSingleShot(true);
    d->envoi.setInterval(0);
    connect(&d->envoi, &QTimer::timeout, this, [this] { d->envoyerPrevision(); });
    d->horloge.setTimerType(Qt::PreciseTimer);
    connect(&d->horloge, &QTimer::timeout, this, [this] {
        // Play in real time: the image due now, skipping any the decoder could not keep up
        // with.
        const int64_t n = d->nbImages();
        const int64_t due =
            d->departLecture + int64_t(d->chrono.elapsed() / std::max(d->periodeMs(), 1.0));
        if (due >= n) {
            afficherPosition(n - 1);
            d->position = n;
            terminerLecture();
        } else if (due > d->position) {
            d->position = due;
            afficherPosition(due);
        }
    });
}

PeripheriqueMedia::~PeripheriqueMedia() {
    fermer();
    delete d->ecran.data();
    delete d;
}

void PeripheriqueMedia::setNomFichier(const QString& chemin) {
    d->nom = chemin;
}
QString PeripheriqueMedia::nomFichier() const {
    return d->nom;
}

void PeripheriqueMedia::setFenetreAffichage(QWidget* fenetre) {
    d->fenetre = fenetre;
    if (!fenetre) {
        delete d->ecran.data();
        return;
    }
    if (!d->ecran) {
        d->ecran = new EcranVideo(fenetre, [this]() -> const QImage& { return imageAffichee(); });
        d->ecran->setVisible(estOuvert());
    } else if (d->ecran->parentWidget() != fenetre) {
        d->ecran->setParent(fenetre);
        d->ecran->setVisible(estOuvert());
    }
    d->ecran->setGeometry(d->rect);
    d->ecran->update();
    // Under everything else of the window: the pointing surface stays over the video.
    d->ecran->lower();
}

void PeripheriqueMedia::ouvrir() {
    fermer();
    ouvrir(preparer(d->nom));
}

std::unique_ptr<DecodeurFfms> PeripheriqueMedia::preparer(const QString& chemin) {
    std::unique_ptr<QProgressDialog> progression;
    QElapsedTimer chrono;
    chrono.start();
    auto suivre = [&](int64_t courant, int64_t total) {
        if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
        if (!progression) {
            if (chrono.elapsed() < d->delaiProgressionMs) return true;
            progression = std::make_unique<QProgressDialog>(
                QStringLiteral("Préparation du clip..."), QStringLiteral("Annuler"), 0, 1000,
                d->fenetre ? d->fenetre->window() : nullptr);
            progression->setObjectName("progressionIndexation");
            progression->setWindowTitle(QStringLiteral("Ouverture du clip"));
            progression->setWindowModality(Qt::ApplicationModal);
            progression->setMinimumDuration(0);
        }
        if (total > 0) progression->setValue(int(std::min<int64_t>(courant * 1000 / total, 999)));
        QCoreApplication::processEvents();
        return !progression->wasCanceled();
    };
    return std::make_unique<DecodeurFfms>(chemin, suivre);
}

void PeripheriqueMedia::ouvrir(std::unique_ptr<DecodeurFfms> decodeur) {
    fermer();
    if (!decodeur) return;
    d->decodeur = std::move(decodeur);
    const QSize taille = d->decodeur->taille();
    d->rect = QRect(QPoint(0, 0), taille);
    d->mode = Mode::Arrete;
    d->position = 0;
    d->sens = DecodeurFfms::Sens::Saut;
    d->pasPrevu = 1;
    if (d->ecran) {
        d->ecran->setGeometry(d->rect);
        d->ecran->show();
        d->ecran->lower();
    }
    afficherPosition(0);
}

void PeripheriqueMedia::fermer() {
    d->horloge.stop();
    ++d->generation;
    d->prevision = false;
    d->envoi.stop();
    d->decodeur.reset();
    d->mode = Mode::NonOuvert;
    d->position = 0;
    d->affiche = -1;
    d->image = QImage();
    d->imageDe = -1;
    if (d->ecran) d->ecran->hide();
}

bool PeripheriqueMedia::estOuvert() const {
    return d->decodeur != nullptr;
}

void PeripheriqueMedia::setFormatTemps(FormatTemps f) {
    d->format = f;
}
PeripheriqueMedia::FormatTemps PeripheriqueMedia::formatTemps() const {
    return d->format;
}

int64_t PeripheriqueMedia::longueur() const {
    if (!estOuvert()) return 0;
    if (d->format == FormatTemps::Images) return d->nbImages();
    // Whole milliseconds of N frame periods, so that length ÷ N gives back the period.
    return std::llround(double(d->nbImages()) * d->periodeMs());
}

QRect PeripheriqueMedia::rectangleAffichage() const {
    return d->rect;
}

void PeripheriqueMedia::setRectangleAffichage(const QRect& r) {
    // The decoder converts the images to the rectangle's size; the size read back is the
    // one it gives (never empty).
    d->rect = QRect(r.topLeft(), r.size().expandedTo(QSize(1, 1)));
    if (d->decodeur && d->decodeur->tailleSortie() != d->rect.size()) {
        d->decodeur->setTailleSortie(d->rect.size());
        d->imageDe = -1;
    }
    if (d->ecran) {
        d->ecran->setGeometry(d->rect);
        d->ecran->update();
    }
}

void PeripheriqueMedia::setPas(int n) {
    d->pas = std::max(n, 0);
}
int PeripheriqueMedia::pas() const {
    return d->pas;
}

void PeripheriqueMedia::avancer() {
    if (!estOuvert()) return;
    terminerLecture();
    const int64_t avant = d->position;
    d->position = std::min(d->position + d->pas, d->nbImages());
    d->noterMouvement(d->position - avant);
    afficherPosition(d->position);
}

void PeripheriqueMedia::reculer() {
    if (!estOuvert()) return;
    terminerLecture();
    const int64_t avant = d->position;
    d->position = std::max<int64_t>(d->position - d->pas, 0);
    d->noterMouvement(d->position - avant);
    afficherPosition(d->position);
}

int64_t PeripheriqueMedia::position() const {
    if (!estOuvert()) return 0;
    if (d->format == FormatTemps::Images) return d->position;
    return std::llround(double(d->position) * d->periodeMs());
}

void PeripheriqueMedia::chercher(int64_t position) {
    if (!estOuvert()) return;
    terminerLecture();
    const int64_t avant = d->position;
    int64_t p = position;
    if (d->format == FormatTemps::Millisecondes)
        p = int64_t(std::floor(double(position) / d->periodeMs() + 1e-6));
    d->position = std::clamp<int64_t>(p, 0, d->nbImages());
    d->noterMouvement(d->position - avant);
    afficherPosition(d->position);
}

PeripheriqueMedia::Mode PeripheriqueMedia::mode() const {
    return d->mode;
}

void PeripheriqueMedia::jouer() {
    if (!estOuvert() || d->mode == Mode::Lecture) return;
    const int64_t n = d->nbImages();
    if (d->position >= n - 1) {
        // Nothing left to play: the playback ends at once, past the last image.
        afficherPosition(n - 1);
        d->position = n;
        notifierPlusTard();
        return;
    }
    d->mode = Mode::Lecture;
    d->sens = DecodeurFfms::Sens::Avant;
    d->pasPrevu = 1;
    d->departLecture = d->position;
    d->chrono.start();
    d->horloge.start(std::max(1, int(d->periodeMs() / 2)));
}

int PeripheriqueMedia::indexAffiche() const {
    return d->affiche;
}
const QImage& PeripheriqueMedia::imageAffichee() const {
    // The worker first: after a jump, it may be the one to give this image.
    d->envoyerPrevision();
    if (d->affiche >= 0 && d->imageDe != d->affiche) {
        QImage image = d->decodeur->image(d->affiche);
        if (image.isNull()) {
            // An image the decoder cannot give is shown black, never as another image.
            image = QImage(d->decodeur->tailleSortie(), QImage::Format_RGB32);
            image.fill(Qt::black);
        }
        d->image = image;
        d->imageDe = d->affiche;
    }
    return d->image;
}

long double PeripheriqueMedia::periodeImage() const {
    if (!estOuvert()) return 0;
    return static_cast<long double>(d->decodeur->cadenceDen()) / d->decodeur->cadenceNum();
}

QString PeripheriqueMedia::nomCodec() const {
    return estOuvert() ? d->decodeur->nomCodec() : QString();
}

std::vector<long double> PeripheriqueMedia::instants() const {
    if (!estOuvert()) return {};
    return d->decodeur->instants();
}

bool PeripheriqueMedia::imageEnCache(int n) const {
    return d->decodeur && d->decodeur->enCache(n);
}

int PeripheriqueMedia::demandesAuFil() const {
    return d->decodeur ? d->decodeur->demandesAuFil() : 0;
}

QWidget* PeripheriqueMedia::ecranVideo() const {
    return d->ecran;
}

void PeripheriqueMedia::setDelaiProgression(int ms) {
    d->delaiProgressionMs = ms;
}

void PeripheriqueMedia::afficherPosition(int64_t position) {
    // Decoding waits for the paint (or for imageAffichee()): a step to a neighbour and back
    // before the screen is painted costs nothing.
    const int n = int(std::clamp<int64_t>(position, 0, d->nbImages() - 1));
    d->affiche = n;
    // What comes next (after a jump, with n itself) is for the worker once n is shown.
    d->prevision = true;
    d->prevue = n;
    d->envoi.start();
    if (d->ecran) d->ecran->update();
    emit imageChangee(n);
}

void PeripheriqueMedia::terminerLecture() {
    if (d->mode != Mode::Lecture) return;
    d->horloge.stop();
    d->mode = Mode::Arrete;
    notifierPlusTard();
}

void PeripheriqueMedia::notifierPlusTard() {
    const unsigned generation = d->generation;
    QMetaObject::invokeMethod(
        this,
        [this, generation] {
            if (generation == d->generation) emit notification();
        },
        Qt::QueuedConnection);
}
