#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>

#include "ai/ComputerPlayer.h"
#include "core/Capsule.h"
#include "core/Playfield.h"
#include "core/PlayfieldOwner.h"
#include "core/TimeSource.h"

namespace quindel {

struct TrialSettings {
    int strength = ComputerPlayer::StrongestStrength;
    // The tick of each level's start: 1100, 700 or 300 ms.
    std::uint32_t interval = 700;
    // The level every game starts at, 1 to 20.
    std::uint32_t firstLevel = 1;
    // The calendar second the clock starts at.
    std::int64_t seed = 1;
    // A game still going after this many capsules, or a capsule still
    // falling after this long, is stopped and counted as it stands.
    int mostCapsules = 50'000;
    std::uint64_t longestCapsuleMs = 10 * 60 * 1000;
    // When the player's turn and the tick fall on the same millisecond, who
    // goes first depends on the driver's timer; the player by default.
    bool tickFirstOnTies = false;
};

// A key the trial pressed, for writing a game down: the player's action, or
// Enter after a cleared level. A key that lands a capsule is done only after
// the clearing's frames.
struct TrialPress {
    std::uint64_t ms = 0;
    std::uint64_t doneMs = 0;
    PlayerAction action = PlayerAction::None;
    bool enter = false;
};

struct TrialGame {
    int levelsCleared = 0;
    std::int32_t score = 0;
    int capsules = 0;
    int keys = 0;
    // Time played on the clock.
    std::uint64_t ms = 0;
    // The shortest time between two keys of the player.
    std::uint64_t closestKeys = std::numeric_limits<std::uint64_t>::max();
    bool stopped = false;
};

// Plays whole games of the computer player on the bottle's rules and the
// game's own timing, on a clock of its own, so its strength can be measured
// in seconds rather than hours. As in the game: the tick starts each level
// at the chosen interval and gets 1 ms faster with every landing down to
// 100 ms; a level's viruses and every capsule are seeded with the clock's
// whole seconds; a landing's clearing takes its animation frames' time; the
// player is asked every 50 ms and a Drop is a whole tick at once that
// restarts the tick's period; Enter goes on after a cleared level; a game
// ends when a landing leaves the entry blocked or level 20 is cleared.
// Games follow one another on the same clock.
class TrialRun final : public PlayfieldOwner, public TimeSource {
public:
    static constexpr std::uint32_t FastestInterval = 100;
    static constexpr std::uint32_t LastLevelIndex = 19;

    explicit TrialRun(const TrialSettings& settings);
    ~TrialRun() override;
    TrialRun(const TrialRun&) = delete;
    TrialRun& operator=(const TrialRun&) = delete;

    TrialGame playGame();
    // Told of every key once it has been handled.
    void listen(std::function<void(const TrialPress&)> listener) { onPress = std::move(listener); }

    // What the bottle asks of its game.
    std::uint32_t levelIndex() const override { return level; }
    std::uint32_t tickInterval() const override { return tick; }
    void addScore(std::int32_t points) override;
    void playClearSound(CellColor) override {}
    void speedUp() override;
    void requestRedraw(RedrawRequest) override {}
    void waitFrame(std::uint32_t ms) override { now += ms; }

    std::int64_t seconds() const override { return settings.seed + static_cast<std::int64_t>(now / 1000); }

private:
    enum class Phase { Playing, LevelClear, Over };

    void startLevel();
    void tickOnce();
    void press(PlayerAction action);

    TrialSettings settings;
    ComputerPlayer player;
    Playfield bottle;
    std::unique_ptr<Capsule> current;
    std::unique_ptr<Capsule> following;
    std::uint64_t now = 0;
    std::uint64_t tickDue = 0;
    // When the falling capsule entered.
    std::uint64_t entered = 0;
    std::uint32_t level = 0;
    std::uint32_t tick = 700;
    Phase phase = Phase::Over;
    TrialGame game;
    std::function<void(const TrialPress&)> onPress;
};

}  // namespace quindel
