#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace quindel::composer {

// Loudness as ITU-R BS.1770 measures it: K-weighting (a high shelf for the
// head and a high-pass for what ears hardly hear), mean square over 400 ms
// blocks that overlap by 300 ms, and for a whole piece the absolute gate at
// -70 LUFS and the relative gate 10 LU under the rest. Front left and right
// count with weight 1, which is all a stereo game uses.
class LoudnessMeter final {
public:
    LoudnessMeter(int rate, int channels);

    // Interleaved frames in -1..1.
    void add(std::span<const float> interleaved);
    void add(std::span<const std::int16_t> interleaved);

    // Gated loudness of everything added, in LUFS; -inf for silence.
    double integrated() const;
    // The loudest single 400 ms block, in LUFS: how loud a short effect is.
    double loudestMomentary() const;

private:
    struct Biquad {
        double b0, b1, b2, a1, a2;
        std::vector<double> z1, z2;
        double run(double x, std::size_t channel);
    };

    void addFrame(const float* frame);
    static double lufsOf(double meanSquare);

    int channels;
    std::size_t step;  // 100 ms
    Biquad shelf;
    Biquad highPass;
    std::vector<double> quarterSums;  // one per 100 ms: weighted sum of squares
    double current = 0.0;
    std::size_t inQuarter = 0;
    std::vector<float> converted;
};

}  // namespace quindel::composer
