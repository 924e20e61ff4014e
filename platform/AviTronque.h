#pragma once

#include <QString>
#include <cstdint>

// A cut AVI file (a copy interrupted, a camera switched off while writing) ends in the middle
// of an image's chunk; the decoder still counts that image and shows a broken picture or the
// last whole one again for it. This finds the images of a stream whose chunk starts in the
// file but ends past its end, so that only they are dropped.
//
// Damage elsewhere (a wrong chunk size, chunks without their pad byte, garbage in the middle,
// a RIFF size of 0) never counts as a cut: after a chunk that claims to run past the end, the
// walk looks for the next chunk header that fits in the file, as the decoder does, and the
// file is cut only when there is none. Lists that fit in the file are skipped whole, so that
// the walk only goes down the chain of lists that holds the end of the file: a few steps for
// a whole file, one list of chunks for a cut one. Depth and number of chunks are bounded.

// Images of stream `flux` (0-based) cut by the end of the data, 0 when none.
int imagesCoupeesAvi(const unsigned char* donnees, int64_t taille, int flux);

// The same for a file; 0 when it cannot be read or is not a RIFF AVI.
int imagesCoupeesAvi(const QString& chemin, int flux);
