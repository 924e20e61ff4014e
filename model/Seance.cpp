#include "model/Seance.h"

#include <algorithm>

Seance::Seance(QObject* parent)
    : QObject(parent) {}

void Seance::setClip(const FaitsClip& faits) {
    pile_.clear();
    clip_ = faits;
    points_.assign(static_cast<size_t>(std::max(0, faits.nbImages)) * pointsMax, std::nullopt);
    t0_ = 1;
    cadence_ = faits.cadenceFichier;
    emit clipChange();
}

void Seance::setEtalonnage(const Etalonnage& e) {
    if (e == etalonnage_) return;
    etalonnage_ = e;
    emit etalonnageChange();
}

std::optional<QPoint> Seance::point(int image, int k) const {
    if (!dansTable(image, k)) return std::nullopt;
    return points_[indice(image, k)];
}

void Seance::setPoint(int image, int k, std::optional<QPoint> p) {
    if (!dansTable(image, k) || points_[indice(image, k)] == p) return;
    points_[indice(image, k)] = p;
    emit pointChange(image, k);
}

void Seance::effacer(int premiere, int derniere, int kMin, int kMax) {
    premiere = std::max(premiere, 0);
    derniere = std::min(derniere, clip_.nbImages - 1);
    kMin = std::max(kMin, 1);
    kMax = std::min(kMax, int(pointsMax));
    if (premiere > derniere || kMin > kMax) return;
    for (int i = premiere; i <= derniere; ++i)
        for (int k = kMin; k <= kMax; ++k)
            points_[indice(i, k)].reset();
    emit pointsChange(premiere, derniere);
}

std::vector<std::optional<QPoint>> Seance::plage(int premiere, int derniere, int kMin,
                                                 int kMax) const {
    std::vector<std::optional<QPoint>> v;
    for (int i = premiere; i <= derniere; ++i)
        for (int k = kMin; k <= kMax; ++k)
            v.push_back(point(i, k));
    return v;
}

void Seance::restaurer(int premiere, int derniere, int kMin, int kMax,
                       const std::vector<std::optional<QPoint>>& valeurs) {
    auto v = valeurs.cbegin();
    for (int i = premiere; i <= derniere; ++i)
        for (int k = kMin; k <= kMax && v != valeurs.cend(); ++k, ++v)
            if (dansTable(i, k)) points_[indice(i, k)] = *v;
    emit pointsChange(std::max(premiere, 0), std::min(derniere, clip_.nbImages - 1));
}

bool Seance::occupe() const {
    for (int i = 0; i < clip_.nbImages; ++i)
        for (int k = 1; k <= n_; ++k)
            if (points_[indice(i, k)]) return true;
    return false;
}

void Seance::setN(int n) {
    n = std::clamp(n, 1, int(pointsMax));
    if (n == n_) return;
    n_ = n;
    emit nChange();
}

void Seance::setT0(int t0) {
    if (t0 == t0_) return;
    t0_ = t0;
    emit optionsChange();
}

void Seance::setChiffresXY(int c) {
    if (c == chiffresXY_) return;
    chiffresXY_ = c;
    emit optionsChange();
}

void Seance::setDecimalesT(int d) {
    if (d == decimalesT_) return;
    decimalesT_ = d;
    emit optionsChange();
}

void Seance::setCadencePriseDeVue(long double c) {
    if (!(c > 0) || c == cadence_) return;
    cadence_ = c;
    emit cadenceChange();
}

bool Seance::memeMesure(const Seance& autre) const {
    return clip_ == autre.clip_ && cadence_ == autre.cadence_ && etalonnage_ == autre.etalonnage_ &&
           points_ == autre.points_ && n_ == autre.n_ && t0_ == autre.t0_ &&
           chiffresXY_ == autre.chiffresXY_ && decimalesT_ == autre.decimalesT_;
}
