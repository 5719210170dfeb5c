#pragma once

#include <cstdint>

namespace quindel::composer {

// White noise from a fixed seed, so every build writes the same files.
class Noise final {
public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    // Uniform in -1..1.
    double next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    std::uint32_t state_ = 1;
};

}  // namespace quindel::composer
