#pragma once

#include <QStringList>

class TForm1;

// The file named when the program starts (by the file manager or a command line): a session
// (.kinopix) or a clip. A relative path is taken from the folder the program started in.
// Only the first file counts; options (starting with "-") are left to others.
void ouvrirArguments(TForm1& f, const QStringList& arguments);
