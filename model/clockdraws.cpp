#include "clockdraws.h"

#include <chrono>

ClockDraws::ClockDraws()
    : ClockDraws(
          static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())) {
}

ClockDraws::ClockDraws(std::uint64_t seed)
    : m_engine(seed) {
}

double ClockDraws::operator()() {
    return fromBits(m_engine());
}

double ClockDraws::fromBits(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}
