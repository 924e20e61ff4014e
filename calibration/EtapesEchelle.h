#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <optional>

// The four-step guide shown while the scale is set: which label reads what, in which
// colour, for each step code (0 reset, 10 p1, 20 p2, 30 distance, 40/41 colour dialog).
namespace etapes {

inline const QColor couleurRepos{192, 192, 192};
inline const QColor couleurAutre{255, 255, 144};
inline const QColor couleurCourante{255, 255, 0};

struct Etiquette {
    QString texte;
    QColor couleur;
};

struct Affichage {
    bool visible = false;                               // the guide and its "order" label
    std::array<std::optional<Etiquette>, 4> etiquettes; // empty = label left unchanged
};

Affichage etapesEchelle(int code);

inline const QString texteOrdre = QStringLiteral("L'ordre des étapes 1 à 4 est indifférent");

} // namespace etapes
