#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "ai/ComputerPlayer.h"
#include "script/ScriptSource.h"

namespace quindel {

class Clock;
class Game;
class MainWindow;

// The computer player at the keys, as the lines of a script: it starts
// games from the new game dialog as it is told, asks the computer player
// every 50 ms of the game's clock and presses the key bound to the answer,
// presses Enter after each cleared level and cancels the name entry. Each
// line is made when the game asks for it, so it answers the game as it
// stands. It drives the headless games of --autoplay and the title's demo.
class PilotSource final : public ScriptSource {
public:
    struct Settings final {
        int strength = ComputerPlayer::StrongestStrength;
        // Calls between two keys; 0 keeps the strength's own pace.
        int callsPerKey = 0;
        // The difficulty's tick: 1100, 700 or 300 ms.
        std::uint32_t interval = 700;
        int firstLevel = 1;
        // The calendar second the first game starts at; none leaves the
        // clock's own.
        std::optional<std::int64_t> seed;
        // How many games; 0 plays on for ever.
        int games = 1;
        // A game ends once it has cleared so many levels; 0 plays on to
        // level 20.
        int levelsPerGame = 0;
        // Waits before Enter after a cleared level and after each game's
        // end, for eyes watching; none headless.
        std::uint32_t enterAfter = 0;
        std::uint32_t holdAfterGame = 0;
    };

    // How one game went.
    struct Result final {
        int levels = 0;
        std::int32_t score = 0;
        int capsules = 0;
    };

    explicit PilotSource(const Settings& settings);
    ~PilotSource() override;

    // The game it plays, its window and the window's clock, once made.
    void attach(Game& game, MainWindow& window, const Clock& clock);
    // Told at the end of every game.
    void onGameEnd(std::function<void(const Result&)> listener) { gameEnded = std::move(listener); }

    Status next(std::string& line) override;

    // The lines that start a game as the settings choose it.
    static std::string newGameLines(std::uint32_t interval, int level);

private:
    enum class Phase { Starting, Playing, Done };

    void startGame();
    void endGame();
    std::string keyFor(PlayerAction action) const;
    static std::string wait(std::uint32_t ms);

    Settings settings;
    std::unique_ptr<ComputerPlayer> player;
    Game* game = nullptr;
    MainWindow* window = nullptr;
    const Clock* clock = nullptr;
    std::deque<std::string> pending;
    Phase phase = Phase::Starting;
    int played = 0;
    Result current;
    std::uint32_t landingsAtStart = 0;
    bool levelCounted = false;
    std::uint32_t askAt = 0;
    std::optional<std::uint32_t> enterAt;
    std::function<void(const Result&)> gameEnded;
};

}  // namespace quindel
