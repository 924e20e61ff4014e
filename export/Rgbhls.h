#pragma once

#include <cstdint>

// Hue, lightness and saturation of a colour on a 0..240 scale, in integer arithmetic, and
// the grey level printed for a colour in grey printing.
namespace rgbhls {

struct Hls {
    int h = 0, l = 0, s = 0;
};

Hls rgbEnHls(int r, int g, int b);

// Grey level 0..255 of a colour stored as 0x00BBGGRR: its lightness scaled to 255.
int niveauGris(uint32_t couleur);

} // namespace rgbhls
