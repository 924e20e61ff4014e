#pragma once

#include "app/TForm1.h"

#include <memory>

// The start-up sequence: application settings, the main window, then the dialogs.
// The program entry and the tests both start the program through here.
std::unique_ptr<TForm1> demarrer();
