#pragma once

#include "platform/Automation.h"

#include <QStringList>
#include <functional>
#include <map>
#include <memory>

// A recording stand-in for automation objects: every call, read and assignment is written
// to one journal ("feuille.GetCellByPosition(0, 1)", "cellule.NumberFormat := 2"), answers
// are scripted per member name, and any entry can be made to fail.
namespace factice {

struct Journal {
    QStringList entrees;
    // Makes the entry about to be written fail (an automation::Erreur), after recording it.
    std::function<bool(const QString& entree)> echouerSi;
    void noter(const QString& entree);
};

class Objet : public automation::Objet {
public:
    Objet(std::shared_ptr<Journal> j, QString nom)
        : j_(std::move(j))
        , nom_(std::move(nom)) {}

    // What a call of `membre` (any letter case) answers; members without an answer give
    // nothing (an empty value).
    void repondre(const QString& membre,
                  std::function<automation::Valeur(const automation::Arguments&)> r);
    void repondre(const QString& membre, const automation::Valeur& v);

    automation::Valeur appeler(const QString& nom, const automation::Arguments& a) override;
    void affecter(const QString& nom, const automation::Valeur& v) override;

private:
    std::shared_ptr<Journal> j_;
    QString nom_;
    std::map<QString, std::function<automation::Valeur(const automation::Arguments&)>> reponses_;
};

std::shared_ptr<Objet> objet(const std::shared_ptr<Journal>& j, const QString& nom);

// Programs known by identifier, each for `creer` and for `actif` (no entry: the call fails).
class Fabrique : public automation::Fabrique {
public:
    explicit Fabrique(std::shared_ptr<Journal> j)
        : j_(std::move(j)) {}
    std::map<QString, std::function<automation::PtrObjet()>> nouveaux, actifs;

    automation::PtrObjet creer(const QString& programme) override;
    automation::PtrObjet actif(const QString& programme) override;

private:
    std::shared_ptr<Journal> j_;
};

} // namespace factice
