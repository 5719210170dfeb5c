#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

#include "AudioTestSupport.h"
#include "sound/Mixer.h"
#include "sound/ModuleDecoder.h"
#include "sound/SdlAudioLayer.h"

namespace quindel {
namespace {

using test::TempDir;

constexpr int Rate = 44100;
constexpr std::uintmax_t BytesPerSecond = Rate * 2 * 2;

std::string music(const char* name)
{
    return (test::musicDir() / name).string();
}

std::vector<std::int16_t> withoutLeadingSilence(const std::vector<std::int16_t>& pcm)
{
    const auto first = std::find_if(pcm.begin(), pcm.end(), [](std::int16_t v) { return v != 0; });
    return std::vector<std::int16_t>(pcm.begin() + (first - pcm.begin()) / 2 * 2, pcm.end());
}

// One run of the real layer on SDL's disk driver: `act` plays what it likes
// and waits for output with `waitSeconds`; the result is everything the
// device wrote, without the silence before the first sound.
std::vector<std::int16_t> diskRun(const std::string& name,
                                  const std::function<void(SdlAudioLayer&, const std::function<void(double)>&)>& act)
{
    TempDir dir(name);
    const auto out = dir.path() / "out.raw";
    test::useAudioDriver("disk", out);
    SdlAudioLayer layer;
    layer.init(Rate, 32, 8);
    EXPECT_TRUE(layer.isOpen());
    const auto waitSeconds = [&out](double seconds) {
        ASSERT_TRUE(
            test::waitForOutput(out, test::outputBytes(out) + static_cast<std::uintmax_t>(seconds * BytesPerSecond)));
    };
    act(layer, waitSeconds);
    layer.close();
    return withoutLeadingSilence(test::readPcm(out));
}

double rmsDb(const std::vector<std::int16_t>& pcm, std::size_t frames)
{
    const std::vector<std::int16_t> part(pcm.begin(),
                                         pcm.begin() + static_cast<std::ptrdiff_t>(std::min(pcm.size(), 2 * frames)));
    return 20.0 * std::log10(test::rms(part) + 1e-9);
}

struct VolumeCase {
    const char* what;
    int musicVolume;
    int effectsVolume;
    bool muted;
    bool song;
    bool effect;
    std::optional<double> decibels;  // against the same sound at full volume; none for silence
};

void PrintTo(const VolumeCase& c, std::ostream* out)
{
    *out << c.what;
}

class SoundControlsTest : public ::testing::TestWithParam<VolumeCase> {};

// The same opening second of the same song, or the same clear sound, at a
// lower setting comes out exactly the volume's steps quieter, and off or
// muted it is silence.
TEST_P(SoundControlsTest, OutputLoudnessFollowsTheVolumes)
{
    const VolumeCase c = GetParam();
    auto run = [](const VolumeCase& settings) {
        return diskRun("volume", [&settings](SdlAudioLayer& layer, const auto& waitSeconds) {
            const SongHandle song = layer.loadSong(music("century.mod"));
            const SampleHandle sample = layer.loadSample(music("laser.wav"));
            layer.setMusicVolume(settings.musicVolume);
            layer.setEffectsVolume(settings.effectsVolume);
            layer.setMuted(settings.muted);
            waitSeconds(0.05);
            if (settings.song)
                layer.playSong(song);
            if (settings.effect)
                layer.playSound(sample);
            waitSeconds(1.2);
        });
    };
    const std::vector<std::int16_t> heard = run(c);
    if (!c.decibels) {
        EXPECT_TRUE(std::all_of(heard.begin(), heard.end(), [](std::int16_t v) { return v == 0; }));
        return;
    }
    const VolumeCase full{"", 10, 10, false, c.song, c.effect, 0.0};
    const std::vector<std::int16_t> reference = run(full);
    const std::size_t frames = c.song ? Rate : Rate / 5;
    ASSERT_GE(heard.size(), 2 * frames);
    ASSERT_GE(reference.size(), 2 * frames);
    const double measured = rmsDb(heard, frames) - rmsDb(reference, frames);
    RecordProperty("decibels", std::to_string(measured));
    EXPECT_NEAR(measured, *c.decibels, 0.3);
}

INSTANTIATE_TEST_SUITE_P(MusicAndEffects, SoundControlsTest,
                         ::testing::Values(VolumeCase{"music at 5", 5, 10, false, true, false, -15.0},
                                           VolumeCase{"music at 1", 1, 10, false, true, false, -27.0},
                                           VolumeCase{"music off", 0, 10, false, true, false, std::nullopt},
                                           VolumeCase{"effects at 6", 10, 6, false, false, true, -12.0},
                                           VolumeCase{"effects off", 10, 0, false, false, true, std::nullopt},
                                           VolumeCase{"both off", 0, 0, false, true, true, std::nullopt},
                                           VolumeCase{"muted at full volume", 10, 10, true, true, true, std::nullopt}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// The paused song falls silent and, resumed, goes on from where it stopped:
// what follows the silence is the song's own continuation, found in a
// reference mix of the same song within 50 ms of where the silence began.
TEST(SoundControls, PausedMusicIsSilentAndGoesOnWhereItStopped)
{
    const std::vector<std::int16_t> heard = diskRun("pause", [](SdlAudioLayer& layer, const auto& waitSeconds) {
        layer.playSong(layer.loadSong(music("pippirul.mod")));
        waitSeconds(1.5);
        layer.pauseMusic();
        waitSeconds(1.0);
        layer.resumeMusic();
        waitSeconds(1.5);
    });
    // The longest run of silent frames is the pause.
    std::size_t gapStart = 0;
    std::size_t gapLength = 0;
    for (std::size_t f = 0, run = 0; f < heard.size() / 2; ++f) {
        run = heard[2 * f] == 0 && heard[2 * f + 1] == 0 ? run + 1 : 0;
        if (run > gapLength) {
            gapLength = run;
            gapStart = f + 1 - run;
        }
    }
    EXPECT_GT(gapLength, static_cast<std::size_t>(Rate / 2));
    const std::size_t resumed = gapStart + gapLength;
    ASSERT_GT(heard.size() / 2, resumed + Rate / 2);

    auto decoder = ModuleDecoder::fromFile(music("pippirul.mod"));
    ASSERT_NE(decoder, nullptr);
    Mixer mixer(Rate, 2);
    mixer.setSong(decoder.get());
    std::vector<std::int16_t> mixed(2 * (gapStart + Rate));
    mixer.mix(mixed);
    mixer.setSong(nullptr);
    const std::vector<std::int16_t> reference = withoutLeadingSilence(mixed);
    // Skip the 10 ms the music takes to come back in.
    const std::size_t window = 2048;
    const std::size_t probe = resumed + 1000;
    // The closest stretch of the reference, by the mean difference per
    // sample; the song's own continuation differs only in the last bit.
    std::optional<std::size_t> foundAt;
    double closest = 1e9;
    for (std::size_t at = gapStart > 4000 ? gapStart - 4000 : 0; at + window < reference.size() / 2; ++at) {
        double difference = 0.0;
        for (std::size_t i = 0; i < 2 * window && difference < closest * 2 * window; ++i)
            difference += std::abs(reference[2 * at + i] - heard[2 * probe + i]);
        difference /= 2.0 * window;
        if (difference < closest) {
            closest = difference;
            foundAt = at;
        }
    }
    EXPECT_LT(closest, 1.0);
    ASSERT_TRUE(foundAt.has_value());
    const double jumpMs = (static_cast<double>(*foundAt) - 1000.0 - static_cast<double>(gapStart)) * 1000.0 / Rate;
    RecordProperty("jump_ms", std::to_string(jumpMs));
    EXPECT_NEAR(jumpMs, 0.0, 50.0);
}

// Every effect started again and again over each song at full volume: the
// output never reaches full scale; the limiter keeps it under -1 dBFS.
TEST(SoundControls, ABurstOfEffectsOverTheLoudestMusicNeverClips)
{
    for (const char* song : {"pippirul.mod", "century.mod", "arkanoid.mod", "beingboi.mod", "cockatoo.mod"}) {
        const std::vector<std::int16_t> heard = diskRun("burst", [song](SdlAudioLayer& layer, const auto& waitSeconds) {
            std::vector<SampleHandle> effects;
            for (const char* name : {"KPRLOTOM.wav", "sorry.wav", "click.wav", "laser.wav"})
                effects.push_back(layer.loadSample(music(name)));
            layer.playSong(layer.loadSong(music(song)));
            waitSeconds(0.3);
            for (int round = 0; round < 40; ++round) {
                for (SampleHandle e : effects)
                    layer.playSound(e);
                waitSeconds(0.035);
            }
            waitSeconds(0.5);
        });
        int peak = 0;
        for (std::int16_t v : heard)
            peak = std::max(peak, std::abs(static_cast<int>(v)));
        const double peakDb = 20.0 * std::log10(peak / 32768.0);
        RecordProperty(song, std::to_string(peakDb));
        std::cout << song << ": burst peak " << peakDb << " dBFS\n";
        EXPECT_LT(peak, 32767) << song;
        EXPECT_LE(peakDb, -0.9) << song;
    }
}

}  // namespace
}  // namespace quindel
