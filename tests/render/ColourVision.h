#pragma once

#include <array>
#include <cstdint>

namespace quindel::test {

// How a colour looks to a reader: its luminance and contrast as WCAG 2
// reckons them, the colour as seen in greyscale or by a dichromat (the
// Machado, Oliveira and Fernandes 2009 simulation at full severity), and the
// CIEDE2000 difference between two colours.
class ColourVision final {
public:
    enum class Sight { Normal, Greyscale, Protanopia, Deuteranopia, Tritanopia };
    // Linear RGB, each 0..1.
    using Linear = std::array<double, 3>;

    static Linear linear(std::uint32_t rgb);
    static Linear seen(const Linear& colour, Sight sight);
    static double luminance(const Linear& colour);
    // (lighter + 0.05) / (darker + 0.05): 1 to 21.
    static double contrast(std::uint32_t a, std::uint32_t b);
    static double deltaE2000(const Linear& a, const Linear& b);
    static const char* name(Sight sight);
};

}  // namespace quindel::test
