#pragma once

#include <QCursor>
#include <QHash>

class QWidget;

// Cursors registered under their numeric identifiers. A widget given a cursor through
// the registry also carries the identifier in its property "idCurseur", so that the
// program and its tests can tell which shape is shown.
class RegistreCurseurs {
public:
    void enregistrer(int id, const QCursor& c) { curseurs_.insert(id, c); }
    QCursor curseur(int id) const { return curseurs_.value(id); }
    bool contient(int id) const { return curseurs_.contains(id); }

    void appliquer(QWidget* w, int id) const;
    static int idDe(const QWidget* w); // 0 when the widget has no registered cursor

private:
    QHash<int, QCursor> curseurs_;
};
