#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "AudioTestSupport.h"
#include "FrequencyContent.h"
#include "LoudnessMeter.h"
#include "ModulePass.h"
#include "ProTrackerModule.h"
#include "SoundCheck.h"
#include "SoundEffects.h"

namespace quindel {
namespace {

using composer::SoundCheck;

constexpr int Rate = 44100;
const char* const Songs[] = {"pippirul.mod", "century.mod", "arkanoid.mod", "beingboi.mod", "cockatoo.mod"};

std::vector<float> sine(double hz, double amplitude, double seconds)
{
    std::vector<float> out(static_cast<std::size_t>(seconds * Rate));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>(amplitude * std::sin(2.0 * std::numbers::pi * hz * static_cast<double>(i) / Rate));
    return out;
}

std::vector<float> stereo(const std::vector<float>& mono)
{
    std::vector<float> out;
    for (float v : mono) {
        out.push_back(v);
        out.push_back(v);
    }
    return out;
}

// The yardsticks themselves, on sounds whose answers are known: BS.1770
// reads a 1 kHz sine at -20 dBFS on both channels as -20 LUFS and gates the
// silence after it away; the tuning finds a tone 7 cents sharp; the walk
// through a module counts a repeated pattern once.
TEST(MusicQualityTest, TheYardsticksReadKnownSoundsRight)
{
    const double amplitude = std::pow(10.0, -20.0 / 20.0);
    composer::LoudnessMeter meter(Rate, 2);
    meter.add(std::span<const float>(stereo(sine(1000.0, amplitude, 10.0))));
    EXPECT_NEAR(meter.integrated(), -20.0, 0.1);
    meter.add(std::span<const float>(std::vector<float>(2 * 10 * Rate, 0.0f)));
    EXPECT_NEAR(meter.integrated(), -20.0, 0.1);
    EXPECT_NEAR(meter.loudestMomentary(), -20.0, 0.1);

    for (double cents : {-17.7, 0.0, 7.0}) {
        const std::vector<float> tone = sine(440.0 * std::pow(2.0, (3 + cents / 100.0) / 12.0), 0.5, 3.0);
        EXPECT_NEAR(composer::FrequencyContent::tuning(tone, Rate).cents, cents, 0.5) << cents;
    }

    composer::ProTrackerModule module("walk");
    const int sample = module.addSample(composer::ModSample{"s", std::vector<std::int8_t>(64, 40), 64, 0, 0});
    for (int p = 0; p < 3; ++p) {
        module.addPattern();
        module.appendOrder(p);
        // Patterns 0 and 2 play the same notes; the drums (channel 3) differ.
        module.cell(p, 0, 0) = composer::ModCell{p == 1 ? 20 : 13, sample, 0, 0};
        module.cell(p, 16 * p, 3) = composer::ModCell{13, sample, 0, 0};
    }
    module.cell(0, 0, 1) = composer::ModCell{0, 0, 0xF, 150};  // a tempo, which is no material
    module.cell(2, 63, 1) = composer::ModCell{0, 0, 0xB, 1};   // round to the second pattern
    const std::vector<std::uint8_t> bytes = module.bytes();
    const auto pass = composer::ModulePass::walk(bytes);
    ASSERT_TRUE(pass.has_value());
    EXPECT_EQ(pass->bars, 12);
    // Bars 1-3 of each pattern are empty and so the same; pattern 2's first
    // bar repeats pattern 0's.
    EXPECT_EQ(pass->distinctBars, 3);
    EXPECT_NEAR(pass->seconds, 64.0 * 6 * 2.5 / 150 * 3, 1e-9);
    EXPECT_FALSE(composer::ModulePass::walk(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 1000)));
}

// Every song sits on A440 within 5 cents, as loud as the others within
// 1.5 LU, with headroom; each level song plays at least 90 s of new material
// before it goes round. Against them, the move tick is short, bright and a
// few LU under every song; the three clears are alike in loudness, a few LU
// over every song, and fade in and out instead of clicking. (One test, so
// the songs are decoded and measured once.)
TEST(MusicQualityTest, SongsAndEffectsSitWhereTheyShould)
{
    std::vector<SoundCheck::Song> songs;
    for (const char* name : Songs) {
        SCOPED_TRACE(name);
        const auto measured = SoundCheck::song((test::musicDir() / name).string());
        ASSERT_TRUE(measured.has_value());
        const SoundCheck::Song& s = *measured;
        EXPECT_LE(std::fabs(s.tuning.cents), 5.0);
        EXPECT_NEAR(s.lufs, composer::MusicLufs, 1.5);
        EXPECT_LT(s.peakDb, -3.0);
        const bool levelSong = std::string(name) != "beingboi.mod" && std::string(name) != "cockatoo.mod";
        if (levelSong) {
            EXPECT_GE(s.distinctSeconds, 90.0);
        }
        songs.push_back(s);
    }

    const auto tick = SoundCheck::effect((test::musicDir() / "KPRLOTOM.wav").string());
    ASSERT_TRUE(tick.has_value());
    EXPECT_LT(tick->seconds, 0.060);
    EXPECT_GT(tick->bands[2], 0.8) << "energy between 1 and 5 kHz";
    std::vector<double> clears;
    for (const char* name : {"sorry.wav", "click.wav", "laser.wav"}) {
        SCOPED_TRACE(name);
        const auto e = SoundCheck::effect((test::musicDir() / name).string());
        ASSERT_TRUE(e.has_value());
        clears.push_back(e->lufs);
        EXPECT_LT(e->startDb, -20.0);
        EXPECT_LT(e->endDb, -40.0);
        for (std::size_t i = 0; i < songs.size(); ++i) {
            SCOPED_TRACE(Songs[i]);
            const double over = e->lufs - songs[i].lufs;
            EXPECT_GE(over, 1.5);
            EXPECT_LE(over, 5.0);
            const double tickUnder = songs[i].lufs - tick->lufs;
            EXPECT_GE(tickUnder, 2.0);
            EXPECT_LE(tickUnder, 8.0);
        }
    }
    EXPECT_LE(*std::max_element(clears.begin(), clears.end()) - *std::min_element(clears.begin(), clears.end()), 2.0);
}

}  // namespace
}  // namespace quindel
