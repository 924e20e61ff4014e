#include "platform/PrechargeurImages.h"

#include "platform/ConvertisseurImages.h"

#include <algorithm>
#include <iterator>
#include <ffms.h>

PrechargeurImages::PrechargeurImages(const QByteArray& chemin, int piste, FFMS_Index* index,
                                     int modeSaut, int quarts, CacheImages& cache)
    : chemin_(chemin)
    , piste_(piste)
    , index_(index)
    , modeSaut_(modeSaut)
    , quarts_(quarts)
    , cache_(cache)
    , fil_([this] { travailler(); }) {}

PrechargeurImages::~PrechargeurImages() {
    {
        std::lock_guard<std::mutex> l(verrou_);
        arret_ = true;
        ++generation_;
    }
    travail_.notify_all();
    fil_.join();
    cache_.reveiller();
}

void PrechargeurImages::demander(std::vector<int> images, bool attendable) {
    std::sort(images.begin(), images.end());
    images.erase(std::unique(images.begin(), images.end()), images.end());
    {
        std::lock_guard<std::mutex> l(verrou_);
        // A job already at work on some of these images goes on undisturbed: starting again
        // would repeat its seek, and what it leaves out is asked for once it is done.
        const auto reste = images_.begin() + std::ptrdiff_t(suivante_);
        std::vector<int> communes;
        std::set_intersection(reste, images_.end(), images.begin(), images.end(),
                              std::back_inserter(communes));
        if (!communes.empty()) return;
        images_ = std::move(images);
        suivante_ = 0;
        attendable_ = attendable;
        commence_ = false;
        ++generation_;
    }
    travail_.notify_all();
    cache_.reveiller();
}

void PrechargeurImages::annuler() {
    {
        std::lock_guard<std::mutex> l(verrou_);
        images_.clear();
        suivante_ = 0;
        ++generation_;
    }
    cache_.reveiller();
}

bool PrechargeurImages::concerne(int n) const {
    std::lock_guard<std::mutex> l(verrou_);
    return std::binary_search(images_.begin() + std::ptrdiff_t(suivante_), images_.end(), n);
}

bool PrechargeurImages::promet(int n) const {
    std::lock_guard<std::mutex> l(verrou_);
    if (!attendable_ && !commence_) return false;
    return std::binary_search(images_.begin() + std::ptrdiff_t(suivante_), images_.end(), n);
}

QImage PrechargeurImages::attendre(int n) {
    // Lock order: the cache's, then this one's (in promet); the worker never holds both.
    return cache_.attendre(n, [&] { return !promet(n); });
}

int PrechargeurImages::decodees() const {
    std::lock_guard<std::mutex> l(verrou_);
    return decodees_;
}

void PrechargeurImages::travailler() {
    FFMS_VideoSource* source = nullptr;
    ConvertisseurImages convertisseur(quarts_);
    char texte[512];
    FFMS_ErrorInfo erreur{FFMS_ERROR_SUCCESS, FFMS_ERROR_SUCCESS, sizeof texte, texte};
    for (;;) {
        int n = -1;
        unsigned generation = 0;
        {
            std::unique_lock<std::mutex> l(verrou_);
            travail_.wait(l, [&] { return arret_ || suivante_ < images_.size(); });
            if (arret_) break;
            n = images_[suivante_];
            generation = generation_;
        }
        const bool aFaire = !cache_.contient(n);
        if (aFaire) {
            // Its own source, made here at the first job: the interface's is never touched.
            // One decoding thread, as there: frame threading delays the end of every seek.
            if (!source)
                source = FFMS_CreateVideoSource(chemin_.constData(), piste_, index_, 1, modeSaut_,
                                                &erreur);
            const FFMS_Frame* trame = source ? FFMS_GetFrame(source, n, &erreur) : nullptr;
            const QSize taille = cache_.taille();
            // The cache refuses an image converted before a change of size.
            if (trame) cache_.mettre(n, convertisseur.convertir(trame, taille));
        }
        {
            std::lock_guard<std::mutex> l(verrou_);
            decodees_ += aFaire ? 1 : 0;
            if (generation == generation_) {
                ++suivante_;
                commence_ = true;
            }
        }
        cache_.reveiller(); // a waiter for an image that could not be decoded stops waiting
    }
    if (source) FFMS_DestroyVideoSource(source);
}
