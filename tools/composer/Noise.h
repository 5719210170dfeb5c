#pragma once

#include <cstdint>

namespace quindel::composer {

// White noise from a fixed seed, so every build writes the same files.
class Noise final {
public:
    explicit Noise(std::uint32_t seed) : state(seed) {}
    // Uniform in -1..1.
    double next()
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    std::uint32_t state = 1;
};

}  // namespace quindel::composer
