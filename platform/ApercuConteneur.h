#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// What a video file's container says of its first video track, read without indexing nor
// decoding the whole file: enough for the preview of a clip under selection.
struct ProprietesConteneur {
    int64_t nbImages = 0;
    int largeur = 0, hauteur = 0; // upright, the stored rotation applied
    long double periode = 0;      // seconds per image, from the average rate
    QString codec;                // the decoder's name for the codec ("h264"...)
    // The rate a phone says it filmed at (the MP4/MOV entry "com.android.capture.fps"), for
    // a slow-motion or time-lapse clip stored at an ordinary rate; nothing when absent.
    std::optional<double> cadencePriseDeVue;
};

// Empty when the file is not a video the media libraries can read.
std::optional<ProprietesConteneur> lireConteneur(const QString& chemin);

// Quarter turns (0..3, clockwise) that show a picture stored with this display matrix
// (nine 32-bit values as the container stores them) upright.
int quartsDeTour(const int32_t* matrice);
