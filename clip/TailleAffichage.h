#pragma once

#include <QSize>

// Arithmetic of the display size: the percentage that fits a clip in the display area, the
// displayed size at a percentage, and the spinner's growing increment while it is held.
namespace tailleAffichage {

constexpr int kPcMin = 10;
constexpr int kPcMax = 400;
// The clip panel's frame (4 pixels each side) plus one pixel.
constexpr int kMarge = 9;

// Percentage at which a clip of size `clip` fits an area of size `zone` (the display area's
// outer size): the smaller of the two ratios (the vertical one on a tie), rounded halves to
// even, at most kPcMax and at least kPcMin; one less when the panel (the clip and its
// 4-pixel frame) would not fit at the rounded percentage.
int pcAdapte(QSize zone, QSize clip);

// Displayed size of the clip at `pc` percent, each side rounded halves to even, at least 1.
QSize tailleAffichee(QSize clip, int pc);

// A percentage brought back into the spinner's range.
int borner(int pc);

// The spinner's next increment at a tick of its timer while the mouse is held on it:
// 1, 6, 11, 16, then 20 and no more.
int incrementSuivant(int increment);

} // namespace tailleAffichage
