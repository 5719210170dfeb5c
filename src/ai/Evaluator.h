#pragma once

#include <cstdint>

#include "ai/BitBottle.h"

namespace quindel {

// What the player likes and dislikes, in points of its own (not the game's
// score). A strength is a set of these.
struct EvalWeights {
    // Per virus cleared, per loose half cleared, per pass after the first
    // that clears a virus (chains score more in the game).
    std::int32_t virusCleared = 1000;
    std::int32_t halfCleared = 30;
    std::int32_t chain = 200;
    // Per half still needed to dig down to each virus by lines in its column.
    std::int32_t dig = -60;
    // Per empty square with something above it in its column.
    std::int32_t hole = -40;
    // Per pair of same-coloured neighbours side by side where one is a virus.
    std::int32_t sideBySide = 15;
    // Per occupied square in the rows a capsule needs to get anywhere, more
    // the closer to the entry and the higher it stands.
    std::int32_t crowding = -30;
    // Per row of height of each column.
    std::int32_t height = -4;
};

// Scores what a landing did and the bottle it leaves.
class Evaluator final {
public:
    // A cleared bottle, or a blocked entry, outweighs anything else.
    static constexpr std::int64_t LevelCleared = 100'000'000;
    static constexpr std::int64_t Lost = -100'000'000;

    explicit Evaluator(const EvalWeights& weights) : weights(weights) {}

    std::int64_t outcome(const BitBottle::Outcome& outcome) const;
    std::int64_t position(const BitBottle& bottle) const;

private:
    EvalWeights weights;
};

}  // namespace quindel
