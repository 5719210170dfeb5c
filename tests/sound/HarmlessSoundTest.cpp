#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include <sys/stat.h>

#include "AudioTestSupport.h"
#include "sound/SdlAudioLayer.h"
#include "sound/SoundPlayer.h"

namespace quindel {
namespace {

using test::TempDir;

const char* const GameFiles[] = {"pippirul.mod", "century.mod", "arkanoid.mod", "beingboi.mod", "cockatoo.mod",
                                 "KPRLOTOM.wav", "sorry.wav",   "click.wav",    "laser.wav"};

std::vector<char> contentsOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const std::filesystem::path& file, const std::vector<char>& bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// How the music folder of a test's working folder is made up.
using FolderMaker = std::function<void(const std::filesystem::path& music)>;

void noFolder(const std::filesystem::path&) {}

void realFiles(const std::filesystem::path& music)
{
    std::filesystem::create_directory(music);
    for (const char* name : GameFiles) {
        std::filesystem::copy_file(test::musicDir() / name, music / name);
    }
}

void truncatedFiles(const std::filesystem::path& music)
{
    std::filesystem::create_directory(music);
    for (const char* name : GameFiles) {
        std::vector<char> bytes = contentsOf(test::musicDir() / name);
        // Past the headers but well short of the data they promise.
        bytes.resize(std::min<std::size_t>(bytes.size(), 1200));
        writeFile(music / name, bytes);
    }
}

void randomFiles(const std::filesystem::path& music)
{
    std::filesystem::create_directory(music);
    std::uint32_t state = 99;
    for (const char* name : GameFiles) {
        std::vector<char> bytes(3000);
        for (char& b : bytes) {
            state = state * 1664525u + 1013904223u;
            b = static_cast<char>(state >> 24);
        }
        writeFile(music / name, bytes);
    }
}

void emptyFiles(const std::filesystem::path& music)
{
    std::filesystem::create_directory(music);
    for (const char* name : GameFiles) {
        writeFile(music / name, {});
    }
}

// A pipe by every name: opening one for reading blocks until a writer
// comes, which would hang the game before its title.
void pipes(const std::filesystem::path& music)
{
    std::filesystem::create_directory(music);
    for (const char* name : GameFiles) {
        ASSERT_EQ(::mkfifo((music / name).c_str(), 0600), 0);
    }
}

// Endless devices: read to their end, they never end.
void linksToDevZero(const std::filesystem::path& music)
{
    std::filesystem::create_directory(music);
    for (const char* name : GameFiles) {
        std::filesystem::create_symlink("/dev/zero", music / name);
    }
}

// Each the real file at its head, then holes up to 17 MiB.
void hugeFiles(const std::filesystem::path& music)
{
    realFiles(music);
    for (const char* name : GameFiles) {
        std::filesystem::resize_file(music / name, 17 * 1024 * 1024);
    }
}

// Everything the game ever asks of its sounds, in a plausible order.
void playAGame(SoundPlayer& player)
{
    player.playSong(3);
    for (int song : {0, 4, 1, 1, 2, 4}) {
        player.playSong(song);
        player.playMoveSound();
        for (CellColor color : {CellColor::White, CellColor::Blue, CellColor::Green, CellColor::NoColor}) {
            player.playClearSound(color);
        }
    }
}

struct Case {
    const char* what;
    const char* driver;
    FolderMaker folder;
    bool opens;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.what;
}

class HarmlessSoundTest : public ::testing::TestWithParam<Case> {};

TEST_P(HarmlessSoundTest, TheGamesSoundCallsNeverFail)
{
    const Case c = GetParam();
    TempDir dir("harmless");
    c.folder(dir.path() / "music");
    test::WorkingDirectory cwd(dir.path());
    // For the disk case: a folder that does not exist, so the device cannot open.
    test::useAudioDriver(c.driver, dir.path() / "missing" / "out.raw");

    SdlAudioLayer layer;
    {
        SoundPlayer player(layer);
        EXPECT_EQ(layer.isOpen(), c.opens) << c.what;
        playAGame(player);
        EXPECT_TRUE(player.songLoaded());
        player.setMusicVolume(3);
        player.pauseMusic();
        player.setMuted(true);
        player.playClearSound(CellColor::Blue);
        player.resumeMusic();
    }
    EXPECT_FALSE(layer.isOpen());
    // The layer has been closed; a second close or stray calls are harmless too.
    layer.playSound(static_cast<SampleHandle>(1));
    layer.playSong(static_cast<SongHandle>(5));
    layer.freeSong(static_cast<SongHandle>(5));
    layer.close();
}

INSTANTIATE_TEST_SUITE_P(Failures, HarmlessSoundTest,
                         ::testing::Values(Case{"dummy device, the real files", "dummy", realFiles, true},
                                           Case{"dummy device, no music folder", "dummy", noFolder, true},
                                           Case{"dummy device, truncated files", "dummy", truncatedFiles, true},
                                           Case{"dummy device, random bytes", "dummy", randomFiles, true},
                                           Case{"dummy device, empty files", "dummy", emptyFiles, true},
                                           Case{"dummy device, pipes", "dummy", pipes, true},
                                           Case{"dummy device, links to /dev/zero", "dummy", linksToDevZero, true},
                                           Case{"dummy device, files over 16 MiB", "dummy", hugeFiles, true},
                                           Case{"a driver that does not exist", "no-such-driver", realFiles, false},
                                           Case{"a disk device that cannot write", "disk", realFiles, false}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

// Broken files give null handles rather than half-working ones, and handles
// that were never given out, or were freed, do nothing.
TEST(SdlAudioLayerTest, BrokenFilesAndStrangeHandlesGiveSilence)
{
    TempDir dir("broken");
    const auto music = dir.path() / "music";
    randomFiles(music);
    test::useAudioDriver("dummy");

    SdlAudioLayer layer;
    layer.init(44100, 32, 8);
    ASSERT_TRUE(layer.isOpen());
    EXPECT_EQ(layer.loadSong((music / "century.mod").string()), SongHandle::None);
    EXPECT_EQ(layer.loadSample((music / "click.wav").string()), SampleHandle::None);
    EXPECT_EQ(layer.loadSong((dir.path() / "absent.mod").string()), SongHandle::None);
    EXPECT_EQ(layer.loadSample((dir.path() / "absent.wav").string()), SampleHandle::None);

    const SongHandle song = layer.loadSong((test::musicDir() / "century.mod").string());
    const SampleHandle sample = layer.loadSample((test::musicDir() / "click.wav").string());
    ASSERT_NE(song, SongHandle::None);
    ASSERT_NE(sample, SampleHandle::None);
    layer.playSong(song);
    layer.playSong(song);
    layer.freeSong(song);
    layer.freeSong(song);
    layer.playSong(song);
    layer.playSound(static_cast<SampleHandle>(static_cast<std::uint32_t>(song)));  // a song's number as a sample
    layer.playSong(static_cast<SongHandle>(static_cast<std::uint32_t>(sample)));   // and the other way round
    layer.playSound(SampleHandle::None);
    layer.freeSong(SongHandle::None);
    for (int i = 0; i < 40; ++i) {
        layer.playSound(sample);  // more than the 32 channels at once
    }
    layer.close();
}

}  // namespace
}  // namespace quindel
