#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "BoardText.h"
#include "FixedTimeSource.h"
#include "RecordingOwner.h"
#include "core/Capsule.h"
#include "core/Playfield.h"

namespace quindel {
namespace {

// The falling capsule's own rules: adjacent halves in the right order,
// inside the bottle, on free squares only.
std::string brokenCapsule(const Capsule& c, const Playfield& playfield)
{
    const bool lying = c.rowA == c.rowB && c.columnB == c.columnA + 1;
    const bool standing = c.columnA == c.columnB && c.rowA == c.rowB + 1;
    if (!lying && !standing)
        return "halves are not adjacent in order";
    if (!isRealColor(c.colorA) || !isRealColor(c.colorB))
        return "a half has no colour";
    for (auto [column, row] : {std::pair{c.columnA, c.rowA}, std::pair{c.columnB, c.rowB}}) {
        const Cell* cell = playfield.cellAt(column, row);
        if (cell == nullptr)
            return "a half is outside the bottle";
        if (cell->kind != CellKind::Empty)
            return "a half overlaps a taken square";
    }
    return {};
}

// Plays thousands of capsules with random moves on random levels and checks
// after every landing that the bottle is sound, stable and counted right.
TEST(RandomPlay, EveryLandingLeavesASoundStableBottle)
{
    constexpr int Capsules = 20000;
    std::mt19937 dice(20261208);
    test::FixedTimeSource clock(1'700'000'000);
    test::RecordingOwner owner;
    Playfield playfield;
    playfield.setOwner(&owner);

    std::unique_ptr<Capsule> current;
    std::unique_ptr<Capsule> next;
    const auto startLevel = [&] {
        owner.level = std::uniform_int_distribution<std::uint32_t>(0, 19)(dice);
        owner.interval = std::uniform_int_distribution<std::uint32_t>(100, 1100)(dice);
        ++clock.now;
        playfield.placeViruses(owner.level);
        current = std::make_unique<Capsule>();
        ++clock.now;
        next = std::make_unique<Capsule>();
    };
    startLevel();

    int levels = 1;
    int clearings = 0;
    for (int landed = 0; landed < Capsules; ++landed) {
        SCOPED_TRACE(testing::Message() << "capsule " << landed);
        const int actions = std::uniform_int_distribution<int>(0, 24)(dice);
        for (int i = 0; i < actions; ++i) {
            switch (std::uniform_int_distribution<int>(0, 5)(dice)) {
            case 0:
                moveLeft(*current, playfield);
                break;
            case 1:
                moveRight(*current, playfield);
                break;
            case 2:
                turnLeft(*current, playfield);
                break;
            case 3:
                turnRight(*current, playfield);
                break;
            default:
                dropCapsule(*current, playfield);
                break;
            }
            ASSERT_EQ(brokenCapsule(*current, playfield), "");
        }
        while (dropCapsule(*current, playfield))
            ASSERT_EQ(brokenCapsule(*current, playfield), "");

        // A new second now and then, so the colours vary between capsules.
        clock.now += std::uniform_int_distribution<int>(0, 1)(dice);
        lockCapsule(current, next, playfield);
        owner.events.clear();
        playfield.resolve();

        ASSERT_EQ(test::brokenInvariant(playfield), "");
        ASSERT_EQ(test::unstableSquare(playfield), "");
        ASSERT_EQ(static_cast<std::uint32_t>(test::countViruses(playfield)), playfield.virusCount());
        ASSERT_EQ(owner.valuesOf(test::OwnerEvent::Type::SpeedUp).size(), 1u);
        if (!owner.valuesOf(test::OwnerEvent::Type::Sound).empty())
            ++clearings;

        if (playfield.virusCount() == 0 || playfield.entryBlocked()) {
            startLevel();
            ++levels;
        }
    }
    // The run must have exercised what it checks.
    EXPECT_GT(levels, 50);
    EXPECT_GT(clearings, 1000);
}

}  // namespace
}  // namespace quindel
