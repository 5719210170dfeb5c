#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingAudioLayer.h"
#include "sound/SoundPlayer.h"
#include "sound/SoundRequestObserver.h"

namespace quindel {
namespace {

using Log = std::vector<std::string>;

const Log StartUp{
    "init 44100 32 8",
    "loadSample music//KPRLOTOM.wav -> 1",
    "loadSample music//sorry.wav -> 2",
    "loadSample music//click.wav -> 3",
    "loadSample music//laser.wav -> 4",
};

Log after(const Log& log, std::size_t skip)
{
    return Log(log.begin() + static_cast<std::ptrdiff_t>(skip), log.end());
}

TEST(SoundPlayerTest, StartsTheLibraryAndLoadsTheFourSamplesInOrder)
{
    RecordingAudioLayer layer;
    {
        SoundPlayer player(layer);
        EXPECT_EQ(layer.log, StartUp);
        EXPECT_FALSE(player.songLoaded());
    }
    // No song was ever asked for, so there is none to free.
    EXPECT_EQ(after(layer.log, StartUp.size()), Log{"close"});
}

// Title, level 1, its clear, Enter to level 2, the same song again, a landing
// that clears a white and a green line, and the end of the game.
TEST(SoundPlayerTest, ASessionCallsTheLayerInTheOrderTheGameReliesOn)
{
    RecordingAudioLayer layer;
    {
        SoundPlayer player(layer);
        player.playSong(3);
        EXPECT_TRUE(player.songLoaded());
        player.playSong(0);
        player.playSong(4);
        player.playSong(1);
        player.playSong(1);
        player.playClearSound(CellColor::White);
        player.playClearSound(CellColor::Green);
        player.playMoveSound();
    }
    const Log expected{
        "loadSong music//beingboi.mod -> 5",
        "playSong 5",
        "freeSong 5",
        "loadSong music//pippirul.mod -> 6",
        "playSong 6",
        "freeSong 6",
        "loadSong music//cockatoo.mod -> 7",
        "playSong 7",
        "freeSong 7",
        "loadSong music//century.mod -> 8",
        "playSong 8",
        // Asking for the playing song again frees it and starts it afresh.
        "freeSong 8",
        "loadSong music//century.mod -> 9",
        "playSong 9",
        "playSound 2",
        "playSound 4",
        "playSound 1",
        "freeSong 9",
        "close",
    };
    EXPECT_EQ(after(layer.log, StartUp.size()), expected);
}

TEST(SoundPlayerTest, ClearSoundsFollowTheLineColour)
{
    struct Case {
        std::int32_t color;
        Log calls;
    };
    const Case cases[] = {
        {201, {"playSound 2"}},
        {202, {"playSound 3"}},
        {203, {"playSound 4"}},
        {200, {}},  // NoColor
        {0, {}},
        {204, {}},
        {-1, {}},
    };
    for (const Case& c : cases) {
        RecordingAudioLayer layer;
        SoundPlayer player(layer);
        player.playClearSound(static_cast<CellColor>(c.color));
        EXPECT_EQ(after(layer.log, StartUp.size()), c.calls) << "colour " << c.color;
    }
}

// A sample or song that failed to load still gets its calls, with the null
// handle: the layer is the one that makes them harmless.
TEST(SoundPlayerTest, FailedLoadsAreCalledWithNullHandles)
{
    RecordingAudioLayer layer;
    layer.failing = {"music//sorry.wav", "music//beingboi.mod"};
    {
        SoundPlayer player(layer);
        player.playClearSound(CellColor::White);
        player.playSong(3);
        player.playSong(0);
    }
    const Log expected{
        "playSound 0",
        "loadSong music//beingboi.mod -> 0",
        "playSong 0",
        "freeSong 0",
        "loadSong music//pippirul.mod -> 4",
        "playSong 4",
        "freeSong 4",
        "close",
    };
    EXPECT_EQ(layer.log[2], "loadSample music//sorry.wav -> 0");
    EXPECT_EQ(after(layer.log, StartUp.size()), expected);
}

TEST(SoundPlayerTest, SongIndexesOutsideTheTableChangeNothing)
{
    RecordingAudioLayer layer;
    SoundPlayer player(layer);
    player.playSong(2);
    for (int index : {-1, 5, 99}) {
        player.playSong(index);
    }
    EXPECT_EQ(after(layer.log, StartUp.size()), (Log{"loadSong music//arkanoid.mod -> 5", "playSong 5"}));
}

class RecordingObserver final : public SoundRequestObserver {
public:
    void songRequested(int index) override { log.push_back("song " + std::to_string(index)); }
    void moveRequested() override { log.push_back("move"); }
    void clearRequested(CellColor color) override
    {
        log.push_back("clear " + std::to_string(static_cast<std::int32_t>(color)));
    }
    Log log;
};

// The controls reach the layer clamped to 0..10, a new song ends a pause,
// and none of them is a request of the game's: the observer, which the
// scripted run prints, hears nothing of them.
TEST(SoundPlayerTest, ControlsReachTheLayerClampedAndAreNoRequests)
{
    RecordingAudioLayer layer;
    RecordingObserver observer;
    SoundPlayer player(layer);
    player.setObserver(&observer);
    player.setMusicVolume(4);
    player.setMusicVolume(11);
    player.setEffectsVolume(-2);
    player.setMuted(true);
    player.setMuted(false);
    player.pauseMusic();
    EXPECT_TRUE(player.musicPaused());
    player.playSong(1);
    EXPECT_FALSE(player.musicPaused());
    player.pauseMusic();
    player.resumeMusic();
    EXPECT_EQ(player.musicVolume(), 10);
    EXPECT_EQ(player.effectsVolume(), 0);
    EXPECT_FALSE(player.muted());
    EXPECT_FALSE(player.musicPaused());
    EXPECT_EQ(after(layer.log, StartUp.size()),
              (Log{"setMusicVolume 4", "setMusicVolume 10", "setEffectsVolume 0", "setMuted on", "setMuted off",
                   "pauseMusic", "loadSong music//century.mod -> 5", "playSong 5", "pauseMusic", "resumeMusic"}));
    EXPECT_EQ(observer.log, Log{"song 1"});
}

TEST(SoundPlayerTest, TheObserverHearsEveryRequestEvenWhenNothingPlays)
{
    RecordingAudioLayer layer;
    layer.failing = {"music//KPRLOTOM.wav", "music//beingboi.mod"};
    RecordingObserver observer;
    SoundPlayer player(layer);
    player.setObserver(&observer);
    player.playSong(3);
    player.playMoveSound();
    player.playClearSound(CellColor::Blue);
    player.playClearSound(CellColor::NoColor);
    player.setObserver(nullptr);
    player.playMoveSound();
    EXPECT_EQ(observer.log, (Log{"song 3", "move", "clear 202", "clear 200"}));
}

}  // namespace
}  // namespace quindel
