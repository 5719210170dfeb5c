#include "Instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Noise.h"

namespace quindel::composer {

namespace {

constexpr double Tau = 2.0 * std::numbers::pi;

double peakOf(const std::vector<double>& signal)
{
    double peak = 0.0;
    for (double v : signal)
        peak = std::max(peak, std::abs(v));
    return peak;
}

// One cycle of a waveform from its harmonic amplitudes, kept below the
// Nyquist limit of the cycle so nothing aliases.
std::vector<double> cycle(int samplesPerCycle, const std::vector<double>& harmonics)
{
    std::vector<double> out(static_cast<std::size_t>(samplesPerCycle));
    for (int i = 0; i < samplesPerCycle; ++i) {
        double v = 0.0;
        for (std::size_t k = 1; k <= harmonics.size() && static_cast<int>(k) < samplesPerCycle / 2; ++k)
            v += harmonics[k - 1] * std::sin(Tau * static_cast<double>(k) * i / samplesPerCycle);
        out[static_cast<std::size_t>(i)] = v;
    }
    return out;
}

// A short attack that settles into a looped sustain of whole cycles: the
// tracker holds the loop for as long as the note lasts.
ModSample sustained(const char* name, const std::vector<double>& oneCycle, double attackSeconds, double sustainLevel,
                    int volume)
{
    const int spc = static_cast<int>(oneCycle.size());
    const int attackCycles = std::max(1, static_cast<int>(attackSeconds * ProTrackerModule::RateAtC2 / spc));
    const int loopCycles = 4;
    const double peak = peakOf(oneCycle);
    std::vector<double> signal;
    const int attackSamples = attackCycles * spc;
    for (int i = 0; i < attackSamples; ++i) {
        const double t = static_cast<double>(i) / attackSamples;
        // A quick rise over the first few milliseconds, then a fall to the sustain level.
        const double rise = std::min(1.0, i / (0.004 * ProTrackerModule::RateAtC2));
        const double gain = rise * (sustainLevel + (1.0 - sustainLevel) * std::exp(-4.0 * t));
        signal.push_back(gain * oneCycle[static_cast<std::size_t>(i % spc)] / peak);
    }
    const double endGain = sustainLevel + (1.0 - sustainLevel) * std::exp(-4.0);
    for (int i = 0; i < loopCycles * spc; ++i)
        signal.push_back(endGain * oneCycle[static_cast<std::size_t>(i % spc)] / peak);
    ModSample s;
    s.name = name;
    s.data = toEightBit(signal, 120.0);
    s.volume = volume;
    s.loopStart = static_cast<std::size_t>(attackSamples);
    s.loopLength = static_cast<std::size_t>(loopCycles * spc);
    return s;
}

ModSample oneShot(const char* name, const std::vector<double>& signal, int volume)
{
    ModSample s;
    s.name = name;
    // Two silent bytes first: that word is what old players loop on.
    std::vector<double> padded{0.0, 0.0};
    padded.insert(padded.end(), signal.begin(), signal.end());
    // Fade the very end so a cut-off tail never clicks.
    const std::size_t fade = std::min<std::size_t>(64, padded.size());
    for (std::size_t i = 0; i < fade; ++i)
        padded[padded.size() - 1 - i] *= static_cast<double>(i) / fade;
    s.data = toEightBit(padded, 124.0);
    s.volume = volume;
    return s;
}

// Sum of decaying partials, each (ratio to the fundamental, amplitude, decay per second).
struct Partial {
    double ratio;
    double amplitude;
    double decay;
};

std::vector<double> partials(int samplesPerCycle, double seconds, const std::vector<Partial>& list)
{
    const double rate = ProTrackerModule::RateAtC2;
    const double f0 = rate / samplesPerCycle;
    const auto length = static_cast<std::size_t>(seconds * rate);
    std::vector<double> out(length, 0.0);
    for (const Partial& p : list) {
        if (p.ratio * f0 >= 0.45 * rate)
            continue;
        for (std::size_t i = 0; i < length; ++i) {
            const double t = static_cast<double>(i) / rate;
            out[i] += p.amplitude * std::exp(-p.decay * t) * std::sin(Tau * p.ratio * f0 * t);
        }
    }
    return out;
}

}  // namespace

std::vector<std::int8_t> toEightBit(const std::vector<double>& signal, double peak)
{
    const double loudest = peakOf(signal);
    const double scale = loudest > 0.0 ? peak / loudest : 0.0;
    std::vector<std::int8_t> out;
    out.reserve(signal.size());
    for (double v : signal)
        out.push_back(static_cast<std::int8_t>(std::clamp(std::lround(v * scale), -127L, 127L)));
    return out;
}

ModSample softSquareLead(int samplesPerCycle)
{
    // Odd harmonics falling off faster than a true square: hollow, but mellow.
    std::vector<double> h(16, 0.0);
    for (int k = 1; k <= 16; k += 2)
        h[static_cast<std::size_t>(k - 1)] = 1.0 / std::pow(k, 1.6);
    return sustained("soft square lead", cycle(samplesPerCycle, h), 0.25, 0.75, 50);
}

ModSample pulseLead(int samplesPerCycle, double duty)
{
    std::vector<double> h(16, 0.0);
    for (int k = 1; k <= 16; ++k)
        h[static_cast<std::size_t>(k - 1)] = std::sin(std::numbers::pi * k * duty) / std::pow(k, 1.2);
    return sustained("pulse lead", cycle(samplesPerCycle, h), 0.2, 0.7, 64);
}

ModSample chipPad(int samplesPerCycle)
{
    std::vector<double> h(24, 0.0);
    for (int k = 1; k <= 24; ++k) {
        h[static_cast<std::size_t>(k - 1)] =
            std::sin(std::numbers::pi * k * 0.5) / std::pow(k, 1.5) + (k == 2 ? 0.15 : 0.0);
    }
    return sustained("chip pad", cycle(samplesPerCycle, h), 0.15, 0.8, 22);
}

ModSample pluckedBass(int samplesPerCycle)
{
    // A plucked string: bright at the pluck, the upper partials dying first.
    std::vector<Partial> list;
    for (int k = 1; k <= 24; ++k)
        list.push_back({static_cast<double>(k), (k == 1 ? 1.4 : 1.0) / k, 2.2 + 1.1 * k});
    return oneShot("plucked bass", partials(samplesPerCycle, 1.3, list), 42);
}

ModSample marimba(int samplesPerCycle)
{
    return oneShot("marimba", partials(samplesPerCycle, 0.8, {{1.0, 1.0, 5.0}, {3.99, 0.35, 14.0}, {9.2, 0.10, 35.0}}),
                   34);
}

ModSample bell(int samplesPerCycle)
{
    return oneShot("bell",
                   partials(samplesPerCycle, 1.4,
                            {{1.0, 1.0, 2.4},
                             {2.0, 0.45, 3.5},
                             {3.0, 0.22, 5.0},
                             {4.16, 0.16, 7.0},
                             {5.43, 0.10, 9.0},
                             {6.79, 0.06, 12.0}}),
                   40);
}

namespace {

std::vector<double> drumBuffer(double seconds)
{
    return std::vector<double>(static_cast<std::size_t>(seconds * ProTrackerModule::RateAtC3), 0.0);
}

void addKick(std::vector<double>& out, double level)
{
    const double rate = ProTrackerModule::RateAtC3;
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double freq = 48.0 + 110.0 * std::exp(-t * 28.0);
        phase += Tau * freq / rate;
        out[i] += level * std::exp(-t * 8.0) * std::sin(phase);
    }
}

}  // namespace

ModSample kickDrum()
{
    std::vector<double> out = drumBuffer(0.35);
    addKick(out, 1.0);
    return oneShot("kick", out, 64);
}

ModSample snareDrum()
{
    const double rate = ProTrackerModule::RateAtC3;
    std::vector<double> out = drumBuffer(0.22);
    Noise noise(0x5EED);
    double previous = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double white = noise.next();
        const double bright = white - 0.6 * previous;  // tilt the noise up
        previous = white;
        out[i] = 0.8 * std::exp(-t * 16.0) * bright + 0.7 * std::exp(-t * 30.0) * std::sin(Tau * 185.0 * t);
    }
    return oneShot("snare", out, 48);
}

namespace {

std::vector<double> hat(double seconds, double decay, std::uint32_t seed)
{
    const double rate = ProTrackerModule::RateAtC3;
    std::vector<double> out = drumBuffer(seconds);
    Noise noise(seed);
    double previous = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double white = noise.next();
        out[i] = std::exp(-t * decay) * (white - previous);  // only the hiss
        previous = white;
    }
    return out;
}

}  // namespace

ModSample closedHat()
{
    return oneShot("closed hat", hat(0.07, 55.0, 0xC10), 30);
}

ModSample openHat()
{
    return oneShot("open hat", hat(0.3, 9.0, 0x0BE), 24);
}

ModSample crashWithKick()
{
    const double rate = ProTrackerModule::RateAtC3;
    std::vector<double> out = hat(1.2, 3.2, 0xC7A5);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] *= 0.45 * (1.0 - std::exp(-static_cast<double>(i) / (0.002 * rate)));
    addKick(out, 1.0);
    return oneShot("crash", out, 60);
}

ModSample tomDrum()
{
    const double rate = ProTrackerModule::RateAtC3;
    std::vector<double> out = drumBuffer(0.3);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        phase += Tau * (95.0 + 60.0 * std::exp(-t * 20.0)) / rate;
        out[i] = std::exp(-t * 11.0) * std::sin(phase);
    }
    return oneShot("tom", out, 52);
}

}  // namespace quindel::composer
