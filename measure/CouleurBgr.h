#pragma once

#include <QColor>
#include <QRgb>
#include <cstdint>

// Colours as the program stores them: a 24-bit value with red in the low byte, green in
// the second and blue in the third (0x00BBGGRR), written as decimal text in the tables.
namespace couleurBgr {

inline QColor versCouleur(uint32_t v) {
    return QColor(int(v & 0xff), int((v >> 8) & 0xff), int((v >> 16) & 0xff));
}
inline uint32_t depuisCouleur(const QColor& c) {
    const QColor rgb = c.toRgb(); // whatever the dialog returned, keep plain RGB
    return uint32_t(rgb.red()) | uint32_t(rgb.green()) << 8 | uint32_t(rgb.blue()) << 16;
}
// Opaque pixel value for drawing.
inline QRgb versPixel(uint32_t v) {
    return qRgb(int(v & 0xff), int((v >> 8) & 0xff), int((v >> 16) & 0xff));
}
inline uint32_t depuisRgb(int r, int g, int b) {
    return uint32_t(r & 0xff) | uint32_t(g & 0xff) << 8 | uint32_t(b & 0xff) << 16;
}

} // namespace couleurBgr
