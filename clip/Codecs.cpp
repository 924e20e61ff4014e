#include "clip/Codecs.h"

const std::array<EntreeCodec, 19> tableCodecs{{
    {"cvid", "Cinepak Codec by Radius"},
    {"iv32", "Intel Indeo Video R3.2"},
    {"msvc", "Microsoft Video 1"},
    {"cram", "Microsoft Video 1"},
    {"mrle", "Microsoft RLE"},
    {"dib ", "Microsoft Bitmap, non compressé"},
    {"yvu9", "Intel Indeo Video Raw R1.1"},
    {"iv50", "Intel Video 5.04"},
    {"vdom", "VDOnet VDOWave"},
    {"mpv4", "MS MPEG-4 Video Codec V1"},
    {"mp42", "MS MPEG-4 Video Codec V2"},
    {"i263", "Intel I.263 Video Driver 2.55.012"},
    {"iv41", "Intel Indeo Video Interactive"},
    {"div3", "DivX Mpeg4"},
    {"div4", "DivX Mpeg4"},
    {"div5", "DivX 5"},
    {"divx", "DivX Codec"},
    {"dvsd", "Sony Digital Video"},
    {"", "Non compressé"}, // a zero fccHandler
}};

QString nomCodec(const QString& code) {
    const QString cherche = code.toLower();
    for (const EntreeCodec& e : tableCodecs)
        if (cherche == QLatin1String(e.code)) return QString::fromUtf8(e.nom);
    return QStringLiteral("inconnu");
}
