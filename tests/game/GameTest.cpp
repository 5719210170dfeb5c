#include "game/Game.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "core/TimeSource.h"
#include "sound/SilentAudioLayer.h"
#include "sound/SoundPlayer.h"
#include "sound/SoundRequestObserver.h"
#include "store/HallOfFame.h"

namespace quindel {
namespace {

// What the Game asked of its window, in order.
class RecordingWindow final : public GameWindow {
public:
    std::vector<std::string> calls;

    void sendPaint(RedrawRequest request) override
    {
        calls.push_back("paint " + std::to_string(static_cast<int>(request)));
    }
    void startTimer(std::uint32_t ms) override { calls.push_back("timer " + std::to_string(ms)); }
    void killTimer() override { calls.push_back("kill"); }
    void waitFrame(std::uint32_t ms) override { calls.push_back("wait " + std::to_string(ms)); }
    Game* game = nullptr;

    void pumpMessages() override
    {
        calls.push_back("pump");
        game->quit();
    }
};

class SongRecorder final : public SoundRequestObserver {
public:
    std::vector<int> songs;
    void songRequested(int index) override { songs.push_back(index); }
    void moveRequested() override {}
    void clearRequested(CellColor) override {}
};

class FixedTime final : public TimeSource {
public:
    std::int64_t seconds() const override { return 1700000000; }
};

class GameTest : public ::testing::Test {
protected:
    GameTest()
    {
        paths.highscore = directory / "highscore.dat";
        paths.settings = directory / "settings.dat";
        setTimeSource(&fixedTime);
    }
    ~GameTest() override
    {
        game.reset();
        setTimeSource(nullptr);
    }

    Game& make()
    {
        game = std::make_unique<Game>(
            audio,
            [this](Game& created) {
                created.soundPlayer().setObserver(&songs);
                // The window is made last, from a game that is whole.
                seenDuringCreation = created.cells().owner() == &created && created.state() == GameState::Title;
                auto recorder = std::make_unique<RecordingWindow>();
                recorder->game = &created;
                window = recorder.get();
                return recorder;
            },
            paths);
        return *game;
    }

    // Named in letters outside ASCII, as a player's folder may be: the data
    // files are opened by their full paths, which must survive on Windows.
    test::TempFolder directory{"game-Zoë-日本"};
    GamePaths paths;
    FixedTime fixedTime;
    SilentAudioLayer audio;
    SongRecorder songs;
    RecordingWindow* window = nullptr;
    bool seenDuringCreation = false;
    std::unique_ptr<Game> game;
};

TEST_F(GameTest, StartsAtTheTitleWithTheWindowMadeLast)
{
    Game& g = make();
    EXPECT_TRUE(seenDuringCreation);
    EXPECT_EQ(g.cells().owner(), &g);
    EXPECT_EQ(g.state(), GameState::Title);
    EXPECT_EQ(g.levelIndex(), 0u);
    EXPECT_EQ(g.tickInterval(), 700u);
    EXPECT_EQ(g.baseInterval(), 700u);
    EXPECT_TRUE(g.isRunning());
    EXPECT_EQ(g.currentScore(), 0);
    EXPECT_TRUE(window->calls.empty());
    // The keys of a first run, from an empty settings.dat.
    EXPECT_EQ(g.moveLeftKey(), 37);
    EXPECT_EQ(g.moveRightKey(), 39);
    EXPECT_EQ(g.turnLeftKey(), 40);
    EXPECT_EQ(g.turnRightKey(), 38);
    EXPECT_EQ(g.dropKey(), 32);
    EXPECT_EQ(g.pauseKey(), 19);
}

TEST_F(GameTest, DifficultyAndSpeedKeepTheirLimits)
{
    struct Case {
        std::uint32_t difficulty;
        int landings;
        std::uint32_t tick;
        std::uint32_t base;
    };
    const Case cases[] = {
        {99, 0, 700, 700},                       // below the floor: ignored
        {100, 0, 100, 100}, {100, 3, 100, 100},  // the floor holds
        {101, 1, 100, 101}, {101, 2, 100, 101}, {300, 5, 295, 300}, {1100, 1, 1099, 1100},
    };
    Game& g = make();
    for (const Case& c : cases) {
        g.setDifficulty(700);
        g.setDifficulty(c.difficulty);
        for (int i = 0; i < c.landings; ++i)
            g.speedUp();
        EXPECT_EQ(g.tickInterval(), c.tick) << c.difficulty << " after " << c.landings;
        EXPECT_EQ(g.baseInterval(), c.base) << c.difficulty;
    }
    g.setDifficulty(300);
    for (int i = 0; i < 5; ++i)
        g.speedUp();
    g.finishLevel();
    EXPECT_EQ(g.state(), GameState::LevelClear);
    EXPECT_EQ(g.tickInterval(), 300u);
}

TEST_F(GameTest, StartLevelPlacesVirusesAndPaintsButLeavesTimerScoreAndNext)
{
    Game& g = make();
    const CellColor nextA = g.nextCapsule().colorA;
    const CellColor nextB = g.nextCapsule().colorB;
    g.setScore(42);
    for (const std::uint32_t level : {0u, 4u, 19u}) {
        window->calls.clear();
        songs.songs.clear();
        g.setLevelIndex(level);
        g.startLevel();
        EXPECT_EQ(g.cells().virusCount(), 4 * (level + 1));
        EXPECT_EQ(g.state(), GameState::Playing);
        EXPECT_EQ(window->calls, std::vector<std::string>{"paint 0"});
        EXPECT_TRUE(songs.songs.empty());
        EXPECT_EQ(g.currentCapsule().columnA, 3);
        EXPECT_EQ(g.currentCapsule().rowA, 0);
    }
    EXPECT_EQ(g.currentScore(), 42);
    EXPECT_EQ(g.nextCapsule().colorA, nextA);
    EXPECT_EQ(g.nextCapsule().colorB, nextB);
}

TEST_F(GameTest, LevelsStopAtTwentyAndGameOverNeedsABlockedEntry)
{
    Game& g = make();
    g.setLevelIndex(18);
    g.advanceLevel();
    EXPECT_EQ(g.levelIndex(), 19u);
    g.advanceLevel();
    EXPECT_EQ(g.levelIndex(), 19u);

    g.startLevel();
    EXPECT_FALSE(g.checkGameOver());
    EXPECT_EQ(g.state(), GameState::Playing);
    for (const int column : {3, 4}) {
        g.startLevel();
        Cell* entry = g.cells().cellAt(column, 0);
        entry->kind = CellKind::PillHalf;
        entry->color = CellColor::Blue;
        EXPECT_TRUE(g.checkGameOver()) << column;
        EXPECT_EQ(g.state(), GameState::GameOver);
    }
    g.cells().setVirusCount(0);
    EXPECT_TRUE(g.isLevelCleared());
}

TEST_F(GameTest, LandingWithoutALineSpeedsUpAndBringsTheNextCapsule)
{
    Game& g = make();
    g.setDifficulty(300);
    g.startLevel();
    const CellColor nextA = g.nextCapsule().colorA;
    while (g.dropCapsule()) {
    }
    window->calls.clear();
    g.lockCapsule();
    g.cells().resolve();
    EXPECT_EQ(g.tickInterval(), 299u);
    EXPECT_EQ(g.currentCapsule().colorA, nextA);
    EXPECT_EQ(g.currentCapsule().rowA, 0);
}

TEST_F(GameTest, QuitEndsTheRunAndTeardownWritesOnlyTheHallOfFame)
{
    Game& g = make();
    g.setScore(99);
    g.hallOfFame().insert("ABC", 50);
    g.run();
    EXPECT_EQ(window->calls, std::vector<std::string>{"pump"});
    EXPECT_FALSE(g.isRunning());
    EXPECT_EQ(g.state(), GameState::GameOver);
    game.reset();
    EXPECT_EQ(std::filesystem::file_size(paths.highscore), 120u);
    EXPECT_EQ(std::filesystem::file_size(paths.settings), 0u);
    HallOfFame reread(paths.highscore);
    EXPECT_EQ(reread.nameView(0), "ABC");
    EXPECT_EQ(reread.scoreAt(0), 50);
}

TEST_F(GameTest, KeysComeFromSettingsDat)
{
    {
        std::ofstream file(paths.settings, std::ios::binary);
        const unsigned char codes[24] = {65, 0, 0, 0, 68, 0, 0, 0, 83, 0, 0, 0, 87, 0, 0, 0, 88, 0, 0, 0, 80, 0, 0, 0};
        file.write(reinterpret_cast<const char*>(codes), sizeof codes);
    }
    const Game& g = make();
    EXPECT_EQ(g.moveLeftKey(), 65);
    EXPECT_EQ(g.moveRightKey(), 68);
    EXPECT_EQ(g.turnLeftKey(), 83);
    EXPECT_EQ(g.turnRightKey(), 87);
    EXPECT_EQ(g.dropKey(), 88);
    EXPECT_EQ(g.pauseKey(), 80);
}

TEST_F(GameTest, TimerAndFramesGoToTheWindow)
{
    Game& g = make();
    g.startTimer(300);
    g.killTimer();
    g.waitFrame(150);
    g.requestRedraw(RedrawRequest::RedrawBoard);
    EXPECT_EQ(window->calls, (std::vector<std::string>{"timer 300", "kill", "wait 150", "paint 1"}));
}

}  // namespace
}  // namespace quindel
