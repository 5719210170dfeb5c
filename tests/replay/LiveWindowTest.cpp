// Replays of games played in the real window: SDL's events pushed in real
// time from a thread of their own at random moments, a name typed at the
// end; then the recording played by the scripted run in an empty folder ends
// exactly where the live game did. Random keys alone seldom clear a line, so
// most presses are what the computer player would press at that moment,
// worked out on the game's thread after every message the window handles.

#include <gtest/gtest.h>

#include <SDL.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <thread>
#include <vector>

#include "ReplayCheck.h"
#include "TempFolder.h"
#include "ai/ComputerPlayer.h"
#include "core/TimeSource.h"
#include "game/Game.h"
#include "messages/Clock.h"
#include "messages/Deadline.h"
#include "messages/SystemTimeSource.h"
#include "render/Canvas.h"
#include "replay/GameRecording.h"
#include "replay/ReplayFolder.h"
#include "sdl/SdlPlatform.h"
#include "sound/SilentAudioLayer.h"
#include "store/HallOfFame.h"
#include "window/GamePrinter.h"
#include "window/MainWindow.h"
#include "window/WindowWatcher.h"

namespace quindel {
namespace {

void pushKey(SDL_Keycode sym)
{
    SDL_Event event{};
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = sym;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
    SDL_PushEvent(&event);
    event.key.type = SDL_KEYUP;
    event.key.state = SDL_RELEASED;
    SDL_PushEvent(&event);
}

void pushText(const char* text)
{
    SDL_Event event{};
    event.text.type = SDL_TEXTINPUT;
    SDL_strlcpy(event.text.text, text, sizeof event.text.text);
    SDL_PushEvent(&event);
}

// What the computer player would press now, for the player's thread.
class Adviser final : public WindowWatcher {
public:
    Adviser(const Game& game, MainWindow& window) : game(game), window(window) {}
    void messageHandled(const Message&) override
    {
        if (game.state() != GameState::Playing)
            return;
        const auto deadline = window.pump().timerSet().nextDeadline();
        const std::int32_t left = deadline ? millisecondsUntil(*deadline, window.platform().clock().now()) : 0;
        advice = player.next(game.cells(), game.currentCapsule(), game.nextCapsule(), game.tickInterval(),
                             static_cast<std::uint32_t>(std::max(left, 0)));
    }
    std::atomic<PlayerAction> advice = PlayerAction::None;

private:
    const Game& game;
    MainWindow& window;
    ComputerPlayer player{ComputerPlayer::StrongestStrength};
};

// The player: answers the window's trace on the game's own thread, and
// while the game plays presses keys at random moments from another: mostly
// the adviser's, now and then any of its keys. keys: left, right, turn left,
// turn right, drop, then any others.
class Player final : public std::streambuf {
public:
    Player(std::vector<SDL_Keycode> keys, unsigned seed) : keys(std::move(keys)), seed(seed) {}
    ~Player() override { stopPressing(); }
    Adviser* adviser = nullptr;

protected:
    int overflow(int c) override
    {
        if (c == '\n') {
            answer(line);
            line.clear();
        } else if (c != traits_type::eof()) {
            line += static_cast<char>(c);
        }
        return c;
    }

private:
    void answer(const std::string& said)
    {
        if (said == "state Title") {
            pushKey(SDLK_RETURN);
        } else if (said == "dialog-open 116") {
            // From the level bar round to the difficulties, hard, back to
            // the bar and on to level 15.
            for (const SDL_Keycode sym : {SDLK_TAB, SDLK_TAB, SDLK_TAB, SDLK_DOWN, SDLK_TAB})
                pushKey(sym);
            for (int level = 1; level < 15; ++level)
                pushKey(SDLK_RIGHT);
            pushKey(SDLK_RETURN);
        } else if (said == "state Playing" && !pressing.joinable()) {
            pressing = std::thread([this] { pressAtRandom(); });
        } else if (said == "state LevelClear") {
            pushKey(SDLK_RETURN);
        } else if (said == "state GameOver") {
            stop = true;
        } else if (said == "dialog-open 117") {
            stopPressing();
            pushText("Rnd k");
            pushKey(SDLK_RETURN);
        } else if (said.rfind("dialog-close 117", 0) == 0) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        }
    }

    void pressAtRandom()
    {
        std::mt19937 random(seed);
        const auto roll = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        while (!stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(roll(10, 110)));
            if (stop)
                break;
            // Enough of playing well: drops alone end the game soon.
            const PlayerAction advice = ++presses > 80 ? PlayerAction::Drop : adviser->advice.load();
            if (roll(0, 3) == 0)
                pushKey(keys[static_cast<std::size_t>(roll(0, static_cast<int>(keys.size()) - 1))]);
            else if (advice != PlayerAction::None)
                pushKey(keys[static_cast<std::size_t>(advice) - 1]);
        }
    }

    void stopPressing()
    {
        stop = true;
        if (pressing.joinable())
            pressing.join();
    }

    std::vector<SDL_Keycode> keys;
    unsigned seed;
    std::string line;
    std::atomic<bool> stop = false;
    int presses = 0;
    std::thread pressing;
};

struct LiveEnd final {
    test::GameEnd end;
    std::string replay;
    std::string newestDated;
};

LiveEnd playLive(const test::Bytes& settings, const std::vector<SDL_Keycode>& keys, unsigned seed)
{
    test::TempFolder folder("live");
    // A hall of fame any score enters, so the game ends with a name.
    test::Bytes table(HallOfFame::TableSize, 0);
    for (std::size_t i = 0; i < HallOfFame::ScoreBytesOffset; i += HallOfFame::NameSlotSize)
        table[i] = 'P';
    for (std::size_t i = HallOfFame::ScoreBytesOffset; i < table.size(); ++i)
        table[i] = 0xFF;
    test::writeBytes(folder / "highscore.dat", table);
    if (!settings.empty())
        test::writeBytes(folder / "settings.dat", settings);

    Canvas canvas;
    std::string error;
    auto platform = SdlPlatform::create(error, canvas);
    EXPECT_TRUE(platform) << error;
    if (!platform)
        return {};
    const SystemTimeSource systemTime;
    setTimeSource(&systemTime);
    Player player(keys, seed);
    std::ostream trace(&player);
    SilentAudioLayer audio;
    LiveEnd live;
    {
        MainWindow* window = nullptr;
        Game game(
            audio,
            [&](Game& created) {
                auto made = std::make_unique<MainWindow>(created, *platform, canvas);
                window = made.get();
                return made;
            },
            GamePaths{folder / "highscore.dat", folder / "settings.dat"});
        // As the game's main wires it.
        std::ostringstream errors;
        GameRecording recording(*window, game, GameRecording::folderBeside(folder / "highscore.dat"), errors);
        Adviser adviser(game, *window);
        window->addWatcher(adviser);
        player.adviser = &adviser;
        window->setTrace(&trace);
        game.run();
        window->setTrace(nullptr);
        window->removeWatcher(adviser);
        std::ostringstream printed;
        GamePrinter printer(game, canvas, printed);
        printer.printState();
        printer.printHallOfFame();
        std::istringstream lines(printed.str());
        std::getline(lines, live.end.state);
        for (std::string line; std::getline(lines, line);)
            live.end.hallOfFame.push_back(line);
        EXPECT_EQ(errors.str(), "");
    }
    setTimeSource(nullptr);
    live.end.highscore = test::readBytes(folder / "highscore.dat");
    const auto replays = folder / "replays";
    std::ifstream last(replays / ReplayFolder::LastName);
    live.replay.assign(std::istreambuf_iterator<char>(last), {});
    std::string newest;
    for (const auto& entry : std::filesystem::directory_iterator(replays))
        if (ReplayFolder::isDatedName(entry.path().filename().string()))
            newest = std::max(newest, entry.path().filename().string());
    std::ifstream dated(replays / newest);
    live.newestDated.assign(std::istreambuf_iterator<char>(dated), {});
    return live;
}

TEST(LiveWindow, AGamePlayedInTheWindowPlaysAgainToTheSameEndFromItsReplay)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 0);
    struct Case {
        const char* name;
        test::Bytes settings;
        std::vector<SDL_Keycode> keys;
    };
    // The keys as settings.dat holds them: A, D, S, W, X and P in place of
    // the arrows, space and Pause.
    const test::Bytes letters{65, 0, 0, 0, 68, 0, 0, 0, 83, 0, 0, 0, 87, 0, 0, 0, 88, 0, 0, 0, 80, 0, 0, 0};
    const Case cases[] = {
        {"the keys as they come", {}, {SDLK_LEFT, SDLK_RIGHT, SDLK_DOWN, SDLK_UP, SDLK_SPACE, SDLK_q, SDLK_PAUSE}},
        {"keys bound to letters before the game",
         letters,
         {SDLK_a, SDLK_d, SDLK_s, SDLK_w, SDLK_x, SDLK_LEFT, SDLK_SPACE, SDLK_p}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A game that cleared no line after all is played again.
        LiveEnd live;
        for (unsigned attempt = 1; attempt <= 4; ++attempt) {
            live = playLive(c.settings, c.keys, attempt);
            if (live.end.state.find(" score=0 ") == std::string::npos)
                break;
        }
        ASSERT_FALSE(live.replay.empty());
        SCOPED_TRACE(live.replay);
        EXPECT_EQ(live.end.state.find(" score=0 "), std::string::npos) << live.end.state;
        EXPECT_EQ(live.newestDated, live.replay);
        EXPECT_NE(live.end.hallOfFame[0].find("RND K"), std::string::npos) << live.end.hallOfFame[0];
        const test::GameEnd replayed = test::replayed(live.replay);
        EXPECT_EQ(replayed.state, live.end.state);
        EXPECT_EQ(replayed.hallOfFame, live.end.hallOfFame);
        EXPECT_EQ(replayed.highscore, live.end.highscore);
    }
}

}  // namespace
}  // namespace quindel
