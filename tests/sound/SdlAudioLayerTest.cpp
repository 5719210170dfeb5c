#include <gtest/gtest.h>

#include "AudioTestSupport.h"
#include "sound/SdlAudioLayer.h"
#include "sound/SoundPlayer.h"

namespace quindel {
namespace {

using test::TempDir;

// The disk device writes signed 16-bit stereo at 44.1 kHz.
constexpr std::uintmax_t BytesPerSecond = 44100 * 2 * 2;
constexpr std::size_t Window = 2 * 441 * 5;  // 50 ms of stereo samples
// A window this loud is plainly audible; the device's silence is exactly 0.
constexpr double Audible = 300.0;

struct PlayCase {
    const char* file;
    bool song;
};

void PrintTo(const PlayCase& c, std::ostream* out)
{
    *out << c.file;
}

class DiskAudioTest : public ::testing::TestWithParam<PlayCase> {};

TEST_P(DiskAudioTest, PlayingProducesSound)
{
    const PlayCase c = GetParam();
    TempDir dir("disk");
    const auto out = dir.path() / "out.raw";
    test::useAudioDriver("disk", out);

    SdlAudioLayer layer;
    layer.init(44100, 32, 8);
    ASSERT_TRUE(layer.isOpen());
    const std::string file = (test::musicDir() / c.file).string();
    std::uintmax_t start = 0;
    if (c.song) {
        const SongHandle song = layer.loadSong(file);
        ASSERT_NE(song, SongHandle::None);
        start = test::outputBytes(out);
        layer.playSong(song);
    } else {
        const SampleHandle sample = layer.loadSample(file);
        ASSERT_NE(sample, SampleHandle::None);
        start = test::outputBytes(out);
        layer.playSound(sample);
    }
    // Half a second heard after the play call has returned: a test starved of
    // the processor between counting `start` and that call must not find the
    // disk device already half a second further on.
    ASSERT_TRUE(test::waitForOutput(out, test::outputBytes(out) + BytesPerSecond / 2));
    layer.close();

    EXPECT_GT(test::loudestWindowRms(test::readPcm(out, start), Window), Audible) << c.file;
}

INSTANTIATE_TEST_SUITE_P(EveryFileOfTheGame, DiskAudioTest,
                         ::testing::Values(PlayCase{"pippirul.mod", true}, PlayCase{"century.mod", true},
                                           PlayCase{"arkanoid.mod", true}, PlayCase{"beingboi.mod", true},
                                           PlayCase{"cockatoo.mod", true}, PlayCase{"KPRLOTOM.wav", false},
                                           PlayCase{"sorry.wav", false}, PlayCase{"click.wav", false},
                                           PlayCase{"laser.wav", false}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST(DiskAudio, FreeingThePlayingSongSilencesIt)
{
    TempDir dir("free");
    const auto out = dir.path() / "out.raw";
    test::useAudioDriver("disk", out);

    SdlAudioLayer layer;
    layer.init(44100, 32, 8);
    ASSERT_TRUE(layer.isOpen());
    const SongHandle song = layer.loadSong((test::musicDir() / "century.mod").string());
    ASSERT_NE(song, SongHandle::None);
    const std::uintmax_t start = test::outputBytes(out);
    layer.playSong(song);
    ASSERT_TRUE(test::waitForOutput(out, test::outputBytes(out) + BytesPerSecond / 2));
    layer.freeSong(song);
    const std::uintmax_t freedAt = test::outputBytes(out);
    ASSERT_TRUE(test::waitForOutput(out, freedAt + BytesPerSecond / 2));
    // A freed handle is dead: playing it again must not bring the song back.
    layer.playSong(song);
    const std::uintmax_t replayedAt = test::outputBytes(out);
    ASSERT_TRUE(test::waitForOutput(out, replayedAt + BytesPerSecond / 4));
    layer.close();

    EXPECT_GT(test::rms(test::readPcm(out, start)), Audible);
    // Buffers mixed before the free may still reach the file just after it.
    const std::uintmax_t slack = 4 * 1024 * 4;
    std::vector<std::int16_t> after = test::readPcm(out, freedAt + slack);
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(test::loudestWindowRms(after, Window), 0.0);
}

// The player as the game makes it, in a working folder that holds the
// game's music folder, so the names with their doubled slash are the ones
// tried: the title song and a clear sound are heard together.
TEST(DiskAudio, ThePlayerFindsTheGamesFilesFromItsWorkingFolder)
{
    TempDir dir("player");
    const auto out = dir.path() / "out.raw";
    std::filesystem::create_directory_symlink(test::musicDir(), dir.path() / "music");
    test::WorkingDirectory cwd(dir.path());
    test::useAudioDriver("disk", out);

    SdlAudioLayer layer;
    std::uintmax_t start = 0;
    {
        SoundPlayer player(layer);
        player.playSong(3);
        player.playClearSound(CellColor::Blue);
        // Counted from here: loading the song can take longer than the
        // stretch of output the test listens to.
        start = test::outputBytes(out);
        ASSERT_TRUE(test::waitForOutput(out, start + BytesPerSecond / 2));
    }
    EXPECT_FALSE(layer.isOpen());
    EXPECT_GT(test::rms(test::readPcm(out, start)), Audible);
}

}  // namespace
}  // namespace quindel
