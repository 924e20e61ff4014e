#pragma once

#include "platform/CacheImages.h"
#include "platform/ConvertisseurImages.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct FFMS_Index;
struct FFMS_Track;
struct FFMS_VideoSource;
class PrechargeurImages;

// Frame-exact access to the images of one video file through FFMS2: the file is indexed
// once, then any image is decoded on demand, turned upright and converted to RGB32 by
// swscale (far cheaper than FFMS2's own conversion). Recent images are kept, and a worker
// thread decodes ahead the images the user is likely to ask next, so that stepping either
// way is instant.
class DecodeurFfms {
public:
    // Indexing progress (bytes read, total); return false to give up.
    using Progression = std::function<bool(int64_t courant, int64_t total)>;

    // Where the user is going: the images worth decoding ahead.
    enum class Sens { Avant, Arriere, Saut };

    // Throws ErreurMedia with the decoder's message when the file cannot be read, has no
    // video track, no image, or its first image cannot be decoded.
    explicit DecodeurFfms(const QString& chemin, const Progression& progression = {});
    ~DecodeurFfms();
    DecodeurFfms(const DecodeurFfms&) = delete;
    DecodeurFfms& operator=(const DecodeurFfms&) = delete;

    int nbImages() const { return nb; }
    // Upright size: a clip filmed with the camera turned is shown as it was seen.
    QSize taille() const { return dimensions; }
    int quartsDeTour() const { return quarts; } // clockwise quarter turns applied

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

    // Image n (0-based) in RGB32; a null image when the decoder fails on it. Decodes at most
    // image n itself on the calling thread, or waits for the worker when it is about to
    // give it.
    QImage image(int n);

    // Image n is to be shown, reached by moving `pas` images in that direction: has the
    // worker decode ahead what is not in the cache yet (after a jump or a step back, n
    // itself, so that one seek serves both).
    void prevoir(int n, int pas, Sens sens);

    // FFMS2's decoding of image n alone, without conversion or cache (for measurements).
    bool decoderBrut(int n);

    // Memory allowed to the converted images, those decoded ahead included.
    void setBudgetCache(int64_t octets);
    int64_t budgetCache() const { return cache.budget(); }
    int64_t occupationCache() const { return cache.occupe(); }
    bool enCache(int n) const { return cache.contient(n); }
    int decodeesParLeFil() const; // images the worker has decoded (for tests)
    int demandesAuFil() const;    // requests made to the worker (for tests)

private:
    QImage decoder(int n);
    void lireInstants(FFMS_Track* piste);

    FFMS_Index* index = nullptr;
    FFMS_VideoSource* source = nullptr;
    int nb = 0;
    int quarts = 0;
    QSize dimensions;
    QSize sortie;
    int fpsNum = 25, fpsDen = 1;
    QString codec;
    std::vector<long double> dates;
    int derniere = -1; // the image the interface's source decoded last
    std::unique_ptr<ConvertisseurImages> convertisseur;
    CacheImages cache{512LL << 20};
    std::unique_ptr<PrechargeurImages> prechargeur; // after the cache: stopped first
};
