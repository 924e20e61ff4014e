#include "platform/CacheImages.h"

#include <algorithm>

std::list<CacheImages::Entree>::iterator CacheImages::trouver(int n) const {
    return std::find_if(entrees_.begin(), entrees_.end(), [n](const Entree& e) { return e.n == n; });
}

QImage CacheImages::prendre(int n) {
    std::lock_guard<std::mutex> l(verrou_);
    auto it = trouver(n);
    if (it == entrees_.end()) return {};
    entrees_.splice(entrees_.begin(), entrees_, it);
    return entrees_.front().image;
}

bool CacheImages::contient(int n) const {
    std::lock_guard<std::mutex> l(verrou_);
    return trouver(n) != entrees_.end();
}

void CacheImages::mettre(int n, const QImage& image) {
    std::list<Entree> sorties;
    {
        std::lock_guard<std::mutex> l(verrou_);
        if (image.isNull() || image.size() != taille_ || trouver(n) != entrees_.end()) return;
        entrees_.push_front({n, image});
        occupe_ += image.sizeInBytes();
        sorties = reduire();
    }
    change_.notify_all();
}

void CacheImages::reveiller() {
    { std::lock_guard<std::mutex> l(verrou_); }
    change_.notify_all();
}

std::list<CacheImages::Entree> CacheImages::reduire() {
    // The image just used stays, whatever the budget.
    std::list<Entree> sorties;
    while (entrees_.size() > 1 && occupe_ > budget_) {
        occupe_ -= entrees_.back().image.sizeInBytes();
        sorties.splice(sorties.end(), entrees_, std::prev(entrees_.end()));
    }
    return sorties;
}

void CacheImages::setTaille(QSize taille) {
    std::list<Entree> sorties;
    std::lock_guard<std::mutex> l(verrou_);
    if (taille == taille_) return;
    taille_ = taille;
    sorties.swap(entrees_);
    occupe_ = 0;
}

QSize CacheImages::taille() const {
    std::lock_guard<std::mutex> l(verrou_);
    return taille_;
}

void CacheImages::setBudget(int64_t octets) {
    std::list<Entree> sorties;
    std::lock_guard<std::mutex> l(verrou_);
    budget_ = std::max<int64_t>(octets, 0);
    sorties = reduire();
}

int64_t CacheImages::budget() const {
    std::lock_guard<std::mutex> l(verrou_);
    return budget_;
}

int64_t CacheImages::occupe() const {
    std::lock_guard<std::mutex> l(verrou_);
    return occupe_;
}

void CacheImages::vider() {
    std::list<Entree> sorties;
    std::lock_guard<std::mutex> l(verrou_);
    sorties.swap(entrees_);
    occupe_ = 0;
}
