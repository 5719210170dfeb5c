#include "SoundEffects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "LoudnessMeter.h"
#include "Noise.h"

namespace quindel::composer {

namespace {

constexpr double Tau = 2.0 * std::numbers::pi;

std::vector<double> buffer(double seconds)
{
    return std::vector<double>(static_cast<std::size_t>(seconds * EffectRate), 0.0);
}

double timeOf(std::size_t i)
{
    return static_cast<double>(i) / EffectRate;
}

// Raised-cosine fades over the first and last moments: the sample starts and
// ends at exactly nothing, however it was made.
void fade(std::vector<double>& signal, double inSeconds, double outSeconds)
{
    const auto in = std::min(signal.size(), static_cast<std::size_t>(inSeconds * EffectRate));
    const auto out = std::min(signal.size(), static_cast<std::size_t>(outSeconds * EffectRate));
    for (std::size_t i = 0; i < in; ++i)
        signal[i] *= 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(in));
    for (std::size_t i = 0; i < out; ++i)
        signal[signal.size() - 1 - i] *=
            0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(i) / static_cast<double>(out));
}

// Scales the effect to a loudness, as heard through the game's mixer.
void toLoudness(std::vector<double>& signal, double lufs)
{
    const double gain = std::pow(10.0, (lufs - effectLoudness(signal)) / 20.0);
    for (double& v : signal)
        v *= gain;
}

// A struck bar: a decaying sine with a faster, brighter overtone.
double strike(double t, double hz, double decay)
{
    if (t < 0.0)
        return 0.0;
    return std::exp(-t * decay) * std::sin(Tau * hz * t)
        + 0.45 * std::exp(-t * decay * 2.2) * std::sin(Tau * hz * 2.76 * t);
}

}  // namespace

double effectLoudness(const std::vector<double>& signal)
{
    LoudnessMeter meter(EffectRate, 2);
    std::vector<float> stereo;
    for (double v : signal) {
        stereo.push_back(static_cast<float>(v));
        stereo.push_back(static_cast<float>(v));
    }
    // A second of silence after it, as the mixer would play on.
    stereo.resize(stereo.size() + 2 * EffectRate, 0.0f);
    meter.add(std::span<const float>(stereo));
    return meter.loudestMomentary();
}

std::vector<double> moveTick()
{
    // A small hard knock, like a bead on a wire: three partials between
    // 1.3 and 3.4 kHz that die within a few milliseconds, on a whisper of
    // noise. It is heard on a laptop's speaker, where a low tom vanishes,
    // and never booms in headphones.
    std::vector<double> out = buffer(0.055);
    Noise noise(0x71C);
    double previous = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double white = noise.next();
        const double hiss = white - previous;
        previous = white;
        out[i] = std::exp(-t / 0.012) * std::sin(Tau * 2217.46 * t)
            + 0.35 * std::exp(-t / 0.006) * std::sin(Tau * 3322.44 * t)
            + 0.3 * std::exp(-t / 0.014) * std::sin(Tau * 1318.51 * t) + 0.2 * std::exp(-t / 0.0012) * hiss;
    }
    fade(out, 0.0008, 0.012);
    toLoudness(out, MoveLufs);
    return out;
}

std::vector<double> whiteClear()
{
    // E6 then B5, a soft falling fourth with bell-like overtones.
    std::vector<double> out = buffer(0.42);
    const double notes[2][2] = {{1318.51, 0.0}, {987.77, 0.11}};
    for (const auto& note : notes) {
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = timeOf(i) - note[1];
            if (t < 0.0)
                continue;
            const double f = note[0];
            out[i] += std::min(1.0, t / 0.002) * std::exp(-t * 8.0)
                * (std::sin(Tau * f * t) + 0.3 * std::exp(-t * 10.0) * std::sin(Tau * 2.76 * f * t)
                   + 0.12 * std::sin(Tau * 2.0 * f * t));
        }
    }
    fade(out, 0.003, 0.05);
    toLoudness(out, ClearLufs);
    return out;
}

std::vector<double> blueClear()
{
    // Two struck wooden bars a fifth apart, G6 then D7, on tiny noise ticks:
    // pop, pop.
    std::vector<double> out = buffer(0.26);
    Noise noise(0xB1E);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double second = t - 0.075;
        out[i] = strike(t, 1567.98, 32.0) + 0.9 * strike(second, 2349.32, 30.0)
            + 0.3 * noise.next() * (std::exp(-t * 400.0) + (second >= 0.0 ? std::exp(-second * 400.0) : 0.0));
    }
    fade(out, 0.002, 0.04);
    toLoudness(out, ClearLufs);
    return out;
}

std::vector<double> greenClear()
{
    // A square wave sweeping from high to low: the arcade zap.
    std::vector<double> out = buffer(0.26);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double f = 280.0 + 1900.0 * std::exp(-t * 14.0);
        phase += Tau * f / EffectRate;
        // Three odd harmonics only: bright without the harshness of a raw square.
        const double wave = std::sin(phase) + std::sin(3.0 * phase) / 3.0 + std::sin(5.0 * phase) / 5.0;
        out[i] = std::exp(-t * 10.0) * wave;
    }
    fade(out, 0.002, 0.06);
    toLoudness(out, ClearLufs);
    return out;
}

}  // namespace quindel::composer
