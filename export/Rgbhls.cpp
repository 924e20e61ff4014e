#include "export/Rgbhls.h"

#include "platform/Nombres.h"

#include <algorithm>

namespace rgbhls {

Hls rgbEnHls(int r, int g, int b) {
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    Hls x;
    x.l = ((max + min) * 240 + 255) / 510;
    if (max == min) { // a grey: no hue
        x.s = 0;
        x.h = 160;
        return x;
    }
    const int somme = max + min;
    if (x.l <= 120)
        x.s = ((max - min) * 240 + somme / 2) / somme;
    else
        x.s = ((max - min) * 240 + (510 - somme) / 2) / (510 - somme);
    const int d = max - min;
    const int rd = ((max - r) * 40 + d / 2) / d;
    const int gd = ((max - g) * 40 + d / 2) / d;
    const int bd = ((max - b) * 40 + d / 2) / d;
    if (r == max)
        x.h = bd - gd;
    else if (g == max)
        x.h = 80 + rd - bd;
    else
        x.h = 160 + gd - rd;
    if (x.h < 0) x.h += 240;
    if (x.h > 240) x.h -= 240;
    return x;
}

int niveauGris(uint32_t couleur) {
    const Hls x =
        rgbEnHls(int(couleur & 0xff), int((couleur >> 8) & 0xff), int((couleur >> 16) & 0xff));
    return int(nombres::arrondi(static_cast<long double>(x.l) * 255 / 240));
}

} // namespace rgbhls
