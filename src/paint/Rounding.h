// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Rounds to the nearest integer, halves to even. The brush loops call this
// three times per pixel, so on x86 it is one conversion instruction under the
// default rounding mode instead of a library call.
inline int roundHalfEven(double value)
{
#if defined(__SSE2__)
    return _mm_cvtsd_si32(_mm_set_sd(value));
#else
    return int(std::nearbyint(value));
#endif
}
