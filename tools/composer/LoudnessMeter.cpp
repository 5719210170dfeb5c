#include "LoudnessMeter.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quindel::composer {

namespace {

constexpr double Silence = -std::numeric_limits<double>::infinity();

}  // namespace

double LoudnessMeter::Biquad::run(double x, std::size_t channel)
{
    // Transposed direct form II.
    const double y = b0 * x + z1[channel];
    z1[channel] = b1 * x - a1 * y + z2[channel];
    z2[channel] = b2 * x - a2 * y;
    return y;
}

LoudnessMeter::LoudnessMeter(int rate, int channelCount)
    : channels(std::max(1, channelCount)), step(static_cast<std::size_t>(rate / 10))
{
    // The two K-weighting stages, designed for this rate by the bilinear
    // transform of the analogue filters BS.1770 gives as 48 kHz coefficients.
    const double pi = std::numbers::pi;
    {
        const double f0 = 1681.974450955533;
        const double gainDb = 3.999843853973347;
        const double q = 0.7071752369554196;
        const double k = std::tan(pi * f0 / rate);
        const double vh = std::pow(10.0, gainDb / 20.0);
        const double vb = std::pow(vh, 0.4996667741545416);
        const double a0 = 1.0 + k / q + k * k;
        shelf = Biquad{(vh + vb * k / q + k * k) / a0,
                       2.0 * (k * k - vh) / a0,
                       (vh - vb * k / q + k * k) / a0,
                       2.0 * (k * k - 1.0) / a0,
                       (1.0 - k / q + k * k) / a0,
                       {},
                       {}};
    }
    {
        const double f0 = 38.13547087602444;
        const double q = 0.5003270373238773;
        const double k = std::tan(pi * f0 / rate);
        const double a0 = 1.0 + k / q + k * k;
        highPass = Biquad{1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0, {}, {}};
    }
    for (Biquad* f : {&shelf, &highPass}) {
        f->z1.assign(static_cast<std::size_t>(channels), 0.0);
        f->z2.assign(static_cast<std::size_t>(channels), 0.0);
    }
}

void LoudnessMeter::add(std::span<const float> interleaved)
{
    const auto width = static_cast<std::size_t>(channels);
    for (std::size_t at = 0; at + width <= interleaved.size(); at += width)
        addFrame(interleaved.data() + at);
}

void LoudnessMeter::add(std::span<const std::int16_t> interleaved)
{
    converted.resize(interleaved.size());
    for (std::size_t i = 0; i < interleaved.size(); ++i)
        converted[i] = static_cast<float>(interleaved[i]) / 32768.0f;
    add(std::span<const float>(converted));
}

void LoudnessMeter::addFrame(const float* frame)
{
    const auto width = static_cast<std::size_t>(channels);
    for (std::size_t c = 0; c < width; ++c) {
        const double y = highPass.run(shelf.run(frame[c], c), c);
        current += y * y;
    }
    if (++inQuarter == step) {
        quarterSums.push_back(current);
        current = 0.0;
        inQuarter = 0;
    }
}

double LoudnessMeter::lufsOf(double meanSquare)
{
    return meanSquare > 0.0 ? -0.691 + 10.0 * std::log10(meanSquare) : Silence;
}

double LoudnessMeter::loudestMomentary() const
{
    double loudest = Silence;
    // A sound shorter than one block is measured as one block with its
    // silence around it, as a listener hears it.
    const std::size_t blocks = quarterSums.size() < 4 ? 1 : quarterSums.size() - 3;
    for (std::size_t b = 0; b < blocks; ++b) {
        double sum = 0.0;
        for (std::size_t q = b; q < std::min(b + 4, quarterSums.size()); ++q)
            sum += quarterSums[q];
        loudest = std::max(loudest, lufsOf(sum / static_cast<double>(4 * step)));
    }
    return loudest;
}

double LoudnessMeter::integrated() const
{
    if (quarterSums.size() < 4)
        return loudestMomentary();
    std::vector<double> blocks;
    for (std::size_t b = 0; b + 3 < quarterSums.size(); ++b) {
        const double sum = quarterSums[b] + quarterSums[b + 1] + quarterSums[b + 2] + quarterSums[b + 3];
        blocks.push_back(sum / static_cast<double>(4 * step));
    }
    auto gatedMean = [&blocks](double gate) {
        double sum = 0.0;
        std::size_t count = 0;
        for (double z : blocks) {
            if (lufsOf(z) > gate) {
                sum += z;
                ++count;
            }
        }
        return count == 0 ? 0.0 : sum / static_cast<double>(count);
    };
    const double absolute = gatedMean(-70.0);
    if (absolute <= 0.0)
        return Silence;
    return lufsOf(gatedMean(lufsOf(absolute) - 10.0));
}

}  // namespace quindel::composer
