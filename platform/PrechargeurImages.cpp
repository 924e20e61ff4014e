#include "platform/PrechargeurImages.h"

#include "platform/ConvertisseurImages.h"

#include <algorithm>
#include <deque>
#include <ffms.h>
#include <iterator>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
extern "C" {
#include <libavutil/common.h>
#include <libavutil/pixdesc.h>
}

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

void PrechargeurImages::demander(std::vector<int> images, bool attendable, Ordre ordre) {
    std::sort(images.begin(), images.end());
    images.erase(std::unique(images.begin(), images.end()), images.end());
    {
        std::lock_guard<std::mutex> l(verrou_);
        ++demandes_;
        // A job already at work on some of these images goes on undisturbed: starting again
        // would repeat its seek. The rest comes once it is done.
        std::vector<int> communes;
        std::set_intersection(images_.begin(), images_.end(), images.begin(), images.end(),
                              std::back_inserter(communes));
        if (!communes.empty()) {
            suivantes_ = std::move(images);
            suivantesAttendables_ = attendable;
            suivantesOrdre_ = ordre;
            return;
        }
        suivantes_.clear();
        images_ = std::move(images);
        attendable_ = attendable;
        ordre_ = ordre;
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
        suivantes_.clear();
        ++generation_;
    }
    cache_.reveiller();
}

bool PrechargeurImages::promet(int n) const {
    std::lock_guard<std::mutex> l(verrou_);
    if (!attendable_ && !commence_) return false;
    return std::binary_search(images_.begin(), images_.end(), n);
}

QImage PrechargeurImages::attendre(int n) {
    // Lock order: the cache's, then this one's (in promet); the worker never holds both.
    return cache_.attendre(n, [&] { return !promet(n); });
}

int PrechargeurImages::decodees() const {
    std::lock_guard<std::mutex> l(verrou_);
    return decodees_;
}

int PrechargeurImages::demandes() const {
    std::lock_guard<std::mutex> l(verrou_);
    return demandes_;
}

std::vector<std::vector<int>> PrechargeurImages::passes(const std::vector<int>& images,
                                                        const std::vector<int>& cles, Ordre ordre) {
    std::vector<std::vector<int>> p;
    auto groupe = [&](int n) { return std::upper_bound(cles.begin(), cles.end(), n); };
    for (int n : images) {
        if (p.empty() || (ordre == Ordre::GroupeParGroupe && groupe(n) != groupe(p.back().back())))
            p.emplace_back();
        p.back().push_back(n);
    }
    std::reverse(p.begin(), p.end());
    return p;
}

void PrechargeurImages::donnee(unsigned generation, int n) {
    if (generation != generation_) return;
    const auto it = std::lower_bound(images_.begin(), images_.end(), n);
    if (it != images_.end() && *it == n) images_.erase(it);
    commence_ = true;
}

namespace {

// A decoded image kept as the decoder gave it, to be converted later: FFMS2 reuses its frame
// for the next decode.
struct TrameCopiee {
    int n = -1;
    FFMS_Frame trame{};
    std::vector<uint8_t> plans[4];
    int64_t octets = 0;

    TrameCopiee(int image, const FFMS_Frame& source)
        : n(image)
        , trame(source) {
        const auto format = static_cast<AVPixelFormat>(source.EncodedPixelFormat);
        const AVPixFmtDescriptor* desc = av_pix_fmt_desc_get(format);
        const int nbPlans = desc ? av_pix_fmt_count_planes(format) : 0;
        for (int i = 0; i < 4; ++i) {
            trame.Data[i] = nullptr;
            if (i >= nbPlans || !source.Data[i] || source.Linesize[i] <= 0) continue;
            const int h = (i == 1 || i == 2)
                              ? AV_CEIL_RSHIFT(source.EncodedHeight, int(desc->log2_chroma_h))
                              : source.EncodedHeight;
            const size_t taille = size_t(source.Linesize[i]) * size_t(h);
            plans[i].assign(source.Data[i], source.Data[i] + taille);
            trame.Data[i] = plans[i].data();
            octets += int64_t(taille);
        }
    }
};

} // namespace

void PrechargeurImages::travailler() {
    // Below the interface and the toolkit's own helpers (such as a file dialog reading its
    // folder): decoding ahead only uses what they leave.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
    FFMS_VideoSource* source = nullptr;
    std::vector<int> cles; // key frames a seek may start from, ascending
    ConvertisseurImages convertisseur(quarts_);
    char texte[512];
    FFMS_ErrorInfo erreur{FFMS_ERROR_SUCCESS, FFMS_ERROR_SUCCESS, sizeof texte, texte};
    for (;;) {
        std::vector<int> images;
        unsigned generation = 0;
        Ordre ordre = Ordre::EnSuite;
        {
            std::unique_lock<std::mutex> l(verrou_);
            travail_.wait(l, [&] { return arret_ || !images_.empty(); });
            if (arret_) break;
            images = images_;
            generation = generation_;
            ordre = ordre_;
        }
        auto enCours = [&] {
            std::lock_guard<std::mutex> l(verrou_);
            return generation == generation_ && !arret_;
        };
        auto donner = [&](int n, const QImage& image, bool decodee) {
            // The cache refuses an image converted before a change of size.
            if (!image.isNull()) cache_.mettre(n, image);
            {
                std::lock_guard<std::mutex> l(verrou_);
                decodees_ += decodee ? 1 : 0;
                donnee(generation, n);
            }
            cache_.reveiller(); // a waiter for an image that could not be decoded stops waiting
        };
        // Its own source, made here at the first job: the interface's is never touched.
        // One decoding thread, as there: frame threading delays the end of every seek.
        if (!source) {
            source =
                FFMS_CreateVideoSource(chemin_.constData(), piste_, index_, 1, modeSaut_, &erreur);
            // Where seeks are not exact, every image is decoded in a row from the start: the
            // clip is a single group.
            FFMS_Track* piste =
                source && modeSaut_ == FFMS_SEEK_NORMAL ? FFMS_GetTrackFromVideo(source) : nullptr;
            for (int i = 0, nb = piste ? FFMS_GetNumFrames(piste) : 0; i < nb; ++i)
                if (const FFMS_FrameInfo* info = FFMS_GetFrameInfo(piste, i);
                    info && info->KeyFrame)
                    cles.push_back(i);
        }
        // Kept for a conversion from the last back, within a quarter of the cache.
        const int64_t limite = cache_.budget() / 4;
        for (const std::vector<int>& passe : passes(images, cles, ordre)) {
            std::deque<TrameCopiee> copies;
            int64_t octets = 0;
            auto convertir = [&](const TrameCopiee& c) {
                donner(c.n, convertisseur.convertir(&c.trame, cache_.taille()), true);
            };
            for (int n : passe) {
                if (!enCours()) break;
                if (cache_.contient(n)) {
                    donner(n, QImage(), false);
                    continue;
                }
                const FFMS_Frame* trame = source ? FFMS_GetFrame(source, n, &erreur) : nullptr;
                if (!trame) {
                    donner(n, QImage(), false);
                } else if (ordre == Ordre::EnSuite) {
                    donner(n, convertisseur.convertir(trame, cache_.taille()), true);
                } else {
                    copies.emplace_back(n, *trame);
                    octets += copies.back().octets;
                    for (; octets > limite && copies.size() > 1; copies.pop_front()) {
                        octets -= copies.front().octets;
                        convertir(copies.front());
                    }
                }
            }
            for (; !copies.empty() && enCours(); copies.pop_back())
                convertir(copies.back());
        }
        std::lock_guard<std::mutex> l(verrou_);
        if (generation == generation_ && !suivantes_.empty()) {
            // The request kept for after this job (what this job gave is skipped then; the
            // cache is not asked here: its lock is never taken under this one).
            images_ = std::move(suivantes_);
            suivantes_.clear();
            attendable_ = suivantesAttendables_;
            ordre_ = suivantesOrdre_;
            commence_ = false;
            ++generation_;
        }
    }
    if (source) FFMS_DestroyVideoSource(source);
}
