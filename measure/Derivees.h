#pragma once

#include <optional>
#include <vector>

class Seance;

// Velocities and accelerations of a point, from the document's unrounded metres and times
// (each image's own time for a clip whose rate varies, as filmed, t0 applied).
struct Derivees {
    std::optional<long double> vx, vy, v; // m/s
    std::optional<long double> ax, ay, a; // m/s²
};

namespace derivees {

// One entry per image of the clip for point k (1..9). Centred differences over the images
// before and after:
//   vx = (x[n+1] − x[n−1]) / (t[n+1] − t[n−1]),
//   ax = 2·((x[n+1] − x[n]) / (t[n+1] − t[n]) − (x[n] − x[n−1]) / (t[n] − t[n−1])) / (t[n+1] −
//   t[n−1]),
// likewise for y, and v, a their norms. Empty on an image without the point or without it
// on both neighbouring images (so at the first and last image where it is recorded), and
// wherever a time difference is zero.
std::vector<Derivees> calculer(const Seance& s, int k);

} // namespace derivees
