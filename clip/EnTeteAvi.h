#pragma once

#include <QString>
#include <cstdint>
#include <stdexcept>

class QIODevice;

// Reading the properties of a clip straight from its AVI header, without opening it as a
// video. Values sit at the offsets of the usual layout (main header at 32, first stream
// header at 108). When the file is a RIFF AVI whose chunks are laid out otherwise (a first
// stream that is not the video, a chunk inserted before the headers), the headers are found
// by walking the chunks; an OpenDML file gives its total image count in its 'dmlh' chunk,
// since the main header counts only the images of its first gigabyte.
namespace avi {

// A read past the end of the file (or a read that fails). Shown to the user in an error box.
class ErreurEntreeSortie : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Four bytes at an absolute offset, as a signed little-endian integer.
int32_t lireEntier32(QIODevice& fichier, int64_t position);

int32_t nbImagesAvi(QIODevice& fichier);
struct Dimensions {
    int32_t largeur = 0;
    int32_t hauteur = 0;
};
Dimensions dimensionsAvi(QIODevice& fichier);
QString fourccAvi(QIODevice& fichier);       // the four bytes as text, cut at the first zero byte
int32_t echelleTempsAvi(QIODevice& fichier); // dwScale
int32_t cadenceAvi(QIODevice& fichier);      // dwRate

// The code of the clip at this path, empty when its header cannot be read.
QString fourccFichier(const QString& chemin);

// True for a RIFF file of form "AVI " (other containers may be named .avi too).
bool estAvi(QIODevice& fichier);
bool estAvi(const QString& chemin);

// Where the headers lie in a file; exposed for the tests.
struct Disposition {
    int64_t enTetePrincipal = 32; // data of 'avih'
    int64_t enTeteFlux = 108;     // data of the video stream's 'strh'
    int64_t totalOpenDml = -1;    // data of 'dmlh', -1 when there is none
};
Disposition disposition(QIODevice& fichier);

} // namespace avi
