#include "Instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Noise.h"

namespace quindel::composer {

namespace {

constexpr double Tau = 2.0 * std::numbers::pi;
constexpr double PitchRate = ProTrackerModule::RateAtC2;
constexpr double DrumRate = ProTrackerModule::RateAtC3;

double peakOf(const std::vector<double>& signal)
{
    double peak = 0.0;
    for (double v : signal)
        peak = std::max(peak, std::abs(v));
    return peak;
}

// A waveform from its harmonic amplitudes at a phase, leaving out every
// harmonic at or above the sample rate's Nyquist limit so nothing aliases.
double waveAt(double phase, double hz, const std::vector<double>& harmonics)
{
    double v = 0.0;
    for (std::size_t k = 1; k <= harmonics.size(); ++k) {
        if (static_cast<double>(k) * hz >= 0.48 * PitchRate)
            break;
        v += harmonics[k - 1] * std::sin(static_cast<double>(k) * phase);
    }
    return v;
}

// The loop of a sustained note: the fewest whole cycles whose length lands
// within a thousandth of a sample-pair of an even number of samples (loops
// are stored in words). Returns the loop length and the frequency its cycles
// then have, off the asked one by well under a cent.
std::pair<std::size_t, double> loopFor(double hz)
{
    const double cycle = PitchRate / hz;
    std::size_t bestLength = 2;
    double bestError = 1e9;
    for (int cycles = 1; cycles <= 64; ++cycles) {
        const double exact = cycle * cycles;
        const auto length = static_cast<std::size_t>(2 * std::lround(exact / 2.0));
        const double error = std::fabs(1200.0 * std::log2(static_cast<double>(length) / exact));
        if (length >= 32 && error < bestError - 0.05) {
            bestError = error;
            bestLength = length;
        }
        if (bestError < 0.3 && bestLength >= 64)
            break;
    }
    const double cycles = std::round(static_cast<double>(bestLength) / cycle);
    return {bestLength, cycles * PitchRate / static_cast<double>(bestLength)};
}

// A short attack that settles into a looped sustain: the tracker holds the
// loop for as long as the note lasts.
ModSample sustained(const char* name, int baseMidi, const std::vector<double>& harmonics, double attackSeconds,
                    double sustainLevel, int volume)
{
    const auto [loopLength, hz] = loopFor(frequencyAtC2(baseMidi));
    const double step = Tau * hz / PitchRate;
    // The attack is a whole number of loops long, so the loop starts in phase.
    const std::size_t attackSamples =
        loopLength * std::max<std::size_t>(1, static_cast<std::size_t>(attackSeconds * PitchRate / loopLength));
    std::vector<double> signal;
    for (std::size_t i = 0; i < attackSamples; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(attackSamples);
        // A quick rise over the first few milliseconds, then a fall to the sustain level.
        const double rise = std::min(1.0, static_cast<double>(i) / (0.004 * PitchRate));
        const double gain = rise * (sustainLevel + (1.0 - sustainLevel) * std::exp(-4.0 * t));
        signal.push_back(gain * waveAt(step * static_cast<double>(i), hz, harmonics));
    }
    const double endGain = sustainLevel + (1.0 - sustainLevel) * std::exp(-4.0);
    for (std::size_t i = 0; i < loopLength; ++i)
        signal.push_back(endGain * waveAt(step * static_cast<double>(attackSamples + i), hz, harmonics));
    ModSample s;
    s.name = name;
    s.data = toEightBit(signal, 120.0);
    s.volume = volume;
    s.loopStart = attackSamples;
    s.loopLength = loopLength;
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

std::vector<double> partials(int baseMidi, double seconds, const std::vector<Partial>& list)
{
    const double f0 = frequencyAtC2(baseMidi);
    const auto length = static_cast<std::size_t>(seconds * PitchRate);
    std::vector<double> out(length, 0.0);
    for (const Partial& p : list) {
        if (p.ratio * f0 >= 0.45 * PitchRate)
            continue;
        for (std::size_t i = 0; i < length; ++i) {
            const double t = static_cast<double>(i) / PitchRate;
            out[i] += p.amplitude * std::exp(-p.decay * t) * std::sin(Tau * p.ratio * f0 * t);
        }
    }
    // A couple of milliseconds of rise: a partial starting at full strength clicks.
    for (std::size_t i = 0; i < length && i < 16; ++i)
        out[i] *= static_cast<double>(i) / 16.0;
    return out;
}

std::vector<double> pulseHarmonics(double duty, int count, double tilt)
{
    std::vector<double> h(static_cast<std::size_t>(count), 0.0);
    for (int k = 1; k <= count; ++k)
        h[static_cast<std::size_t>(k - 1)] = std::sin(std::numbers::pi * k * duty) / std::pow(k, tilt);
    return h;
}

}  // namespace

double frequencyAtC2(int baseMidi)
{
    return 440.0 * std::pow(2.0, (baseMidi - 69) / 12.0 - 2.0 / 1200.0);
}

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

ModSample softSquareLead(int baseMidi)
{
    // Odd harmonics falling off faster than a true square: hollow, but mellow.
    std::vector<double> h(16, 0.0);
    for (int k = 1; k <= 16; k += 2)
        h[static_cast<std::size_t>(k - 1)] = 1.0 / std::pow(k, 1.6);
    return sustained("soft square lead", baseMidi, h, 0.25, 0.75, 50);
}

ModSample pulseLead(int baseMidi, double duty)
{
    return sustained("pulse lead", baseMidi, pulseHarmonics(duty, 16, 1.2), 0.2, 0.7, 64);
}

ModSample fluteLead(int baseMidi)
{
    // Nearly a sine, with a little second and third: soft and breathy.
    return sustained("flute lead", baseMidi, {1.0, 0.22, 0.12, 0.04}, 0.18, 0.8, 60);
}

ModSample chipPad(int baseMidi)
{
    std::vector<double> h = pulseHarmonics(0.5, 24, 1.5);
    h[1] += 0.15;
    return sustained("chip pad", baseMidi, h, 0.15, 0.8, 22);
}

ModSample organ(int baseMidi)
{
    // Drawbars at the fundamental, octave, twelfth and two octaves.
    return sustained("organ", baseMidi, {1.0, 0.7, 0.45, 0.35, 0.0, 0.15, 0.0, 0.12}, 0.05, 0.9, 20);
}

ModSample pluckedBass(int baseMidi)
{
    // A plucked string: bright at the pluck, the upper partials dying first.
    std::vector<Partial> list;
    for (int k = 1; k <= 24; ++k)
        list.push_back({static_cast<double>(k), (k == 1 ? 1.4 : 1.0) / k, 2.2 + 1.1 * k});
    return oneShot("plucked bass", partials(baseMidi, 1.3, list), 42);
}

ModSample rubberBass(int baseMidi)
{
    // Round and bouncy: a strong fundamental, a touch of the octave, short.
    return oneShot("rubber bass", partials(baseMidi, 0.7, {{1.0, 1.0, 4.5}, {2.0, 0.35, 9.0}, {3.0, 0.12, 16.0}}), 50);
}

ModSample sawBass(int baseMidi)
{
    // Every harmonic, the high ones held back: a buzzing, driving bass that
    // sustains for as long as the note is held.
    std::vector<double> h(24, 0.0);
    for (int k = 1; k <= 24; ++k)
        h[static_cast<std::size_t>(k - 1)] = 1.0 / std::pow(k, 1.35);
    return sustained("saw bass", baseMidi, h, 0.12, 0.6, 40);
}

ModSample pulseBass(int baseMidi)
{
    // A console's pulse wave an octave down: hollow and punchy.
    return sustained("pulse bass", baseMidi, pulseHarmonics(0.25, 24, 1.0), 0.08, 0.7, 38);
}

ModSample marimba(int baseMidi)
{
    return oneShot("marimba", partials(baseMidi, 0.8, {{1.0, 1.0, 5.0}, {3.99, 0.35, 14.0}, {9.2, 0.10, 35.0}}), 34);
}

ModSample bell(int baseMidi)
{
    return oneShot("bell",
                   partials(baseMidi, 1.4,
                            {{1.0, 1.0, 2.4},
                             {2.0, 0.45, 3.5},
                             {3.0, 0.22, 5.0},
                             {4.16, 0.16, 7.0},
                             {5.43, 0.10, 9.0},
                             {6.79, 0.06, 12.0}}),
                   40);
}

ModSample electricPiano(int baseMidi)
{
    // A tine: the fundamental rings, a bright bark at the strike fades fast.
    return oneShot("electric piano",
                   partials(baseMidi, 1.2, {{1.0, 1.0, 2.0}, {2.0, 0.25, 4.0}, {7.0, 0.3, 30.0}, {3.0, 0.1, 6.0}}), 32);
}

namespace {

std::vector<double> drumBuffer(double seconds)
{
    return std::vector<double>(static_cast<std::size_t>(seconds * DrumRate), 0.0);
}

// A sine falling in pitch from `high` to `low` Hz: the body of every kick and tom.
void addSweep(std::vector<double>& out, double level, double low, double high, double sweep, double decay)
{
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / DrumRate;
        phase += Tau * (low + (high - low) * std::exp(-t * sweep)) / DrumRate;
        out[i] += level * std::exp(-t * decay) * std::sin(phase);
    }
}

// Noise with its low end taken away by `brightness` (0 white, near 1 hiss only).
void addNoise(std::vector<double>& out, double level, double decay, double brightness, std::uint32_t seed,
              double delay = 0.0)
{
    Noise noise(seed);
    double previous = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / DrumRate - delay;
        const double white = noise.next();
        const double bright = white - brightness * previous;
        previous = white;
        if (t >= 0.0)
            out[i] += level * std::exp(-t * decay) * bright;
    }
}

// Six square waves at unrelated pitches, as a cymbal's metal rings.
void addMetal(std::vector<double>& out, double level, double decay)
{
    const double pitches[] = {205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / DrumRate;
        double v = 0.0;
        for (double p : pitches)
            v += std::sin(Tau * p * 2.0 * t) > 0.0 ? 1.0 : -1.0;
        out[i] += level * std::exp(-t * decay) * v / 6.0;
    }
    // Only the sizzle: the difference of neighbours keeps the highs.
    for (std::size_t i = out.size() - 1; i > 0; --i)
        out[i] -= 0.85 * out[i - 1];
}

ModSample drum(const char* name, const std::vector<double>& signal, int volume)
{
    return oneShot(name, signal, volume);
}

}  // namespace

DrumKit softKit()
{
    DrumKit kit;
    std::vector<double> kick = drumBuffer(0.35);
    addSweep(kick, 1.0, 48.0, 158.0, 28.0, 8.0);
    kit.kick = drum("soft kick", kick, 64);
    std::vector<double> snare = drumBuffer(0.22);
    addNoise(snare, 0.8, 16.0, 0.6, 0x5EED);
    addSweep(snare, 0.7, 185.0, 185.0, 1.0, 30.0);
    kit.snare = drum("soft snare", snare, 48);
    std::vector<double> hat = drumBuffer(0.07);
    addNoise(hat, 1.0, 55.0, 1.0, 0xC10);
    kit.closedHat = drum("soft closed hat", hat, 30);
    std::vector<double> open = drumBuffer(0.3);
    addNoise(open, 1.0, 9.0, 1.0, 0x0BE);
    kit.openHat = drum("soft open hat", open, 24);
    std::vector<double> crash = drumBuffer(1.2);
    addNoise(crash, 0.45, 3.2, 1.0, 0xC7A5);
    addSweep(crash, 1.0, 48.0, 158.0, 28.0, 8.0);
    kit.crash = drum("soft crash", crash, 60);
    std::vector<double> tom = drumBuffer(0.3);
    addSweep(tom, 1.0, 95.0, 155.0, 20.0, 11.0);
    kit.tom = drum("soft tom", tom, 52);
    return kit;
}

DrumKit woodKit()
{
    DrumKit kit;
    // A higher, shorter kick with a knock on top.
    std::vector<double> kick = drumBuffer(0.22);
    addSweep(kick, 1.0, 62.0, 190.0, 40.0, 14.0);
    addNoise(kick, 0.25, 180.0, 0.2, 0x4B1);
    kit.kick = drum("wood kick", kick, 62);
    // Hand claps: three quick bursts of noise and a short tail.
    std::vector<double> clap = drumBuffer(0.25);
    for (double at : {0.0, 0.011, 0.022})
        addNoise(clap, 0.7, 140.0, 0.7, 0xC1A9 + static_cast<std::uint32_t>(at * 1000), at);
    addNoise(clap, 0.5, 22.0, 0.7, 0xC1AF, 0.03);
    kit.snare = drum("hand clap", clap, 46);
    // A shaker: soft hiss that swells and falls.
    std::vector<double> shaker = drumBuffer(0.09);
    addNoise(shaker, 1.0, 38.0, 0.9, 0x5A4);
    for (std::size_t i = 0; i < shaker.size(); ++i)
        shaker[i] *= std::min(1.0, static_cast<double>(i) / (0.012 * DrumRate));
    kit.closedHat = drum("shaker", shaker, 28);
    std::vector<double> tambourine = drumBuffer(0.28);
    addMetal(tambourine, 0.6, 12.0);
    addNoise(tambourine, 0.5, 14.0, 0.95, 0x7A3);
    kit.openHat = drum("tambourine", tambourine, 24);
    std::vector<double> crash = drumBuffer(1.0);
    addMetal(crash, 0.4, 3.5);
    addNoise(crash, 0.3, 3.0, 0.95, 0xC8A);
    addSweep(crash, 1.0, 62.0, 190.0, 40.0, 14.0);
    kit.crash = drum("splash", crash, 56);
    // A wood block, pitched and dry.
    std::vector<double> block = drumBuffer(0.12);
    addSweep(block, 1.0, 620.0, 700.0, 60.0, 45.0);
    addSweep(block, 0.35, 1650.0, 1700.0, 60.0, 70.0);
    kit.tom = drum("wood block", block, 40);
    return kit;
}

DrumKit rockKit()
{
    DrumKit kit;
    // A deep kick with the beater's click.
    std::vector<double> kick = drumBuffer(0.4);
    addSweep(kick, 1.0, 44.0, 210.0, 35.0, 7.0);
    addNoise(kick, 0.35, 300.0, 0.5, 0xB0D);
    kit.kick = drum("rock kick", kick, 64);
    // The snare's shell rings under its wires.
    std::vector<double> snare = drumBuffer(0.28);
    addSweep(snare, 0.9, 180.0, 240.0, 40.0, 22.0);
    addNoise(snare, 0.9, 12.0, 0.4, 0x5A3E);
    kit.snare = drum("rock snare", snare, 50);
    std::vector<double> hat = drumBuffer(0.08);
    addMetal(hat, 1.0, 60.0);
    kit.closedHat = drum("metal hat", hat, 30);
    std::vector<double> open = drumBuffer(0.35);
    addMetal(open, 1.0, 8.0);
    kit.openHat = drum("metal open hat", open, 26);
    std::vector<double> crash = drumBuffer(1.3);
    addMetal(crash, 0.5, 2.6);
    addNoise(crash, 0.35, 2.8, 0.9, 0xCA5);
    addSweep(crash, 1.0, 44.0, 210.0, 35.0, 7.0);
    kit.crash = drum("rock crash", crash, 60);
    std::vector<double> tom = drumBuffer(0.4);
    addSweep(tom, 1.0, 110.0, 170.0, 15.0, 8.0);
    addNoise(tom, 0.15, 60.0, 0.3, 0x70B);
    kit.tom = drum("floor tom", tom, 54);
    return kit;
}

DrumKit chipKit()
{
    DrumKit kit;
    // Noise channels and fast pitch drops, as an old console plays drums.
    std::vector<double> kick = drumBuffer(0.18);
    addSweep(kick, 1.0, 40.0, 320.0, 60.0, 12.0);
    for (double& v : kick)
        v = v > 0.15 ? 0.8 : v < -0.15 ? -0.8 : v * 5.0;  // squared off
    kit.kick = drum("chip kick", kick, 58);
    std::vector<double> snare = drumBuffer(0.16);
    addNoise(snare, 1.0, 20.0, 0.0, 0xC5E);
    addSweep(snare, 0.5, 160.0, 400.0, 50.0, 30.0);
    kit.snare = drum("chip snare", snare, 44);
    std::vector<double> hat = drumBuffer(0.04);
    addNoise(hat, 1.0, 90.0, 1.0, 0xC4A);
    kit.closedHat = drum("chip hat", hat, 28);
    std::vector<double> open = drumBuffer(0.2);
    addNoise(open, 1.0, 14.0, 1.0, 0x0C4);
    kit.openHat = drum("chip open hat", open, 22);
    std::vector<double> crash = drumBuffer(0.9);
    addNoise(crash, 0.5, 4.0, 0.8, 0xCC4);
    addSweep(crash, 1.0, 40.0, 320.0, 60.0, 12.0);
    kit.crash = drum("chip crash", crash, 56);
    std::vector<double> tom = drumBuffer(0.22);
    addSweep(tom, 1.0, 90.0, 260.0, 18.0, 12.0);
    for (double& v : tom)
        v = v > 0.1 ? 0.7 : v < -0.1 ? -0.7 : v * 7.0;
    kit.tom = drum("chip tom", tom, 50);
    return kit;
}

}  // namespace quindel::composer
