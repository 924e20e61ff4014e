#include "platform/DecodeurFfms.h"

#include "platform/AviTronque.h"
#include "platform/PeripheriqueMedia.h"

#include <ffms.h>
extern "C" {
#include <libavutil/pixfmt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <mutex>

namespace {

// How many images before a missed target are kept when a step back forces a seek: the
// decoder runs from the key frame up to the target anyway, so keeping the last few costs
// only their conversion and makes the following steps back instant.
constexpr int fenetreArriere = 8;

struct Erreur {
    char texte[1024] = {};
    FFMS_ErrorInfo info{};
    Erreur() {
        info.Buffer = texte;
        info.BufferSize = sizeof texte;
    }
    // The user reads French: a sentence of ours by the kind of failure, then the
    // decoder's own words for whoever has to look further.
    QString message() const {
        return QStringLiteral("%1\n(%2)").arg(phrase(info.ErrorType), QString::fromUtf8(texte));
    }
    static QString phrase(int type) {
        switch (type) {
        case FFMS_ERROR_INDEX:
        case FFMS_ERROR_INDEXING:
        case FFMS_ERROR_PARSER:
        case FFMS_ERROR_TRACK:
            return QStringLiteral("Ce fichier n'est pas un clip vidéo lisible.");
        case FFMS_ERROR_CANCELLED:
            return QStringLiteral("L'ouverture du clip a été interrompue.");
        case FFMS_ERROR_DECODING:
        case FFMS_ERROR_CODEC:
            return QStringLiteral("Les images de ce clip ne peuvent pas être décodées.");
        default:
            return QStringLiteral("Le clip ne peut pas être ouvert.");
        }
    }
};

void initialiserFfms() {
    static std::once_flag fait;
    std::call_once(fait, [] { FFMS_Init(0, 0); });
}

int FFMS_CC rappelProgression(int64_t courant, int64_t total, void* prive) {
    const auto* p = static_cast<const DecodeurFfms::Progression*>(prive);
    return (*p)(courant, total) ? 0 : 1;
}

} // namespace

DecodeurFfms::DecodeurFfms(const QString& chemin, const Progression& progression) {
    initialiserFfms();
    const QByteArray nom = chemin.toUtf8();
    Erreur e;
    FFMS_Indexer* indexeur = FFMS_CreateIndexer(nom.constData(), &e.info);
    if (!indexeur) throw ErreurMedia(e.message().toStdString());
    for (int t = 0; t < FFMS_GetNumTracksI(indexeur); ++t)
        if (FFMS_GetTrackTypeI(indexeur, t) == FFMS_TYPE_VIDEO) {
            const char* nomCodec = FFMS_GetCodecNameI(indexeur, t);
            codec = nomCodec != nullptr ? QString::fromUtf8(nomCodec) : QString();
            break;
        }
    if (progression)
        FFMS_SetProgressCallback(indexeur, rappelProgression,
                                 const_cast<Progression*>(&progression));
    index = FFMS_DoIndexing2(indexeur, FFMS_IEH_ABORT, &e.info); // frees the indexer
    if (!index) throw ErreurMedia(e.message().toStdString());

    auto echec = [this](const QString& message) {
        if (source) FFMS_DestroyVideoSource(source);
        FFMS_DestroyIndex(index);
        if (sws) sws_freeContext(sws);
        source = nullptr;
        index = nullptr;
        sws = nullptr;
        return ErreurMedia(message.toStdString());
    };
    const int piste = FFMS_GetFirstTrackOfType(index, FFMS_TYPE_VIDEO, &e.info);
    if (piste < 0) throw echec(e.message());
    // One decoding thread: each step wants one image as soon as possible, and frame
    // threading only adds latency to that.
    source = FFMS_CreateVideoSource(nom.constData(), piste, index, 1, FFMS_SEEK_NORMAL, &e.info);
    if (!source) throw echec(e.message());
    const FFMS_VideoProperties* p = FFMS_GetVideoProperties(source);
    nb = p->NumFrames;
    if (p->FPSNumerator > 0 && p->FPSDenominator > 0) {
        fpsNum = p->FPSNumerator;
        fpsDen = p->FPSDenominator;
    }
    // The last image of a cut AVI has only part of its data: a broken picture, or the last
    // whole one again.
    nb -= imagesCoupeesAvi(chemin, piste);
    if (nb <= 0) throw echec(QStringLiteral("Ce clip ne contient aucune image."));
    const FFMS_Frame* premiere = FFMS_GetFrame(source, 0, &e.info);
    if (!premiere) throw echec(e.message());
    dimensions = QSize(premiere->EncodedWidth, premiere->EncodedHeight);
    sortie = dimensions;
    FFMS_Track* piste0 = FFMS_GetTrackFromVideo(source); // lives as long as the source
    toutesCles = true;
    for (int i = 0; i < nb && toutesCles; ++i) {
        const FFMS_FrameInfo* info = FFMS_GetFrameInfo(piste0, i);
        toutesCles = info && info->KeyFrame;
    }
    lireInstants(piste0);
    dernierDecode = 0;
    const QImage image0 = convertir(premiere);
    if (image0.isNull())
        throw echec(QStringLiteral("Le format des images de ce clip n'est pas reconnu."));
    mettreEnCache(0, image0);
}

void DecodeurFfms::lireInstants(FFMS_Track* piste) {
    // Time stamps are in milliseconds × Num ÷ Den.
    const FFMS_TrackTimeBase* base = FFMS_GetTimeBase(piste);
    dates.assign(size_t(nb), 0.0L);
    if (!base || base->Den == 0) return;
    const FFMS_FrameInfo* premiere = FFMS_GetFrameInfo(piste, 0);
    const int64_t origine = premiere ? premiere->PTS : 0;
    for (int i = 0; i < nb; ++i)
        if (const FFMS_FrameInfo* info = FFMS_GetFrameInfo(piste, i))
            dates[size_t(i)] = (long double)(info->PTS - origine) * base->Num / base->Den / 1000;
}

DecodeurFfms::~DecodeurFfms() {
    // The track and the frames belong to the video source: destroy it first.
    if (source) FFMS_DestroyVideoSource(source);
    if (index) FFMS_DestroyIndex(index);
    if (sws) sws_freeContext(sws);
}

QImage DecodeurFfms::convertir(const void* t) {
    const auto* trame = static_cast<const FFMS_Frame*>(t);
    const int l = trame->EncodedWidth, h = trame->EncodedHeight;
    const int ls = sortie.width(), hs = sortie.height();
    const auto format = static_cast<AVPixelFormat>(trame->EncodedPixelFormat);
    // Enlarged, each pixel of the clip becomes a block of whole pixels: the user points at
    // the clip's own pixels, and this is also the quickest scaling. Reduced, the average
    // of the pixels covered keeps fine lines visible.
    const int methode = ls == l && hs == h ? SWS_BILINEAR
                        : ls >= l && hs >= h ? SWS_POINT
                                             : SWS_AREA;
    sws = sws_getCachedContext(sws, l, h, format, ls, hs, AV_PIX_FMT_RGB32, methode, nullptr,
                               nullptr, nullptr);
    if (!sws) return {};
    // Colour matrix and range of the source as the decoder reports them.
    int espace = SWS_CS_DEFAULT;
    switch (trame->ColorSpace) {
    case AVCOL_SPC_BT709:
        espace = SWS_CS_ITU709;
        break;
    case AVCOL_SPC_FCC:
        espace = SWS_CS_FCC;
        break;
    case AVCOL_SPC_SMPTE240M:
        espace = SWS_CS_SMPTE240M;
        break;
    case AVCOL_SPC_BT2020_NCL:
    case AVCOL_SPC_BT2020_CL:
        espace = SWS_CS_BT2020;
        break;
    default:
        break;
    }
    const int plein = trame->ColorRange == AVCOL_RANGE_JPEG ? 1 : 0;
    sws_setColorspaceDetails(sws, sws_getCoefficients(espace), plein,
                             sws_getCoefficients(SWS_CS_DEFAULT), 1, 0, 1 << 16, 1 << 16);
    QImage image(ls, hs, QImage::Format_RGB32);
    uint8_t* dest[4] = {image.bits(), nullptr, nullptr, nullptr};
    const int pas[4] = {int(image.bytesPerLine()), 0, 0, 0};
    sws_scale(sws, trame->Data, trame->Linesize, 0, h, dest, pas);
    return image;
}

const QImage* DecodeurFfms::enCache(int n) {
    for (auto it = cache.begin(); it != cache.end(); ++it)
        if (it->n == n) {
            cache.splice(cache.begin(), cache, it);
            return &cache.front().image;
        }
    return nullptr;
}

void DecodeurFfms::mettreEnCache(int n, const QImage& image) {
    if (image.isNull() || enCache(n)) return;
    cache.push_front({n, image});
    occupe += image.sizeInBytes();
    while (cache.size() > 1 && occupe > budget) {
        occupe -= cache.back().image.sizeInBytes();
        cache.pop_back();
    }
}

QImage DecodeurFfms::decoder(int n) {
    Erreur e;
    const FFMS_Frame* trame = FFMS_GetFrame(source, n, &e.info);
    dernierDecode = n;
    return trame ? convertir(trame) : QImage();
}

QImage DecodeurFfms::image(int n) {
    if (n < 0 || n >= nb) return {};
    if (const QImage* i = enCache(n)) return *i;
    if (n <= dernierDecode && !toutesCles) {
        // Going back means a seek: decode a few images up to n and keep them all, as long
        // as they fit in half the cache.
        const int64_t parImage = int64_t(sortie.width()) * sortie.height() * 4;
        const int fenetre = int(
            std::clamp<int64_t>(budget / 2 / std::max<int64_t>(parImage, 1), 1, fenetreArriere));
        for (int k = std::max(0, n - fenetre + 1); k < n; ++k)
            if (!enCache(k)) mettreEnCache(k, decoder(k));
    }
    const QImage image = decoder(n);
    mettreEnCache(n, image);
    return image;
}

void DecodeurFfms::setTailleSortie(QSize taille) {
    taille = taille.expandedTo(QSize(1, 1));
    if (taille == sortie) return;
    sortie = taille;
    viderCache(); // images of the former size
}

void DecodeurFfms::viderCache() {
    cache.clear();
    occupe = 0;
}

bool DecodeurFfms::decoderBrut(int n) {
    Erreur e;
    dernierDecode = n;
    return FFMS_GetFrame(source, n, &e.info) != nullptr;
}

void DecodeurFfms::setBudgetCache(int64_t octets) {
    budget = std::max<int64_t>(octets, 0);
    while (cache.size() > 1 && occupe > budget) {
        occupe -= cache.back().image.sizeInBytes();
        cache.pop_back();
    }
}
