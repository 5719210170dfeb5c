#include "ai/Evaluator.h"

namespace quindel {

namespace {

constexpr int Rows = BitBottle::Rows;
// How much a crowded square in each column blocks the way from the entry.
constexpr int ColumnCrowding[BitBottle::Columns] = {1, 2, 3, 5, 5, 3, 2, 1};
// Rows 0 to 5 are where capsules travel; the higher, the worse.
constexpr int RowCrowding[6] = {16, 9, 5, 3, 2, 1};

int colourAt(std::uint32_t white, std::uint32_t blue, int row)
{
    if ((white >> row) & 1)
        return 0;
    return ((blue >> row) & 1) ? 1 : 2;
}

}  // namespace

std::int64_t Evaluator::outcome(const BitBottle::Outcome& outcome) const
{
    const int chained = outcome.virusPasses > 1 ? outcome.virusPasses - 1 : 0;
    return std::int64_t{weights.virusCleared} * outcome.virusesCleared
        + std::int64_t{weights.halfCleared} * outcome.halvesCleared + std::int64_t{weights.chain} * chained;
}

std::int64_t Evaluator::position(const BitBottle& bottle) const
{
    const BottleBits occupied = bottle.occupied();
    const BottleBits viruses = bottle.viruses();
    std::int64_t dig = 0;
    std::int64_t holes = 0;
    std::int64_t crowding = 0;
    std::int64_t height = 0;
    for (int column = 0; column < BitBottle::Columns; ++column) {
        const std::uint32_t taken = BitBottle::columnOf(occupied, column);
        if (taken == 0)
            continue;
        const int top = __builtin_ctz(taken);
        height += Rows - top;
        holes += __builtin_popcount(~taken & (0xFFFFu << top) & 0xFFFFu);
        for (int row = top; row < 6; ++row)
            if ((taken >> row) & 1)
                crowding += ColumnCrowding[column] * RowCrowding[row];

        const std::uint32_t virusHere = BitBottle::columnOf(viruses, column);
        if (virusHere == 0)
            continue;
        // From the top down to the deepest virus, runs of one colour: each
        // needs 4 - length halves of its colour before what lies below is
        // uncovered, and every virus costs what lies above it and its run.
        const int deepest = 31 - __builtin_clz(virusHere);
        const std::uint32_t white = BitBottle::columnOf(bottle.colour(0), column);
        const std::uint32_t blue = BitBottle::columnOf(bottle.colour(1), column);
        int needed = 0;
        int runColour = -1;
        int runLength = 0;
        bool runHasVirus = false;
        const auto closeRun = [&] {
            if (runColour < 0)
                return;
            needed += runLength < 4 ? 4 - runLength : 0;
            if (runHasVirus)
                dig += needed;
        };
        for (int row = top; row <= deepest; ++row) {
            if (((taken >> row) & 1) == 0) {
                closeRun();
                runColour = -1;
                continue;
            }
            const int colour = colourAt(white, blue, row);
            if (colour == runColour) {
                ++runLength;
                runHasVirus = runHasVirus || ((virusHere >> row) & 1);
                continue;
            }
            closeRun();
            runColour = colour;
            runLength = 1;
            runHasVirus = (virusHere >> row) & 1;
        }
        closeRun();
    }

    std::int64_t sideBySide = 0;
    for (int code = 0; code < 3; ++code) {
        const BottleBits c = bottle.colour(code);
        const BottleBits pairs = c & (c >> Rows);
        sideBySide += __builtin_popcountll(static_cast<std::uint64_t>(pairs & (viruses | (viruses >> Rows))))
            + __builtin_popcountll(static_cast<std::uint64_t>((pairs & (viruses | (viruses >> Rows))) >> 64));
    }

    return weights.dig * dig + weights.hole * holes + weights.crowding * crowding + weights.height * height
        + weights.sideBySide * sideBySide;
}

}  // namespace quindel
