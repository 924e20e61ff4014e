#include "platform/SautsExacts.h"

#include "platform/ConvertisseurImages.h"

#include <cstring>
#include <ffms.h>

namespace {

// FFMS2 decodes on in a row up to this far ahead instead of seeking.
constexpr int sansSaut = 16;

QImage vignette(ConvertisseurImages& c, const FFMS_Frame* trame) {
    return trame ? c.convertir(trame, QSize(64, 64)) : QImage();
}

} // namespace

bool groupesOuvertsPossibles(const char* nomCodec) {
    if (!nomCodec) return false;
    for (const char* c : {"hevc", "mpeg2video", "mpeg1video", "vc1", "wmv3"})
        if (std::strcmp(nomCodec, c) == 0) return true;
    return false;
}

bool sautsExacts(const char* chemin, int piste, FFMS_Index* index) {
    char texte[512];
    FFMS_ErrorInfo e{FFMS_ERROR_SUCCESS, FFMS_ERROR_SUCCESS, sizeof texte, texte};
    FFMS_Track* t = FFMS_GetTrackFromIndex(index, piste);
    const int nb = t ? FFMS_GetNumFrames(t) : 0;
    int cle = -1;
    for (int i = sansSaut + 1; i < nb && cle < 0; ++i)
        if (const FFMS_FrameInfo* info = FFMS_GetFrameInfo(t, i); info && info->KeyFrame) cle = i;
    if (cle < 0) return true; // never a seek but to the start
    FFMS_VideoSource* s = FFMS_CreateVideoSource(chemin, piste, index, 1, FFMS_SEEK_NORMAL, &e);
    if (!s) return true; // the clip's own opening reports it
    ConvertisseurImages c;
    const QImage parSaut = vignette(c, FFMS_GetFrame(s, cle, &e));
    QImage enSuite;
    for (int i = 0; i <= cle; ++i) {
        const FFMS_Frame* trame = FFMS_GetFrame(s, i, &e);
        if (i == cle) enSuite = vignette(c, trame);
    }
    FFMS_DestroyVideoSource(s);
    return parSaut == enSuite;
}
