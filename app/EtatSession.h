#pragma once

#include <QString>
#include <array>

// What the program starts with: its folder and the lines of its configuration file. Owned
// by the main window, which hands the lines to the rooms that read or write them.
struct EtatSession {
    QString dossierProgramme;         // start-up folder, no trailing separator
    std::array<QString, 10> config{}; // lines of kpconfig.txt, config[i] = line i + 1
};
