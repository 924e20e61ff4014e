#pragma once

#include "platform/CacheImages.h"

#include <QByteArray>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

struct FFMS_Index;

// Decodes on a worker thread, with a video source of its own, the images the user is
// likely to ask next, and leaves them converted in the shared cache. One job at a time: a
// new request replaces the one under way, which stops after the image it is decoding.
class PrechargeurImages {
public:
    // The index must outlive the worker; `modeSaut` is FFMS2's seek mode for the clip;
    // `quarts` turns the images upright.
    PrechargeurImages(const QByteArray& chemin, int piste, FFMS_Index* index, int modeSaut,
                      int quarts, CacheImages& cache);
    ~PrechargeurImages(); // stops the worker and waits for it
    PrechargeurImages(const PrechargeurImages&) = delete;
    PrechargeurImages& operator=(const PrechargeurImages&) = delete;

    // How a job's images are decoded and given.
    enum class Ordre {
        EnSuite,         // in ascending order, each given as soon as decoded
        DernieresDAbord, // in one pass, converted from the last one back
        GroupeParGroupe, // each group of pictures in its own pass, the latest group first,
                         // each converted from its last image back
    };

    // Images to decode; kept for after the job under way when that job still has some of
    // them to give. `attendable`: the interface may wait for them from the start (its own
    // decode would start with the same seek); otherwise only once the job has given its
    // first image. Going back, the order gives first the image nearest the position, behind
    // it, and, group by group, only seeks as far back as the images asked so far need.
    void demander(std::vector<int> images, bool attendable, Ordre ordre);
    void annuler();

    // Whether the job under way will still give image n, soon enough to be waited for.
    bool promet(int n) const;
    // Image n from the cache, waiting while the job promises it; null when it no longer does.
    QImage attendre(int n);

    int decodees() const; // images decoded by the worker since it started (for tests)
    int demandes() const; // requests received since it started (for tests)

    // The passes in which a job's images (ascending) are decoded, in their order; `cles`:
    // the key frames a seek may start from, ascending.
    static std::vector<std::vector<int>> passes(const std::vector<int>& images,
                                                const std::vector<int>& cles, Ordre ordre);

private:
    void travailler();
    // Under the lock: image n of job `generation` is given (or could not be).
    void donnee(unsigned generation, int n);

    QByteArray chemin_;
    int piste_;
    FFMS_Index* index_;
    int modeSaut_;
    int quarts_;
    CacheImages& cache_;

    mutable std::mutex verrou_;
    std::condition_variable travail_;
    std::vector<int> images_; // the job: images still to give, ascending
    bool attendable_ = false;
    Ordre ordre_ = Ordre::EnSuite;
    // A request made while the job was at work on some of its images: the next job.
    std::vector<int> suivantes_;
    bool suivantesAttendables_ = false;
    Ordre suivantesOrdre_ = Ordre::EnSuite;
    bool commence_ = false;   // the job has given an image
    unsigned generation_ = 0; // bumped by every new job or cancellation
    bool arret_ = false;
    int decodees_ = 0;
    int demandes_ = 0;
    std::thread fil_;
};
