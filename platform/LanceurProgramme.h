#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QObject;

// Starts an outside program on its own, without waiting for it or watching it.
class LanceurProgramme {
public:
    // Starts `programme` (a full path) with these arguments in the folder `dossier`. A
    // Windows program (".exe" that is not an executable of this system) is handed to
    // `wine`, found on the PATH, in the same folder with the same arguments. False when
    // nothing could be started.
    bool lancer(const QString& programme, const QStringList& arguments,
                const QString& dossier) const;

    // An executable file this system runs itself: an ELF binary or a script with "#!".
    static bool estNatif(const QString& programme);

    // Hands a document to the desktop's application for its kind (xdg-open, found on the
    // PATH). When none takes it, `echec` is called later from the event loop, unless
    // `contexte` is gone by then.
    static void ouvrirDocument(const QString& chemin, QObject* contexte,
                               const std::function<void()>& echec);
};
