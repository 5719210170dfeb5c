#include "pilot/PilotSource.h"

#include <algorithm>
#include <sstream>

#include "base/VirtualKeyCodes.h"
#include "core/Capsule.h"
#include "core/TimeSource.h"
#include "game/Game.h"
#include "messages/Clock.h"
#include "messages/Deadline.h"
#include "widgets/CommandIds.h"
#include "window/MainWindow.h"
#include "window/NewGameDialog.h"

namespace quindel {

namespace {

// The one second the first game of a seeded run starts at, for the
// preview capsule the game made long before that.
class FixedSeconds final : public TimeSource {
public:
    explicit FixedSeconds(std::int64_t value) : value(value) {}
    std::int64_t seconds() const override { return value; }

private:
    std::int64_t value;
};

int radioFor(std::uint32_t interval)
{
    if (interval >= NewGameDialog::intervalOf(NewGameDialog::EasyId))
        return NewGameDialog::EasyId;
    if (interval <= NewGameDialog::intervalOf(NewGameDialog::HardId))
        return NewGameDialog::HardId;
    return NewGameDialog::NormalId;
}

}  // namespace

PilotSource::PilotSource(const Settings& settings) : settings(settings) {}

PilotSource::~PilotSource() = default;

void PilotSource::attach(Game& played, MainWindow& shown, const Clock& time)
{
    game = &played;
    window = &shown;
    clock = &time;
}

std::string PilotSource::newGameLines(std::uint32_t interval, int level)
{
    std::ostringstream lines;
    lines << "menu " << command::NewGame << '\n'
          << "dialog " << radioFor(interval) << '\n'
          << "dialog " << NewGameDialog::LevelBarId << ' '
          << std::clamp(level, NewGameDialog::FirstLevel, NewGameDialog::LastLevel) << '\n'
          << "dialog " << OkId << '\n';
    return lines.str();
}

std::string PilotSource::wait(std::uint32_t ms)
{
    return "wait " + std::to_string(std::max<std::uint32_t>(ms, 1));
}

std::string PilotSource::keyFor(PlayerAction action) const
{
    switch (action) {
    case PlayerAction::MoveLeft:
        return "key " + std::to_string(game->moveLeftKey());
    case PlayerAction::MoveRight:
        return "key " + std::to_string(game->moveRightKey());
    case PlayerAction::TurnLeft:
        return "key " + std::to_string(game->turnLeftKey());
    case PlayerAction::TurnRight:
        return "key " + std::to_string(game->turnRightKey());
    case PlayerAction::Drop:
        return "key " + std::to_string(game->dropKey());
    case PlayerAction::None:
        break;
    }
    return wait(ComputerPlayer::PressInterval);
}

void PilotSource::startGame()
{
    // Each game with a player of its own, that remembers nothing of the last.
    player = settings.callsPerKey > 0 ? std::make_unique<ComputerPlayer>(settings.strength, settings.callsPerKey)
                                      : std::make_unique<ComputerPlayer>(settings.strength);
    if (played == 0 && settings.seed) {
        const TimeSource* outer = timeSource();
        const FixedSeconds start(*settings.seed);
        setTimeSource(&start);
        const Capsule preview;
        setTimeSource(outer);
        pending.push_back("time " + std::to_string(*settings.seed));
        pending.push_back("preview " + std::to_string(static_cast<int>(preview.colorA)) + " "
                          + std::to_string(static_cast<int>(preview.colorB)));
    }
    std::istringstream lines(newGameLines(settings.interval, settings.firstLevel));
    for (std::string line; std::getline(lines, line);)
        pending.push_back(line);
    phase = Phase::Playing;
    current = Result{};
    landingsAtStart = game->landings();
    levelCounted = false;
    enterAt.reset();
    askAt = clock->now();
}

void PilotSource::endGame()
{
    current.score = game->currentScore();
    current.capsules = static_cast<int>(game->landings() - landingsAtStart);
    ++played;
    if (gameEnded)
        gameEnded(current);
    if (settings.holdAfterGame > 0)
        pending.push_back(wait(settings.holdAfterGame));
    phase = settings.games > 0 && played >= settings.games ? Phase::Done : Phase::Starting;
}

ScriptSource::Status PilotSource::next(std::string& line)
{
    for (;;) {
        if (!pending.empty()) {
            line = std::move(pending.front());
            pending.pop_front();
            return Status::Line;
        }
        if (phase == Phase::Done || game == nullptr)
            return Status::End;
        // The name entry: the computer player never enters a name.
        if (window->openDialog() != nullptr) {
            line = "dialog " + std::to_string(CancelId);
            return Status::Line;
        }
        if (phase == Phase::Starting) {
            startGame();
            continue;
        }
        const std::uint32_t now = clock->now();
        switch (game->state()) {
        case GameState::Playing: {
            levelCounted = false;
            if (isEarlier(now, askAt)) {
                line = wait(static_cast<std::uint32_t>(millisecondsUntil(askAt, now)));
                return Status::Line;
            }
            // Asked every 50 ms; a turn missed while the bottle cleared
            // comes once, as soon as it is over.
            askAt = now + ComputerPlayer::PressInterval;
            const auto due = window->pump().timerSet().nextDeadline();
            const std::int32_t untilTick = due ? std::max(millisecondsUntil(*due, now), 0) : 0;
            line = keyFor(player->next(game->cells(), game->currentCapsule(), game->nextCapsule(), game->tickInterval(),
                                       static_cast<std::uint32_t>(untilTick)));
            return Status::Line;
        }
        case GameState::LevelClear:
            if (!levelCounted) {
                ++current.levels;
                levelCounted = true;
            }
            // Level 20 cleared ends a game: the game itself would only play
            // it again.
            if (game->levelIndex() >= Game::LastLevelIndex
                || (settings.levelsPerGame > 0 && current.levels >= settings.levelsPerGame)) {
                endGame();
                continue;
            }
            if (!enterAt)
                enterAt = now + settings.enterAfter;
            if (isEarlier(now, *enterAt)) {
                line = wait(static_cast<std::uint32_t>(millisecondsUntil(*enterAt, now)));
                return Status::Line;
            }
            enterAt.reset();
            askAt = now + ComputerPlayer::PressInterval;
            line = "key " + std::to_string(vk::Return);
            return Status::Line;
        case GameState::GameOver:
            endGame();
            continue;
        default:
            line = wait(ComputerPlayer::PressInterval);
            return Status::Line;
        }
    }
}

}  // namespace quindel
