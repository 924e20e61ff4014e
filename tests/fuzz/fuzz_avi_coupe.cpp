// The count of images cut by the end of an AVI, on any bytes up to 8 MB: no crash, no read
// past the end, no deep recursion, and at most the one image the cut reaches.
#include "platform/AviTronque.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille) {
    for (int flux : {0, 1}) {
        const int n = imagesCoupeesAvi(donnees, int64_t(taille), flux);
        if (n < 0 || n > 1) std::abort();
    }
    return 0;
}
