#pragma once

#include <QColor>
#include <QPoint>
#include <QRgb>
#include <Qt>

class QPainter;
class Toile;

// The marks drawn over the image, on the clipboard picture and on the printed page.
// Lines go from a start point to an end point that is not itself painted.

// Mark shapes of the appearance table (shape 3 is the scale cross).
enum FormePoint { formeCroix = 0, formeCarre = 1, formeCercle = 2, formeCroixEchelle = 3 };

// One point mark of size s (arms of s pixels) centred on (x, y).
void dessinerPoint(Toile& t, QRgb couleur, int s, int x, int y, int forme);
void dessinerPoint(QPainter& p, const QColor& couleur, int s, int x, int y, int forme);

// The two axes through (xo, yo) across an image of W x H pixels, arrow heads of length
// 5u and half width 2u pointing the ways sensX and sensY give.
void dessinerAxes(Toile& t, QRgb couleur, int sensX, int sensY, int xo, int yo, int H, int W,
                  int u);
void dessinerAxes(QPainter& p, const QColor& couleur, int sensX, int sensY, int xo, int yo, int H,
                  int W, int u);

// The scale crosses (red on p1, blue on p2) and the segment between them. The segment is
// drawn towards the point being set (p1 when p1EnCours), whose pixel is then painted.
void dessinerSegmentEchelle(Toile& t, Qt::PenStyle style, QRgb couleur, QPoint p1, QPoint p2,
                            bool p1EnCours);
void dessinerSegmentEchelle(QPainter& p, Qt::PenStyle style, const QColor& couleur, QPoint p1,
                            QPoint p2, bool p1EnCours);

// A line from (x0, y0) to (x1, y1), end excluded, in the given pen style.
void ligne(Toile& t, int x0, int y0, int x1, int y1, Qt::PenStyle style = Qt::SolidLine);
