#include "platform/DecodeurFfms.h"

#include "platform/AviTronque.h"
#include "platform/PeripheriqueMedia.h"
#include "platform/PrechargeurImages.h"
#include "platform/SautsExacts.h"

#include <ffms.h>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

// Images decoded ahead: at most this many, and at most half the cache.
constexpr int fenetreMax = 64;

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
        source = nullptr;
        index = nullptr;
        return ErreurMedia(message.toStdString());
    };
    const int piste = FFMS_GetFirstTrackOfType(index, FFMS_TYPE_VIDEO, &e.info);
    if (piste < 0) throw echec(e.message());
    // Where a seek would land a few images off, images are decoded in a row from the start:
    // slower going back, but always the image asked for.
    const int modeSaut = groupesOuvertsPossibles(codec.toUtf8().constData()) &&
                                 !sautsExacts(nom.constData(), piste, index)
                             ? FFMS_SEEK_LINEAR
                             : FFMS_SEEK_NORMAL;
    // One decoding thread: each step wants one image as soon as possible, and frame
    // threading only adds latency to that.
    source = FFMS_CreateVideoSource(nom.constData(), piste, index, 1, modeSaut, &e.info);
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
    // The turn stored with the clip (a phone held upright), to the nearest quarter.
    quarts = int((((std::lround(p->Rotation / 90.0)) % 4) + 4) % 4);
    convertisseur = std::make_unique<ConvertisseurImages>(quarts);
    dimensions = convertisseur->droite(QSize(premiere->EncodedWidth, premiere->EncodedHeight));
    sortie = dimensions;
    cache.setTaille(sortie);
    FFMS_Track* piste0 = FFMS_GetTrackFromVideo(source); // lives as long as the source
    lireInstants(piste0);
    const QImage image0 = convertisseur->convertir(premiere, sortie);
    if (image0.isNull())
        throw echec(QStringLiteral("Le format des images de ce clip n'est pas reconnu."));
    cache.mettre(0, image0);
    derniere = 0;
    prechargeur = std::make_unique<PrechargeurImages>(nom, piste, index, modeSaut, quarts, cache);
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
    prechargeur.reset(); // its source reads the index
    // The track and the frames belong to the video source: destroy it first.
    if (source) FFMS_DestroyVideoSource(source);
    if (index) FFMS_DestroyIndex(index);
}

QImage DecodeurFfms::decoder(int n) {
    Erreur e;
    const FFMS_Frame* trame = FFMS_GetFrame(source, n, &e.info);
    derniere = trame ? n : -1;
    return trame ? convertisseur->convertir(trame, sortie) : QImage();
}

QImage DecodeurFfms::image(int n) {
    if (n < 0 || n >= nb) return {};
    QImage image = cache.prendre(n);
    if (!image.isNull()) return image;
    image = prechargeur->attendre(n);
    if (!image.isNull()) return image;
    // Not on the worker's way: this thread decodes n alone. (A worker gone elsewhere was
    // sent on by the move that led here.)
    image = decoder(n);
    cache.mettre(n, image);
    return image;
}

void DecodeurFfms::prevoir(int n, int pas, Sens sens) {
    if (n < 0 || n >= nb) return;
    pas = std::max(pas, 1);
    const int64_t parImage = std::max<int64_t>(int64_t(sortie.width()) * sortie.height() * 4, 1);
    const int fenetre = int(std::clamp<int64_t>(cache.budget() / 2 / parImage, 2, fenetreMax));
    // Forward, the images follow the one shown and decode in a row: half the window is
    // enough, and this thread, just past n's predecessor, decodes n itself. Backward, each
    // refill starts with a seek to a key frame: the whole window, n included, given from n
    // back, a group of pictures at a time from n's own, so that the images nearest n wait
    // for no seek further back than theirs. After a jump the user waits for n: only the images that
    // the worker can keep as decoded until n is given (a quarter of the budget, 16 at most), so
    // that n comes as soon as a decode of n alone would.
    const bool avant = sens == Sens::Avant;
    // The interface's own source still holds the image it decoded last: it gives it again
    // for no more than its conversion, where the worker would seek for it (at opening, the
    // first image again at the size the clip is shown).
    const bool surPlace = n == derniere;
    const int64_t brute =
        std::max<int64_t>(int64_t(dimensions.width()) * dimensions.height() * 2, 1);
    const int etendue = avant ? std::max(fenetre / 2, 2)
                        : sens == Sens::Saut
                            ? int(std::clamp<int64_t>(cache.budget() / 4 / brute, 1, 16))
                            : fenetre;
    const int sensPas = avant ? pas : -pas;
    auto voisine = [&](int k) { return n + k * sensPas; };
    // Nothing to do while n and the first half of what lies ahead are there already.
    bool pret = avant || surPlace || cache.contient(n);
    for (int k = 1; k <= etendue / 2 && pret; ++k) {
        const int v = voisine(k);
        if (v >= 0 && v < nb) pret = cache.contient(v);
    }
    if (pret) return;
    std::vector<int> images;
    for (int k = avant || surPlace ? 1 : 0; k <= etendue; ++k) {
        const int v = voisine(k);
        if (v < 0 || v >= nb) break;
        if (!cache.contient(v)) images.push_back(v);
    }
    if (images.empty()) return;
    using Ordre = PrechargeurImages::Ordre;
    prechargeur->demander(std::move(images), !avant,
                          avant                   ? Ordre::EnSuite
                          : sens == Sens::Arriere ? Ordre::GroupeParGroupe
                                                  : Ordre::DernieresDAbord);
}

void DecodeurFfms::setTailleSortie(QSize taille) {
    taille = taille.expandedTo(QSize(1, 1));
    if (taille == sortie) return;
    sortie = taille;
    prechargeur->annuler();
    cache.setTaille(sortie); // empties it: images of the former size
}

int DecodeurFfms::decodeesParLeFil() const {
    return prechargeur->decodees();
}

int DecodeurFfms::demandesAuFil() const {
    return prechargeur->demandes();
}

bool DecodeurFfms::decoderBrut(int n) {
    Erreur e;
    const bool decodee = FFMS_GetFrame(source, n, &e.info) != nullptr;
    derniere = decodee ? n : -1;
    return decodee;
}

void DecodeurFfms::setBudgetCache(int64_t octets) {
    cache.setBudget(octets);
}
