#pragma once

#include "platform/Automation.h"

#include <QString>
#include <functional>

// LibreOffice driven through UNO from a named pipe: the service manager of an office that
// accepts connections on the pipe, started when none answers yet. Its objects are reached
// by name, as OLE automation reaches them on Windows: the office's Invocation service answers
// each name, and a name once answered is then called through the office's core reflection.
namespace officeUno {

struct Options {
    QString programme;      // the office's start program; empty: found on this system
    QString tube;           // the pipe's name; empty: one per user of this machine
    QString profil;         // profile folder; empty: the user's own profile
    bool invisible = false; // without any window (the tests' office)
    int delaiMs = 60000;    // how long a starting office may take to answer
    // Called while a starting office is awaited, with the time spent so far; returns false
    // when the user gives up. Empty: wait without asking.
    std::function<bool(int ecouleMs)> attendre;
};

// True when this build can reach LibreOffice.
bool pris();

// The office's start program, empty when there is none on this system.
QString programme(const Options& o = {});

// The pipe used when none is named.
QString tubeParDefaut();

// Waits for the office started on this profile to end (its launcher and soffice.bin, known
// by the profile on their command line): LibreOffice 7.4 now and then stays stuck in its own
// shutdown, and is then stopped after `attenteMs`, so that the profile can be removed.
void attendreFin(const QString& profil, int attenteMs = 10000);

// Service manager of the office on the pipe; throws automation::Erreur when none answers.
automation::PtrObjet connecter(const Options& o);

// The same, starting the office (and waiting for it) when none answers yet.
automation::PtrObjet creer(const Options& o);

} // namespace officeUno
