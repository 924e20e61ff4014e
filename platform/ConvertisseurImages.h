#pragma once

#include <QImage>
#include <QSize>

struct SwsContext;

// Turns a decoded image (FFMS2's frame) into an RGB32 picture of the size shown, upright:
// swscale scales it with the colour matrix the decoder reports, then a clip filmed with
// the camera turned is turned back by whole quarter turns. One converter per thread.
class ConvertisseurImages {
public:
    // quarts: clockwise quarter turns that show the stored images upright.
    explicit ConvertisseurImages(int quarts = 0)
        : quarts_(((quarts % 4) + 4) % 4) {}
    ~ConvertisseurImages();
    ConvertisseurImages(const ConvertisseurImages&) = delete;
    ConvertisseurImages& operator=(const ConvertisseurImages&) = delete;

    // `trame` is an FFMS_Frame; `taille` the upright size wanted. Null when swscale
    // cannot convert the frame's format.
    QImage convertir(const void* trame, QSize taille);

    // Upright size of a stored size.
    QSize droite(QSize stockee) const { return quarts_ % 2 ? stockee.transposed() : stockee; }

private:
    int quarts_;
    SwsContext* sws_ = nullptr;
};
