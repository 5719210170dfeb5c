#pragma once

#include <array>
#include <cstdint>

namespace quindel {

// What a match is played with, as the versus dialog chooses it: who plays
// the second bottle, each side's level (a handicap: a higher level is more
// viruses), the speed both start every round at, and how many round wins
// take the match.
struct VersusSettings final {
    static constexpr int MostRoundsToWin = 5;

    bool computerOpponent = true;
    // The computer player's strength, 1 to 3.
    int strength = 2;
    // Level indexes 0 to 19, player one's first.
    std::array<std::uint32_t, 2> levels{4, 4};
    // The tick every round starts at: 1100, 700 or 300 ms, as in single play.
    std::uint32_t interval = 700;
    int roundsToWin = 3;

    bool operator==(const VersusSettings&) const = default;
};

}  // namespace quindel
