#include "platform/Automation.h"

#include <QLocale>
#include <cmath>

namespace automation {

Valeur Valeur::tableauVide() {
    Valeur v;
    v.genre_ = Genre::TableauVide;
    return v;
}

bool Valeur::booleen() const {
    if (genre_ == Genre::Booleen || genre_ == Genre::Entier) return entier_ != 0;
    throw Erreur(QStringLiteral("valeur non booléenne : %1").arg(decrire()));
}

int Valeur::entier() const {
    if (genre_ == Genre::Booleen || genre_ == Genre::Entier) return static_cast<int>(entier_);
    if (genre_ == Genre::Reel && std::isfinite(reel_)) return static_cast<int>(std::lround(reel_));
    throw Erreur(QStringLiteral("valeur non entière : %1").arg(decrire()));
}

double Valeur::reel() const {
    if (genre_ == Genre::Reel) return reel_;
    if (genre_ == Genre::Booleen || genre_ == Genre::Entier) return static_cast<double>(entier_);
    throw Erreur(QStringLiteral("valeur non numérique : %1").arg(decrire()));
}

QString Valeur::texte() const {
    if (genre_ == Genre::Texte) return texte_;
    throw Erreur(QStringLiteral("valeur non textuelle : %1").arg(decrire()));
}

PtrObjet Valeur::objet() const {
    if (genre_ == Genre::Objet) return objet_;
    throw Erreur(QStringLiteral("pas un objet : %1").arg(decrire()));
}

bool Valeur::egal(int i) const {
    switch (genre_) {
    case Genre::Booleen:
    case Genre::Entier:
        return entier_ == i;
    case Genre::Reel:
        return reel_ == i;
    default:
        throw Erreur(QStringLiteral("comparaison impossible : %1").arg(decrire()));
    }
}

QString Valeur::decrire() const {
    switch (genre_) {
    case Genre::Vide:
        return QStringLiteral("vide");
    case Genre::Booleen:
        return entier_ != 0 ? QStringLiteral("true") : QStringLiteral("false");
    case Genre::Entier:
        return QString::number(entier_);
    case Genre::Reel:
        return QString::number(reel_, 'g', QLocale::FloatingPointShortest);
    case Genre::Texte:
        return QLatin1Char('"') + texte_ + QLatin1Char('"');
    case Genre::Objet:
        return QStringLiteral("objet");
    case Genre::TableauVide:
        return QStringLiteral("[]");
    }
    return {};
}

} // namespace automation
