#include "versus/VersusMatch.h"

#include <algorithm>

#include "versus/VersusListener.h"

namespace quindel {

void VersusMatch::start(const VersusSettings& settings, std::uint64_t now)
{
    chosen = settings;
    chosen.roundsToWin = std::clamp(chosen.roundsToWin, 1, VersusSettings::MostRoundsToWin);
    for (auto& side : sides)
        side->resetMatch();
    roundNumber = 1;
    lastWinner.reset();
    lastDrawn = false;
    paused = false;
    beginRound(now);
}

void VersusMatch::nextRound(std::uint64_t now)
{
    if (matchPhase != Phase::RoundOver)
        return;
    if (!lastDrawn)
        ++roundNumber;
    beginRound(now);
}

void VersusMatch::beginRound(std::uint64_t now)
{
    // One sequence a round, and equal levels share one layout: both are
    // made in the same instant, so the same second seeds them.
    capsules.clear();
    sides[0]->beginRound(chosen.levels[0], chosen.interval, capsules, now);
    const bool sameLevel = std::min(chosen.levels[0], VersusSide::LastLevelIndex)
        == std::min(chosen.levels[1], VersusSide::LastLevelIndex);
    sides[1]->beginRound(chosen.levels[1], chosen.interval, capsules, now, sameLevel ? sides[0].get() : nullptr);
    // A fresh computer player every round, so a round plays the same
    // whatever came before it.
    computer.reset();
    if (chosen.computerOpponent) {
        computer = std::make_unique<ComputerDriver>(chosen.strength);
        computer->start(now);
    }
    matchPhase = Phase::Playing;
    paused = false;
    listener.roundStarted(roundNumber);
}

std::optional<std::uint64_t> VersusMatch::earliestDue() const
{
    std::optional<std::uint64_t> earliest;
    const auto consider = [&earliest](std::uint64_t when) {
        if (!earliest || when < *earliest)
            earliest = when;
    };
    for (const auto& side : sides)
        if (side->isPlaying())
            consider(side->dueAt());
    if (computer)
        consider(computer->nextAsk());
    return earliest;
}

std::optional<std::uint64_t> VersusMatch::nextDeadline() const
{
    if (!isRunning())
        return std::nullopt;
    return earliestDue();
}

void VersusMatch::advanceTo(std::uint64_t now)
{
    while (isRunning()) {
        const std::optional<std::uint64_t> due = earliestDue();
        if (!due || *due > now)
            return;
        const std::uint64_t at = *due;
        // Everything due at one moment, in a fixed order, and only then is
        // the round decided: both bottles may end it in the same tick.
        for (int index = 0; index < 2; ++index)
            if (sides[static_cast<std::size_t>(index)]->isPlaying()
                && sides[static_cast<std::size_t>(index)]->dueAt() == at)
                stepSide(index, at);
        if (computer && computer->nextAsk() == at)
            askComputer(at);
        if (decide())
            return;
    }
}

void VersusMatch::stepSide(int index, std::uint64_t now)
{
    VersusSide::Step step = sides[static_cast<std::size_t>(index)]->step(now, capsules);
    for (const CellColor color : step.sounds)
        listener.clearSound(color);
    if (!step.sent.empty()) {
        sides[static_cast<std::size_t>(1 - index)]->receive(step.sent);
        listener.halvesSent(index, step.sent);
    }
}

void VersusMatch::askComputer(std::uint64_t now)
{
    VersusSide& side = *sides[PlayerTwo];
    if (side.falling() == nullptr) {
        // Nothing to steer: the next ask comes an interval later anyway.
        computer->start(now);
        return;
    }
    const PlayerAction action =
        computer->ask(now, side.bottle(), *side.falling(), side.nextCapsule(), side.tickInterval(), side.dueAt());
    if (action == PlayerAction::Drop)
        stepSide(PlayerTwo, now);
    else
        side.move(action);
}

bool VersusMatch::press(int side, PlayerAction action, std::uint64_t now)
{
    advanceTo(now);
    if (!isRunning() || side < 0 || side > 1)
        return false;
    VersusSide& pressed = *sides[static_cast<std::size_t>(side)];
    if (pressed.falling() == nullptr || action == PlayerAction::None)
        return false;
    if (action == PlayerAction::Drop) {
        stepSide(side, now);
        decide();
        return true;
    }
    return pressed.move(action);
}

bool VersusMatch::decide()
{
    using P = VersusSide::Phase;
    const P one = sides[0]->phase();
    const P two = sides[1]->phase();
    const bool oneEnded = one == P::Cleared || one == P::Blocked;
    const bool twoEnded = two == P::Cleared || two == P::Blocked;
    if (!oneEnded && !twoEnded)
        return false;
    // One side's end decides for both; two ends at once decide only when
    // they agree (one cleared, the other blocked), else the round is drawn.
    std::optional<int> winner;
    if (oneEnded && twoEnded) {
        if (one == P::Cleared && two == P::Blocked)
            winner = PlayerOne;
        else if (one == P::Blocked && two == P::Cleared)
            winner = PlayerTwo;
    } else if (oneEnded) {
        winner = one == P::Cleared ? PlayerOne : PlayerTwo;
    } else {
        winner = two == P::Cleared ? PlayerTwo : PlayerOne;
    }
    for (auto& each : sides)
        each->stop();
    computer.reset();
    lastWinner = winner;
    lastDrawn = !winner.has_value();
    bool matchOver = false;
    if (winner) {
        VersusSide& won = *sides[static_cast<std::size_t>(*winner)];
        won.addWin();
        matchOver = won.wins() >= chosen.roundsToWin;
    }
    matchPhase = matchOver ? Phase::MatchOver : Phase::RoundOver;
    listener.roundEnded(winner, matchOver);
    return true;
}

void VersusMatch::pause(std::uint64_t now)
{
    if (!isRunning())
        return;
    advanceTo(now);
    if (!isRunning())
        return;
    paused = true;
    pausedAt = now;
}

void VersusMatch::resume(std::uint64_t now)
{
    if (!paused)
        return;
    paused = false;
    if (matchPhase != Phase::Playing)
        return;
    const std::uint64_t waited = now > pausedAt ? now - pausedAt : 0;
    for (auto& side : sides)
        if (side->isPlaying())
            side->delay(waited);
    if (computer)
        computer->delay(waited);
}

}  // namespace quindel
