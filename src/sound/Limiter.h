#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace quindel {

// A look-ahead peak limiter: whatever goes in, no sample comes out louder
// than the ceiling. It sees each peak a short moment before it plays and
// turns the gain down smoothly over that moment, then lets it rise again
// slowly, so a loud burst of effects is squeezed instead of clipped. The
// output is late by the look-ahead, the same for every sample.
class Limiter final {
public:
    // ceiling as a linear amplitude (1.0 is full scale); look-ahead and
    // release in frames.
    Limiter(int channels, float ceiling, int lookAheadFrames, int releaseFrames);

    // Limits `interleaved` in place, frame by frame.
    void process(std::span<float> interleaved);
    // The lowest gain applied since the last call: 1 means it never acted.
    float takeLowestGain();
    int latencyFrames() const { return lookAhead; }

private:
    float requiredGain(const float* frame) const;

    int channels = 2;
    float ceiling = 1.0f;
    int lookAhead = 0;
    float releaseCoefficient = 0.0f;
    // The frames waiting to go out, and the gain each one asked for.
    std::vector<float> delay;
    std::vector<float> asked;
    // Positions in `asked` whose gain is the lowest of the window, lowest first.
    std::vector<std::size_t> minima;
    std::size_t minimaHead = 0;
    std::size_t minimaTail = 0;
    // The smoothed gains of the last look-ahead + 1 frames and their sum.
    std::vector<float> recent;
    double recentSum = 0.0;
    float held = 1.0f;
    std::size_t clock = 0;
    float lowest = 1.0f;
};

}  // namespace quindel
