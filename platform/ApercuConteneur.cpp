#include "platform/ApercuConteneur.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/display.h>
}

#include <cmath>
#include <memory>

int quartsDeTour(const int32_t* matrice) {
    if (!matrice) return 0;
    // The matrix turns counter-clockwise by this angle; showing upright turns the other way.
    const double angle = av_display_rotation_get(matrice);
    if (std::isnan(angle)) return 0;
    const long quarts = std::lround(-angle / 90.0);
    return int(((quarts % 4) + 4) % 4);
}

std::optional<ProprietesConteneur> lireConteneur(const QString& chemin) {
    AVFormatContext* brut = nullptr;
    const QByteArray nom = chemin.toUtf8();
    if (avformat_open_input(&brut, nom.constData(), nullptr, nullptr) < 0) return std::nullopt;
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> contexte(
        brut, [](AVFormatContext* c) { avformat_close_input(&c); });
    if (avformat_find_stream_info(contexte.get(), nullptr) < 0) return std::nullopt;
    const int n = av_find_best_stream(contexte.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (n < 0) return std::nullopt;
    const AVStream* flux = contexte->streams[n];
    AVRational cadence = flux->avg_frame_rate;
    if (cadence.num <= 0 || cadence.den <= 0) cadence = flux->r_frame_rate;
    if (cadence.num <= 0 || cadence.den <= 0) return std::nullopt;

    ProprietesConteneur p;
    p.periode = (long double)cadence.den / cadence.num;
    p.nbImages = flux->nb_frames;
    if (p.nbImages <= 0) {
        // Streams without a count (transport streams, some Matroska files): from the length.
        const long double duree =
            flux->duration != AV_NOPTS_VALUE
                ? (long double)flux->duration * flux->time_base.num / flux->time_base.den
                : (contexte->duration != AV_NOPTS_VALUE
                       ? (long double)contexte->duration / AV_TIME_BASE
                       : 0.0L);
        p.nbImages = std::llround(double(duree / p.periode));
    }
    // The name the media device gives once the clip is open.
    if (const AVCodec* decodeur = avcodec_find_decoder(flux->codecpar->codec_id))
        p.codec = QString::fromUtf8(decodeur->name);
    p.largeur = flux->codecpar->width;
    p.hauteur = flux->codecpar->height;
    const auto* matrice = reinterpret_cast<const int32_t*>(
        av_stream_get_side_data(flux, AV_PKT_DATA_DISPLAYMATRIX, nullptr));
    if (quartsDeTour(matrice) % 2 == 1) std::swap(p.largeur, p.hauteur);
    if (p.nbImages <= 0 || p.largeur <= 0 || p.hauteur <= 0) return std::nullopt;
    for (const AVDictionary* d : {static_cast<const AVDictionary*>(contexte->metadata),
                                  static_cast<const AVDictionary*>(flux->metadata)}) {
        const AVDictionaryEntry* e = av_dict_get(d, "com.android.capture.fps", nullptr, 0);
        if (e == nullptr || e->value == nullptr) continue;
        bool ok = false;
        const double v = QString::fromUtf8(e->value).trimmed().toDouble(&ok);
        if (ok && std::isfinite(v) && v > 0) p.cadencePriseDeVue = v;
        break;
    }
    return p;
}
