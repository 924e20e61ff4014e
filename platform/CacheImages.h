#pragma once

#include <QImage>
#include <QSize>
#include <condition_variable>
#include <cstdint>
#include <list>
#include <mutex>

// The converted images kept for the clip open, shared by the interface thread and the
// prefetching worker: most recently used first, within a memory budget. Every image has the
// size shown now; a change of size empties the cache, and an image of another size offered
// later (converted before the change) is refused.
class CacheImages {
public:
    explicit CacheImages(int64_t budget)
        : budget_(budget) {}

    // The image n, marked as just used; null when absent.
    QImage prendre(int n);
    bool contient(int n) const;
    void mettre(int n, const QImage& image);

    // Waits until image n is in the cache or `abandon()` says to stop waiting; the image or
    // null. `abandon` is evaluated under the cache's lock, at each change.
    template <class Abandon> QImage attendre(int n, Abandon abandon);
    void reveiller(); // wakes waiters so that they evaluate their abandon condition again

    void setTaille(QSize taille); // empties the cache when the size changes
    QSize taille() const;
    void setBudget(int64_t octets);
    int64_t budget() const;
    int64_t occupe() const;
    void vider();

private:
    struct Entree {
        int n;
        QImage image;
    };
    std::list<Entree>::iterator trouver(int n) const;
    // Under the lock: takes out the oldest images beyond the budget. The caller lets them go
    // once the lock is released, since freeing an image's memory can take milliseconds.
    std::list<Entree> reduire();

    mutable std::mutex verrou_;
    std::condition_variable change_;
    mutable std::list<Entree> entrees_; // most recent first
    QSize taille_;
    int64_t occupe_ = 0;
    int64_t budget_;
};

template <class Abandon> QImage CacheImages::attendre(int n, Abandon abandon) {
    std::unique_lock<std::mutex> l(verrou_);
    for (;;) {
        auto it = trouver(n);
        if (it != entrees_.end()) {
            entrees_.splice(entrees_.begin(), entrees_, it);
            return entrees_.front().image;
        }
        if (abandon()) return {};
        change_.wait(l);
    }
}
