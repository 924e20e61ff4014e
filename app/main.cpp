#include "app/Arguments.h"
#include "app/Demarrage.h"
#include "app/Recuperation.h"
#include "app/TraductionQt.h"
#include "app/VerificationTableur.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

#ifdef KINOPIX_UNO
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <unistd.h>
#endif

namespace {

#ifdef KINOPIX_UNO
// The UNO runtime loads its bridges from the folder it was loaded from. The installed program
// finds it through the system's library folders, where Debian keeps only links into the
// office's folder: it then starts once more with the office's folder searched first, and
// hands its children the library path it was given.
void chargerUnoDuBureau(char* argv[]) {
    const char* const marque = "KINOPIX_LD_LIBRARY_PATH";
    const auto restaurer = [marque] {
        const char* avant = std::getenv(marque);
        if (avant && *avant == '=')
            setenv("LD_LIBRARY_PATH", avant + 1, 1);
        else
            unsetenv("LD_LIBRARY_PATH");
        unsetenv(marque);
    };
    if (std::getenv(marque)) {
        restaurer();
        return;
    }
    Dl_info info{};
    void* fonction = dlsym(RTLD_DEFAULT, "uno_getMapping");
    if (!fonction || !dladdr(fonction, &info) || !info.dli_fname) return;
    const std::string bureau = LIBREOFFICE_PROGRAMME;
    if (std::string(info.dli_fname).starts_with(bureau + "/")) return;
    const char* chemin = std::getenv("LD_LIBRARY_PATH");
    setenv(marque, chemin ? ("=" + std::string(chemin)).c_str() : "-", 1);
    setenv("LD_LIBRARY_PATH", chemin && *chemin ? (bureau + ":" + chemin).c_str() : bureau.c_str(),
           1);
    execv("/proc/self/exe", argv);
    restaurer(); // not started again: everything but the spreadsheet bridge works
}
#endif

const char* const aide =
    "Utilisation : kinopix [FICHIER]\n"
    "Mesure du mouvement d'un objet filmé, image par image.\n"
    "\n"
    "FICHIER est un clip vidéo ou une séance de mesures (.kinopix), ouvert au\n"
    "démarrage. Kinopix garde ses réglages (kpconfig.txt) dans le dossier où\n"
    "il démarre ; depuis le menu, kinopix-lanceur le démarre dans ~/Kinopix.\n"
    "\n"
    "Options :\n"
    "  -h, --help          affiche cette aide et quitte\n"
    "  --version           affiche la version et quitte\n"
    "  --verifier-tableur  vérifie que le pont vers LibreOffice Calc démarre, puis quitte\n";

// --help and --version answer on the terminal before Qt looks for a display, so that they
// work on a machine without one (a package check, a remote shell).
bool repondreTerminal(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (std::strcmp(a, "--version") == 0) {
            std::fputs("Kinopix " KINOPIX_VERSION "\n", stdout);
            return true;
        }
        if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            std::fputs(aide, stdout);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
#ifdef KINOPIX_UNO
    chargerUnoDuBureau(argv);
#endif
    if (repondreTerminal(argc, argv)) return 0;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--verifier-tableur") == 0) {
            QCoreApplication sansFenetre(argc, argv);
            return verifierTableur();
        }
    QApplication app(argc, argv);
    chargerTraductionQt(app);
    auto fenetre = demarrer();
    fenetre->showMaximized();
    // Once the window is laid out, so that a large clip is fitted to it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    offrirRecuperation(*fenetre);
    ouvrirArguments(*fenetre, QCoreApplication::arguments());
    return app.exec();
}
