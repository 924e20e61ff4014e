#include "app/TraductionQt.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Widget tests need no display; CMake sets this too, but a test run by hand should work.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The windows under test speak French down to Qt's own buttons, as the program does.
    chargerTraductionQt(app);
    // The program writes its configuration file into the folder it starts in: run the tests
    // in a folder of their own so that nothing lands in the source or build tree.
    QTemporaryDir dossier;
    if (dossier.isValid()) QDir::setCurrent(dossier.path());
    // Nor in the user's settings and data: recent sessions, recovery files.
    QStandardPaths::setTestModeEnabled(true);
    if (dossier.isValid())
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           dossier.filePath("reglages"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
