// The program's source of uniform draws: seeded once from the clock.
#pragma once

#include <cstdint>
#include <random>

class ClockDraws {
public:
    ClockDraws();
    explicit ClockDraws(std::uint64_t seed);

    // Uniform on [0, 1): 53 random bits scaled by 2^-53, so 1.0 can never
    // come out (std::generate_canonical can return it in libstdc++).
    double operator()();

    static double fromBits(std::uint64_t bits);

private:
    std::mt19937_64 m_engine;
};
