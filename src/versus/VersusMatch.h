#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "ai/ComputerDriver.h"
#include "ai/PlayerAction.h"
#include "versus/CapsuleSequence.h"
#include "versus/VersusSettings.h"
#include "versus/VersusSide.h"

namespace quindel {

class VersusListener;

// Two bottles on one clock: the versus controller. Both start every round
// with the virus layout of their level and take the same sequence of
// capsules; each falls, speeds up, clears and scores by the single-player
// rules on a timer of its own; two lines or more cleared by one landing
// send loose halves to the other bottle. A side that clears all its viruses
// wins the round, a side whose entry is blocked loses it, and both in the
// same millisecond draw it, which is played again. The first to the chosen
// number of round wins takes the match.
//
// The match keeps no clock of its own: whoever drives it tells it the time
// in milliseconds, which must never go back, and asks when it next needs
// to be told. Everything due at one moment happens in a fixed order, player
// one's bottle first, so the same times always give the same match.
class VersusMatch final {
public:
    static constexpr int PlayerOne = 0;
    static constexpr int PlayerTwo = 1;

    enum class Phase {
        Idle,       // no match yet
        Playing,    // a round runs (or waits, paused)
        RoundOver,  // a round was won, lost or drawn; the next waits
        MatchOver,
    };

    explicit VersusMatch(VersusListener& listener) : listener(listener) {}

    // A new match at now, its first round started.
    void start(const VersusSettings& settings, std::uint64_t now);
    // The next round after a round's end (the same round again after a
    // draw); nothing otherwise.
    void nextRound(std::uint64_t now);
    // Everything due up to now happens, in the order it was due.
    void advanceTo(std::uint64_t now);
    // A key of a side's player at now, after everything due until then.
    // Drop is a tick at once. True when a falling capsule took it.
    bool press(int side, PlayerAction action, std::uint64_t now);
    // Both bottles wait together; nothing is due while they do, and on
    // resuming every deadline is as far away as it was.
    void pause(std::uint64_t now);
    void resume(std::uint64_t now);
    // When the match next has something to do; none while paused or
    // between rounds.
    std::optional<std::uint64_t> nextDeadline() const;

    Phase phase() const { return matchPhase; }
    bool isPaused() const { return paused; }
    bool isRunning() const { return matchPhase == Phase::Playing && !paused; }
    // The round being played or last played, from 1; a drawn round keeps
    // its number.
    int round() const { return roundNumber; }
    const VersusSettings& settings() const { return chosen; }
    const VersusSide& side(int index) const { return *sides[static_cast<std::size_t>(index)]; }
    VersusSide& side(int index) { return *sides[static_cast<std::size_t>(index)]; }
    // The winner of the round that ended last; none after a draw.
    std::optional<int> roundWinner() const { return lastWinner; }
    bool computerPlays() const { return computer != nullptr; }

private:
    void beginRound(std::uint64_t now);
    void stepSide(int index, std::uint64_t now);
    void askComputer(std::uint64_t now);
    // Ends the round when a side has won or lost it by now.
    bool decide();
    std::optional<std::uint64_t> earliestDue() const;

    VersusListener& listener;
    VersusSettings chosen;
    std::array<std::unique_ptr<VersusSide>, 2> sides{std::make_unique<VersusSide>(), std::make_unique<VersusSide>()};
    CapsuleSequence capsules;
    std::unique_ptr<ComputerDriver> computer;
    Phase matchPhase = Phase::Idle;
    bool paused = false;
    std::uint64_t pausedAt = 0;
    int roundNumber = 0;
    std::optional<int> lastWinner;
    bool lastDrawn = false;
};

}  // namespace quindel
