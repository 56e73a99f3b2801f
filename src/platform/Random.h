// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

// The program's one random source: uniform numbers in [0, 1). Owned by the
// application and handed to whoever draws from it, so tests can seed it.
class Random
{
public:
    Random() { seedFromClock(); }
    explicit Random(uint32_t seed) : m_engine(seed) {}

    void seed(uint32_t value) { m_engine.seed(value); }
    void seedFromClock();
    // Uniform in [0, 1).
    double next() { return std::generate_canonical<double, 32>(m_engine); }
    // The integer part of next() * count: 0 .. count - 1.
    int below(int count) { return int(next() * count); }

private:
    std::mt19937 m_engine;
};
