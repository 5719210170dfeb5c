#pragma once

#include <span>
#include <vector>

namespace quindel::composer {

// Magnitudes by frequency of a mono signal through a Hann window, by a plain
// radix-2 FFT: enough for telling where a sound's energy lies and how well
// a song's notes sit on the A440 scale.
class FrequencyContent final {
public:
    // The magnitudes of bins 0..size/2 of `frame` (its size a power of two).
    static std::vector<double> magnitudes(std::span<const float> frame);

    // The share of the signal's energy in each band between successive
    // edges (Hz), over the whole signal.
    static std::vector<double> bandShares(std::span<const float> mono, int rate, std::span<const double> edges);

    // How far the signal's tonal peaks sit from the nearest semitone of
    // equal temperament at A = 440 Hz, in cents (-50..50), each peak
    // weighted by its energy; and how much they agree (1 all the same, 0
    // spread evenly).
    struct Tuning {
        double cents = 0.0;
        double agreement = 0.0;
    };
    static Tuning tuning(std::span<const float> mono, int rate);
};

}  // namespace quindel::composer
