#include "aides/AutomationFactice.h"

using automation::Arguments;
using automation::Erreur;
using automation::Valeur;

namespace factice {

void Journal::noter(const QString& entree) {
    entrees << entree;
    if (echouerSi && echouerSi(entree)) throw Erreur(QStringLiteral("échec voulu : ") + entree);
}

void Objet::repondre(const QString& membre, std::function<Valeur(const Arguments&)> r) {
    reponses_[membre.toLower()] = std::move(r);
}

void Objet::repondre(const QString& membre, const Valeur& v) {
    repondre(membre, [v](const Arguments&) { return v; });
}

Valeur Objet::appeler(const QString& nom, const Arguments& a) {
    QStringList textes;
    for (const Valeur& v : a)
        textes << v.decrire();
    j_->noter(QStringLiteral("%1.%2(%3)").arg(nom_, nom, textes.join(QStringLiteral(", "))));
    auto it = reponses_.find(nom.toLower());
    return it == reponses_.end() ? Valeur() : it->second(a);
}

void Objet::affecter(const QString& nom, const Valeur& v) {
    j_->noter(QStringLiteral("%1.%2 := %3").arg(nom_, nom, v.decrire()));
}

std::shared_ptr<Objet> objet(const std::shared_ptr<Journal>& j, const QString& nom) {
    return std::make_shared<Objet>(j, nom);
}

automation::PtrObjet Fabrique::creer(const QString& programme) {
    j_->noter(QStringLiteral("creer(%1)").arg(programme));
    auto it = nouveaux.find(programme);
    if (it == nouveaux.end()) throw Erreur(QStringLiteral("inconnu"));
    return it->second();
}

automation::PtrObjet Fabrique::actif(const QString& programme) {
    j_->noter(QStringLiteral("actif(%1)").arg(programme));
    auto it = actifs.find(programme);
    if (it == actifs.end()) throw Erreur(QStringLiteral("pas en cours"));
    return it->second();
}

} // namespace factice
