#pragma once

#include "platform/Automation.h"
#include "platform/OfficeUno.h"

#include <QString>
#include <QTemporaryDir>

// A LibreOffice without windows for a test suite: started once on a profile and a pipe of its
// own, ended by desktop.terminate() when the suite is done.
class OfficeEssai {
public:
    OfficeEssai();
    ~OfficeEssai();

    // A LibreOffice to start, and a build that can speak to it.
    static bool present() { return officeUno::pris() && !officeUno::programme().isEmpty(); }

    officeUno::Options options;
    automation::PtrObjet bureau; // the desktop; empty when the office did not answer
    QString erreur;              // why it did not

    void fermerDocuments();
    int fenetres() const;
    automation::PtrObjet feuilleActive() const;

private:
    QTemporaryDir profil_;
};
