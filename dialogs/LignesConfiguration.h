#pragma once

#include <QString>
#include <array>
#include <functional>

// The configuration lines a dialog reads and changes, the folder of their file, and how the
// window writes them back: what the dialogs of the configuration need of the window.
struct LignesConfiguration {
    std::array<QString, 10>* lignes = nullptr;
    const QString* dossierProgramme = nullptr;
    std::function<void()> enregistrer;
};
