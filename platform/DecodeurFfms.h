#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <list>
#include <vector>

struct FFMS_Index;
struct FFMS_Track;
struct FFMS_VideoSource;
struct SwsContext;

// Frame-exact access to the images of one video file through FFMS2: the file is indexed
// once, then any image is decoded on demand and converted to RGB32 by swscale (far cheaper
// than FFMS2's own conversion). Recent images are kept so that stepping back is instant.
class DecodeurFfms {
public:
    // Indexing progress (bytes read, total); return false to give up.
    using Progression = std::function<bool(int64_t courant, int64_t total)>;

    // Throws ErreurMedia with the decoder's message when the file cannot be read, has no
    // video track, no image, or its first image cannot be decoded.
    explicit DecodeurFfms(const QString& chemin, const Progression& progression = {});
    ~DecodeurFfms();
    DecodeurFfms(const DecodeurFfms&) = delete;
    DecodeurFfms& operator=(const DecodeurFfms&) = delete;

    int nbImages() const { return nb; }
    QSize taille() const { return dimensions; }

    // Size of the images given by image(): the clip's own size until set. The converter
    // scales them, so that a clip shown larger or smaller is painted without stretching.
    void setTailleSortie(QSize taille);
    QSize tailleSortie() const { return sortie; }
    int cadenceNum() const { return fpsNum; } // images per second = num / den
    int cadenceDen() const { return fpsDen; }
    QString nomCodec() const { return codec; } // the decoder's name for it ("h264"...)
    // Presentation time of each image, in seconds from the first one, as the container
    // stamps it (uneven for a clip filmed at a varying rate).
    const std::vector<long double>& instants() const { return dates; }

    // Image n (0-based) in RGB32; a null image when the decoder fails on it.
    QImage image(int n);

    // FFMS2's decoding of image n alone, without conversion or cache (for measurements).
    bool decoderBrut(int n);

    // Memory allowed to the cache of converted images.
    void setBudgetCache(int64_t octets);
    int64_t budgetCache() const { return budget; }

private:
    QImage convertir(const void* trame);
    const QImage* enCache(int n);
    void mettreEnCache(int n, const QImage& image);
    QImage decoder(int n);
    void lireInstants(FFMS_Track* piste);

    FFMS_Index* index = nullptr;
    FFMS_VideoSource* source = nullptr;
    SwsContext* sws = nullptr;
    int nb = 0;
    QSize dimensions;
    QSize sortie;
    int fpsNum = 25, fpsDen = 1;
    QString codec;
    std::vector<long double> dates;
    bool toutesCles = false; // every image a key frame: a seek costs one decode
    int dernierDecode = -1;  // last image asked of FFMS2: the next one is a cheap decode

    struct Entree {
        int n;
        QImage image;
    };
    std::list<Entree> cache; // most recent first
    void viderCache();
    int64_t occupe = 0;
    int64_t budget = 160LL << 20;
};
