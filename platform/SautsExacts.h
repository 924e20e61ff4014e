#pragma once

struct FFMS_Index;

// Whether FFMS2's seeks land on the image asked for in this clip's video track. Streams with
// open groups of pictures (HEVC with clean random access points, MPEG-2) show, after a seek,
// an image a few places off: the leading pictures of the key frame reached are counted though
// the decoder drops them. Checked on the first key frame far enough for a seek: the image
// reached by a seek is compared with the same image decoded in a row from the start.
bool sautsExacts(const char* chemin, int piste, FFMS_Index* index);

// Codecs whose streams may have open groups of pictures, worth the check.
bool groupesOuvertsPossibles(const char* nomCodec);
