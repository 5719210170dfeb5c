#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "BoardText.h"
#include "FixedTimeSource.h"
#include "ai/BitBottle.h"
#include "ai/CapsuleMoves.h"
#include "ai/MoveSearch.h"
#include "ai/QuickReach.h"
#include "core/Capsule.h"
#include "core/Playfield.h"

namespace quindel {
namespace {

constexpr PlayerAction AllKeys[] = {PlayerAction::MoveLeft, PlayerAction::MoveRight, PlayerAction::TurnLeft,
                                    PlayerAction::TurnRight, PlayerAction::Drop};

// A bottle of random viruses, denser towards the bottom.
void scatter(Playfield& playfield, std::mt19937& dice, int percent)
{
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 1; row < Playfield::Rows; ++row) {
            Cell* cell = playfield.cellAt(column, row);
            cell->reset();
            if (static_cast<int>(dice() % 100) < percent * row / Playfield::Rows) {
                cell->kind = CellKind::Virus;
                cell->color = colorOfCode(static_cast<int>(dice() % 3));
            }
        }
}

Capsule capsuleAt(CapsulePose pose, CellColor first, CellColor second)
{
    Capsule capsule(pose.firstInA() ? first : second, pose.firstInA() ? second : first);
    capsule.columnA = pose.column;
    capsule.rowA = pose.row;
    capsule.columnB = pose.columnB();
    capsule.rowB = pose.rowB();
    return capsule;
}

// The player's idea of every key, in every pose on many bottles, is what the
// game does with it, colours included.
TEST(BottleModel, EveryKeyInEveryPoseMovesAsTheGameMovesIt)
{
    std::mt19937 dice(7);
    Playfield playfield;
    int checked = 0;
    for (int board = 0; board < 60; ++board) {
        scatter(playfield, dice, 25 + board % 40);
        const CapsuleMoves moves(BitBottle::from(playfield));
        for (int index = 0; index < CapsulePose::Count; ++index) {
            const CapsulePose pose = CapsulePose::ofIndex(index);
            if (!moves.fits(pose))
                continue;
            for (const PlayerAction key : AllKeys) {
                Capsule real = capsuleAt(pose, CellColor::White, CellColor::Green);
                switch (key) {
                case PlayerAction::MoveLeft:
                    moveLeft(real, playfield);
                    break;
                case PlayerAction::MoveRight:
                    moveRight(real, playfield);
                    break;
                case PlayerAction::TurnLeft:
                    turnLeft(real, playfield);
                    break;
                case PlayerAction::TurnRight:
                    turnRight(real, playfield);
                    break;
                default:
                    EXPECT_EQ(dropCapsule(real, playfield), moves.canFall(pose));
                    break;
                }
                CapsulePose seen;
                ASSERT_TRUE(CapsuleMoves::poseOf(real, CellColor::White, CellColor::Green, seen));
                EXPECT_EQ(seen, moves.after(pose, key))
                    << "board " << board << " pose " << index << " key " << static_cast<int>(key);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 50000);
}

// Random landings on random levels: the imagined bottle clears, falls and
// counts exactly as the game's after every landing, chains included.
TEST(BottleModel, ResolvesEveryLandingAsTheGameDoes)
{
    std::mt19937 dice(11);
    test::FixedTimeSource clock;
    Playfield playfield;
    std::unique_ptr<Capsule> current;
    std::unique_ptr<Capsule> next = std::make_unique<Capsule>();
    int chains = 0;
    int clearings = 0;
    for (int landing = 0; landing < 10000; ++landing) {
        if (landing % 150 == 0 || playfield.entryBlocked() || playfield.virusCount() == 0) {
            ++clock.now;
            playfield.placeViruses(dice() % 20);
            current = std::make_unique<Capsule>();
        }
        CapsuleMoves moves(BitBottle::from(playfield));
        CapsulePose pose;
        ASSERT_TRUE(CapsuleMoves::poseOf(*current, current->colorA, current->colorB, pose));
        for (int key = static_cast<int>(dice() % 12); key > 0; --key)
            pose = moves.after(pose, AllKeys[dice() % 4]);
        while (moves.canFall(pose))
            pose = moves.after(pose, PlayerAction::Drop);
        *current = capsuleAt(pose, current->colorA, current->colorB);
        clock.now += dice() % 2;
        lockCapsule(current, next, playfield);

        BitBottle imagined = BitBottle::from(playfield);
        const int virusesBefore = imagined.virusCount();
        const BitBottle::Outcome outcome = imagined.resolve();
        playfield.resolve();
        ASSERT_EQ(imagined, BitBottle::from(playfield)) << "landing " << landing;
        ASSERT_EQ(virusesBefore - outcome.virusesCleared, static_cast<int>(playfield.virusCount()));
        chains += outcome.passes > 1 ? 1 : 0;
        clearings += outcome.passes > 0 ? 1 : 0;
    }
    EXPECT_GT(chains, 20) << clearings;
    EXPECT_GT(clearings, 500);
}

// Tight timing: for every landing the search finds, following its first
// step again and again, with the tick taking the capsule down whenever the
// keys run out, lands the capsule right there. The quick search never
// claims a landing the exact one does not find.
TEST(BottleModel, EveryLandingFoundIsReachedByFollowingTheSteps)
{
    std::mt19937 dice(5);
    Playfield playfield;
    int followed = 0;
    for (int board = 0; board < 16; ++board) {
        scatter(playfield, dice, 30 + 2 * board);
        const BitBottle bottle = BitBottle::from(playfield);
        const CapsuleMoves moves(bottle);
        const int perFall = 1 + board % 4;
        const CapsulePose entry{};
        const MoveSearch search(moves, entry, perFall, perFall);

        const QuickReach quick(bottle, perFall, false);
        quick.forEachLanding([&](CapsulePose pose) { EXPECT_TRUE(search.reaches(pose)) << "board " << board; });

        for (const CapsulePose target : search.restingPoses()) {
            CapsulePose pose = entry;
            int keysLeft = perFall;
            bool landed = false;
            for (int step = 0; step < 200 && !landed; ++step) {
                const MoveSearch again(moves, pose, keysLeft, perFall);
                const PlayerAction key = keysLeft > 0 ? again.firstStepTo(target) : PlayerAction::Drop;
                ASSERT_NE(key, PlayerAction::None) << "board " << board << " lost the way at step " << step;
                if (key == PlayerAction::Drop) {
                    landed = !moves.canFall(pose);
                    pose = moves.after(pose, key);
                    keysLeft = perFall;
                } else {
                    pose = moves.after(pose, key);
                    --keysLeft;
                }
            }
            ASSERT_TRUE(landed);
            EXPECT_EQ(pose, target) << "board " << board;
            ++followed;
        }
    }
    EXPECT_GT(followed, 500);
}

}  // namespace
}  // namespace quindel
