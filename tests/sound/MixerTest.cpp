#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "sound/Limiter.h"
#include "sound/Mixer.h"

namespace quindel {
namespace {

constexpr int Rate = 44100;

std::vector<std::int16_t> mixFrames(Mixer& mixer, std::size_t frames)
{
    std::vector<std::int16_t> out(2 * frames);
    for (std::size_t at = 0; at < frames; at += 1024) {
        const std::size_t now = std::min<std::size_t>(1024, frames - at);
        mixer.mix(std::span<std::int16_t>(out.data() + 2 * at, 2 * now));
    }
    return out;
}

int peakOf(const std::vector<std::int16_t>& pcm)
{
    int peak = 0;
    for (std::int16_t v : pcm)
        peak = std::max(peak, std::abs(static_cast<int>(v)));
    return peak;
}

// Two clears of one colour in one pass are asked for before the next buffer:
// the player hears one start, not a doubled one. A start a pass later is
// heard again, and cuts the first off instead of piling onto it. A flat
// pulse of 8000 lasting 17640 frames (0.4 s) shows each of these exactly.
TEST(MixerTest, ASampleStartsOncePerPassAndANewStartCutsTheOld)
{
    const std::vector<std::int16_t> pulse(2 * 17640, 8000);
    struct Probe {
        std::size_t frame;
        int level;
    };
    struct Case {
        const char* what;
        std::vector<std::size_t> starts;  // frames, each at a 64-frame buffer
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {"twice before the next buffer", {0, 0}, {{100, 8000}, {17500, 8000}, {17800, 0}}},
        {"three times within 30 ms", {0, 64, 1216}, {{1300, 8000}, {17500, 8000}, {17800, 0}}},
        {"a second pass 600 ms later", {0, 26432}, {{100, 8000}, {20000, 0}, {26600, 8000}, {43900, 8000}}},
        // The cut-off pulse fades out in 4 ms while the new one starts: after
        // that only one sounds, and the last start decides when it ends.
        {"a held key's repeats every 35 ms",
         {0, 1536, 3072, 4608},
         {{1400, 8000}, {1536 + 300, 8000}, {3072 + 300, 8000}, {4608 + 17500, 8000}, {4608 + 17800, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Mixer mixer(Rate, 2);
        const int sample = mixer.addSample(pulse);
        std::vector<std::int16_t> heard;
        std::size_t next = 0;
        for (std::size_t frame = 0; frame < Rate + 4096; frame += 64) {
            for (; next < c.starts.size() && c.starts[next] == frame; ++next)
                mixer.play(sample);
            const std::vector<std::int16_t> part = mixFrames(mixer, 64);
            heard.insert(heard.end(), part.begin(), part.end());
        }
        // The limiter's look-ahead delays everything by the same 66 frames.
        for (const Probe& p : c.probes) {
            EXPECT_EQ(heard[2 * (p.frame + 66)], p.level) << "at frame " << p.frame;
        }
        EXPECT_LE(peakOf(heard), 16000);
    }
}

// Whatever goes in, nothing over the ceiling comes out; what stays under it
// comes out unchanged, only late by the look-ahead.
TEST(MixerTest, TheLimiterNeverLetsAPeakThroughAndLeavesQuietSoundAlone)
{
    Limiter limiter(2, 0.891f, 66, 3528);
    std::uint32_t state = 7;
    auto noise = [&state]() {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(state >> 8) / static_cast<float>(1u << 23) - 1.0f;
    };
    std::vector<float> signal;
    for (int i = 0; i < 4 * Rate; ++i) {
        // Bursts of noise up to six times full scale between quiet passages.
        const float level = (i / 5000) % 3 == 0 ? 6.0f * noise() : 0.3f;
        signal.push_back(level * noise());
        signal.push_back(level * noise());
    }
    std::vector<float> out = signal;
    for (std::size_t at = 0; at < out.size(); at += 2048)
        limiter.process(std::span<float>(out.data() + at, std::min<std::size_t>(2048, out.size() - at)));
    float peak = 0.0f;
    for (float v : out)
        peak = std::max(peak, std::fabs(v));
    // Only the float sums' last bits may go past it.
    EXPECT_LE(peak, 0.891f * 1.00001f);
    EXPECT_LT(limiter.takeLowestGain(), 0.3f);

    Limiter gentle(2, 0.891f, 66, 3528);
    std::vector<float> quiet(signal.begin(), signal.begin() + 2 * 4000);
    for (float& v : quiet)
        v = std::clamp(v, -0.5f, 0.5f);
    std::vector<float> passed = quiet;
    gentle.process(passed);
    for (std::size_t i = 2 * 66; i < passed.size(); ++i) {
        ASSERT_FLOAT_EQ(passed[i], quiet[i - 2 * 66]) << i;
    }
    EXPECT_EQ(gentle.takeLowestGain(), 1.0f);
}

}  // namespace
}  // namespace quindel
