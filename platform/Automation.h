#pragma once

#include <QString>
#include <memory>
#include <stdexcept>
#include <vector>

// Late-bound automation: objects reached by a program identifier, whose methods and
// properties are called by name with variant arguments, as a spreadsheet program is driven
// from outside. Every failure is an automation::Erreur.
namespace automation {

class Erreur : public std::runtime_error {
public:
    explicit Erreur(const QString& quoi)
        : std::runtime_error(quoi.toStdString()) {}
};

// A program that is there but ended before it could be reached; `raison` says how, for
// the user.
class ErreurDemarrage : public Erreur {
public:
    explicit ErreurDemarrage(const QString& raison)
        : Erreur(raison)
        , raison_(raison) {}
    const QString& raison() const { return raison_; }

private:
    QString raison_;
};

class Objet;
using PtrObjet = std::shared_ptr<Objet>;

// An argument or a result: nothing, a boolean, an integer, a real, a text, an object, or
// the empty variant array (bounds 0 to -1).
class Valeur {
public:
    enum class Genre { Vide, Booleen, Entier, Reel, Texte, Objet, TableauVide };

    Valeur() = default;
    Valeur(bool b)
        : genre_(Genre::Booleen)
        , entier_(b ? 1 : 0) {}
    Valeur(int i)
        : genre_(Genre::Entier)
        , entier_(i) {}
    Valeur(double x)
        : genre_(Genre::Reel)
        , reel_(x) {}
    Valeur(const QString& t)
        : genre_(Genre::Texte)
        , texte_(t) {}
    Valeur(const char* t)
        : Valeur(QString::fromUtf8(t)) {}
    Valeur(PtrObjet o)
        : genre_(o ? Genre::Objet : Genre::Vide)
        , objet_(std::move(o)) {}
    static Valeur tableauVide();

    Genre genre() const { return genre_; }
    bool estVide() const { return genre_ == Genre::Vide; }

    // Conversions; each throws Erreur when the value has no such reading.
    bool booleen() const;
    int entier() const;
    double reel() const;
    QString texte() const;
    PtrObjet objet() const;

    // An automation result compared with an integer, and the negation of a boolean result.
    bool egal(int i) const;
    bool non() const { return !booleen(); }

    // Short readable form, for the record of calls: 2, 1.5, "t(s)", true, [], objet.
    QString decrire() const;

private:
    Genre genre_ = Genre::Vide;
    long long entier_ = 0;
    double reel_ = 0;
    QString texte_;
    PtrObjet objet_;
};

using Arguments = std::vector<Valeur>;

// An automation object. Names are matched without regard to letter case.
class Objet {
public:
    virtual ~Objet() = default;
    // Calls a method or reads a property (with its index arguments, if any).
    virtual Valeur appeler(const QString& nom, const Arguments& arguments = {}) = 0;
    // Sets a property.
    virtual void affecter(const QString& nom, const Valeur& valeur) = 0;

    // obj["Frames"]["GetCount"] style shortcuts: a call whose result must be an object.
    PtrObjet objet(const QString& nom, const Arguments& arguments = {}) {
        return appeler(nom, arguments).objet();
    }
};

// Where automation objects come from.
class Fabrique {
public:
    virtual ~Fabrique() = default;
    // A new object of the program identifier.
    virtual PtrObjet creer(const QString& programme) = 0;
    // The running instance registered under the program identifier; throws when none runs.
    virtual PtrObjet actif(const QString& programme) = 0;
};

} // namespace automation
