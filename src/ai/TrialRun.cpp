#include "ai/TrialRun.h"

#include <algorithm>

namespace quindel {

TrialRun::TrialRun(const TrialSettings& settings) : settings(settings), player(settings.strength)
{
    bottle.setOwner(this);
    // As the game makes its first two capsules when it starts.
    setTimeSource(this);
    current = std::make_unique<Capsule>();
    following = std::make_unique<Capsule>();
    setTimeSource(nullptr);
}

TrialRun::~TrialRun()
{
    bottle.clearOwner();
}

void TrialRun::addScore(std::int32_t points)
{
    // Saturating, as the hall of fame adds.
    const std::int64_t sum = std::int64_t{game.score} + points;
    game.score = static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                                    std::numeric_limits<std::int32_t>::max()));
}

void TrialRun::speedUp()
{
    if (tick > FastestInterval)
        --tick;
}

void TrialRun::startLevel()
{
    // The next capsule stays: the one shown is the one that comes.
    current = std::make_unique<Capsule>();
    bottle.placeViruses(level);
    phase = Phase::Playing;
    tickDue = now + tick;
    entered = now;
}

void TrialRun::tickOnce()
{
    if (dropCapsule(*current, bottle)) {
        tickDue = now + tick;
        return;
    }
    lockCapsule(current, following, bottle);
    ++game.capsules;
    entered = now;
    bottle.resolve();
    // The landing that takes the last virus wins even if it blocks the entry.
    if (bottle.virusCount() == 0) {
        ++game.levelsCleared;
        tick = settings.interval;
        phase = level >= LastLevelIndex ? Phase::Over : Phase::LevelClear;
        return;
    }
    if (bottle.entryBlocked()) {
        phase = Phase::Over;
        return;
    }
    tickDue = now + tick;
}

void TrialRun::press(PlayerAction action)
{
    switch (action) {
    case PlayerAction::MoveLeft:
        moveLeft(*current, bottle);
        break;
    case PlayerAction::MoveRight:
        moveRight(*current, bottle);
        break;
    case PlayerAction::TurnLeft:
        turnLeft(*current, bottle);
        break;
    case PlayerAction::TurnRight:
        turnRight(*current, bottle);
        break;
    case PlayerAction::Drop:
        tickOnce();
        break;
    case PlayerAction::None:
        break;
    }
}

TrialGame TrialRun::playGame()
{
    setTimeSource(this);
    game = TrialGame{};
    const std::uint64_t start = now;
    // A new game as the New Game dialog starts one.
    tick = std::max(settings.interval, FastestInterval);
    level = std::clamp<std::uint32_t>(settings.firstLevel, 1, LastLevelIndex + 1) - 1;
    startLevel();

    std::uint64_t askDue = now + ComputerPlayer::PressInterval;
    std::uint64_t lastKey = 0;
    bool pressed = false;
    while (phase != Phase::Over) {
        if (game.capsules >= settings.mostCapsules || now - entered > settings.longestCapsuleMs) {
            game.stopped = true;
            break;
        }
        // The player's turn comes first when both are due together; one that
        // fell behind during a clearing comes once, as soon as it is over.
        askDue = std::max(askDue, now);
        const bool tickFirst = tickDue < askDue || (settings.tickFirstOnTies && tickDue == askDue);
        if (phase == Phase::Playing && tickFirst) {
            now = tickDue;
            tickOnce();
            continue;
        }
        now = askDue;
        askDue = now + ComputerPlayer::PressInterval;
        if (phase == Phase::LevelClear) {
            // Enter: the next level, at the difficulty's speed again.
            level = std::min(level + 1, LastLevelIndex);
            startLevel();
            if (onPress)
                onPress(TrialPress{now, now, PlayerAction::None, true});
            continue;
        }
        const PlayerAction action =
            player.next(bottle, *current, *following, tick, static_cast<std::uint32_t>(tickDue - now));
        if (action == PlayerAction::None)
            continue;
        if (pressed)
            game.closestKeys = std::min(game.closestKeys, now - lastKey);
        pressed = true;
        lastKey = now;
        ++game.keys;
        press(action);
        if (onPress)
            onPress(TrialPress{lastKey, now, action, false});
    }
    game.ms = now - start;
    setTimeSource(nullptr);
    return game;
}

}  // namespace quindel
