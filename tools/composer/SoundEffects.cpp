#include "SoundEffects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

// A couple of milliseconds of rise, so no effect starts with a click.
double rise(double t)
{
    return std::min(1.0, t / 0.002);
}

void normalise(std::vector<double>& signal, double peak)
{
    double loudest = 0.0;
    for (double v : signal)
        loudest = std::max(loudest, std::abs(v));
    for (double& v : signal)
        v *= peak / loudest;
}

}  // namespace

std::vector<double> moveTom()
{
    std::vector<double> out = buffer(0.16);
    Noise noise(0x70A);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        phase += Tau * (120.0 + 70.0 * std::exp(-t * 30.0)) / EffectRate;
        const double body = std::exp(-t * 26.0) * std::sin(phase);
        const double stick = 0.15 * std::exp(-t * 400.0) * noise.next();
        out[i] = rise(t) * (body + stick);
    }
    normalise(out, 0.45);
    return out;
}

std::vector<double> whiteClear()
{
    // E6 then B5, a soft falling fourth with bell-like overtones.
    std::vector<double> out = buffer(0.5);
    const double notes[2][2] = {{1318.5, 0.0}, {987.8, 0.11}};
    for (const auto& note : notes) {
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = timeOf(i) - note[1];
            if (t < 0.0)
                continue;
            const double f = note[0];
            out[i] += rise(t) * std::exp(-t * 7.0)
                * (std::sin(Tau * f * t) + 0.3 * std::exp(-t * 10.0) * std::sin(Tau * 2.76 * f * t)
                   + 0.12 * std::sin(Tau * 2.0 * f * t));
        }
    }
    normalise(out, 0.55);
    return out;
}

std::vector<double> blueClear()
{
    // A struck wooden bar: a high resonance that dies within a tenth of a
    // second, on a tiny noise tick.
    std::vector<double> out = buffer(0.12);
    Noise noise(0xB1E);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        out[i] = rise(t)
            * (std::exp(-t * 45.0) * std::sin(Tau * 1750.0 * t) + 0.5 * std::exp(-t * 70.0) * std::sin(Tau * 2900.0 * t)
               + 0.35 * std::exp(-t * 300.0) * noise.next());
    }
    normalise(out, 0.6);
    return out;
}

std::vector<double> greenClear()
{
    // A square wave sweeping from high to low: the arcade zap.
    std::vector<double> out = buffer(0.28);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double f = 280.0 + 1900.0 * std::exp(-t * 14.0);
        phase += Tau * f / EffectRate;
        // Three odd harmonics only: bright without the harshness of a raw square.
        const double wave = std::sin(phase) + std::sin(3.0 * phase) / 3.0 + std::sin(5.0 * phase) / 5.0;
        out[i] = rise(t) * std::exp(-t * 9.0) * wave;
    }
    normalise(out, 0.5);
    return out;
}

}  // namespace quindel::composer
