#include "platform/ConvertisseurImages.h"

#include <QTransform>
#include <ffms.h>
extern "C" {
#include <libavutil/pixfmt.h>
#include <libswscale/swscale.h>
}

ConvertisseurImages::~ConvertisseurImages() {
    if (sws_) sws_freeContext(sws_);
}

namespace {

int espaceCouleurs(int espace) {
    switch (espace) {
    case AVCOL_SPC_BT709:
        return SWS_CS_ITU709;
    case AVCOL_SPC_FCC:
        return SWS_CS_FCC;
    case AVCOL_SPC_SMPTE240M:
        return SWS_CS_SMPTE240M;
    case AVCOL_SPC_BT2020_NCL:
    case AVCOL_SPC_BT2020_CL:
        return SWS_CS_BT2020;
    default:
        return SWS_CS_DEFAULT;
    }
}

} // namespace

QImage ConvertisseurImages::convertir(const void* t, QSize taille) {
    const auto* trame = static_cast<const FFMS_Frame*>(t);
    const int l = trame->EncodedWidth, h = trame->EncodedHeight;
    // Scaled before being turned: the turn then moves only the pixels shown.
    const QSize stockee = quarts_ % 2 ? taille.transposed() : taille;
    const int ls = stockee.width(), hs = stockee.height();
    const auto format = static_cast<AVPixelFormat>(trame->EncodedPixelFormat);
    // Enlarged, each pixel of the clip becomes a block of whole pixels: the user points at
    // the clip's own pixels, and this is also the quickest scaling. Reduced, the average
    // of the pixels covered keeps fine lines visible.
    const int methode = ls == l && hs == h ? SWS_BILINEAR
                        : ls >= l && hs >= h ? SWS_POINT
                                             : SWS_AREA;
    sws_ = sws_getCachedContext(sws_, l, h, format, ls, hs, AV_PIX_FMT_RGB32, methode, nullptr,
                                nullptr, nullptr);
    if (!sws_) return {};
    // Colour matrix and range of the source as the decoder reports them.
    const int plein = trame->ColorRange == AVCOL_RANGE_JPEG ? 1 : 0;
    sws_setColorspaceDetails(sws_, sws_getCoefficients(espaceCouleurs(trame->ColorSpace)), plein,
                             sws_getCoefficients(SWS_CS_DEFAULT), 1, 0, 1 << 16, 1 << 16);
    QImage image(ls, hs, QImage::Format_RGB32);
    uint8_t* dest[4] = {image.bits(), nullptr, nullptr, nullptr};
    const int pas[4] = {int(image.bytesPerLine()), 0, 0, 0};
    sws_scale(sws_, trame->Data, trame->Linesize, 0, h, dest, pas);
    if (quarts_ == 0) return image;
    return image.transformed(QTransform().rotate(90.0 * quarts_));
}
