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

    // Images to decode, in ascending order; ignored while the job under way still has some of
    // them to give. `attendable`: the interface may wait for them
    // from the start (a job behind the position shown, whose first decode is the seek the
    // interface would make itself); otherwise only once the job has given its first image.
    void demander(std::vector<int> images, bool attendable);
    void annuler();

    // Whether the job under way will still give image n, soon enough to be waited for.
    bool promet(int n) const;
    // Whether n is among the images the job under way has still to give.
    bool concerne(int n) const;
    // Image n from the cache, waiting while the job promises it; null when it no longer does.
    QImage attendre(int n);

    int decodees() const; // images decoded by the worker since it started (for tests)

private:
    void travailler();

    QByteArray chemin_;
    int piste_;
    FFMS_Index* index_;
    int modeSaut_;
    int quarts_;
    CacheImages& cache_;

    mutable std::mutex verrou_;
    std::condition_variable travail_;
    std::vector<int> images_; // the job: images still to give, ascending
    size_t suivante_ = 0;     // index in images_ of the next one
    bool attendable_ = false;
    bool commence_ = false;   // the job has given an image
    unsigned generation_ = 0; // bumped by every new job or cancellation
    bool arret_ = false;
    int decodees_ = 0;
    std::thread fil_;
};
