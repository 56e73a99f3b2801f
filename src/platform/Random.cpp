// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

#include <chrono>

void Random::seedFromClock()
{
    // Several requests within one clock tick must not replay the same
    // numbers, so the previous state is mixed into the new seed.
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    m_engine.seed(uint32_t(now) ^ uint32_t(now >> 32) ^ m_engine());
}
