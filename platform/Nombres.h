#pragma once

#include <cstdint>

// The integer conversions the program relies on, written once.
namespace nombres {

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
int64_t arrondi(long double x);

// Drops the fraction toward zero.
int64_t tronquer(long double x);

// Integer division truncated toward zero (C++ already does this; named for clarity).
inline int64_t divEntiere(int64_t a, int64_t b) { return a / b; }

} // namespace nombres
