#pragma once

#include <QString>

// A cut AVI file (a copy interrupted, a camera switched off while writing) still lists in
// its index, or in the data the indexer scanned, images whose data is missing at the end;
// the decoder then gives the last whole image again for them. This counts the images of
// a stream whose data lies whole in the file, walking the chunks of the file.
//
// Returns -1 when the file is not an AVI cut short (then every image the index lists is
// there), otherwise the number of whole image chunks of stream `flux` (0-based).
int imagesEntieresAviCoupe(const QString& chemin, int flux);
