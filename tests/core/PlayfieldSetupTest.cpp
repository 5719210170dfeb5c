#include <gtest/gtest.h>

#include "BoardText.h"
#include "FixedTimeSource.h"
#include "core/Playfield.h"

namespace quindel {
namespace {

using test::BoardText;

// The longest straight run of one colour anywhere in the bottle, counted
// here independently of the game's own line finder.
int longestRun(const Playfield& playfield)
{
    int longest = 0;
    const auto walk = [&](bool vertical, int line, int length) {
        CellColor color = CellColor::NoColor;
        int run = 0;
        for (int at = 0; at < length; ++at) {
            const Cell* cell = vertical ? playfield.cellAt(line, at) : playfield.cellAt(at, line);
            run = cell->color == color ? run + 1 : 1;
            color = cell->color;
            if (color != CellColor::NoColor && run > longest)
                longest = run;
        }
    };
    for (int column = 0; column < Playfield::Columns; ++column)
        walk(true, column, Playfield::Rows);
    for (int row = 0; row < Playfield::Rows; ++row)
        walk(false, row, Playfield::Columns);
    return longest;
}

TEST(PlayfieldSetup, EveryLevelGetsItsVirusesInTheLowerRowsWithoutAReadyLine)
{
    test::FixedTimeSource clock;
    Playfield playfield;
    for (std::uint32_t level = 0; level < 20; ++level) {
        for (int second = 0; second < 25; ++second) {
            clock.now = 1'600'000'000 + second * 3607 + level;
            playfield.placeViruses(level);
            const int expected = static_cast<int>(level * 4 + 4);
            SCOPED_TRACE(testing::Message() << "level " << level << " at " << clock.now);
            ASSERT_EQ(test::countViruses(playfield), expected);
            ASSERT_EQ(playfield.virusCount(), static_cast<std::uint32_t>(expected));
            ASSERT_EQ(test::brokenInvariant(playfield), "");
            ASSERT_LE(longestRun(playfield), 3);
            for (int row = 0; row < 4; ++row)
                for (int column = 0; column < Playfield::Columns; ++column)
                    ASSERT_EQ(playfield.cellAt(column, row)->kind, CellKind::Empty);
            for (int row = 4; row < Playfield::Rows; ++row)
                for (int column = 0; column < Playfield::Columns; ++column)
                    ASSERT_NE(playfield.cellAt(column, row)->kind, CellKind::PillHalf);
        }
    }
}

// The layout is a function of the installed seconds alone, draw for draw.
TEST(PlayfieldSetup, TheLayoutFollowsTheInstalledSeconds)
{
    test::FixedTimeSource clock(1'765'180'800);
    Playfield playfield;
    playfield.placeViruses(2);
    const std::vector<std::string> pinned = {
        "W.W.G...........",
        "......G...B.....",
        "G.B.W.G...G.....",
        "G...........G...",
    };
    Playfield expected;
    BoardText::load(expected, pinned);
    EXPECT_EQ(BoardText::dump(playfield), BoardText::dump(expected));

    // Same second, same bottle, whatever the generator did in between.
    playfield.placeViruses(2);
    EXPECT_EQ(BoardText::dump(playfield), BoardText::dump(expected));

    clock.now += 1;
    playfield.placeViruses(2);
    EXPECT_NE(BoardText::dump(playfield), BoardText::dump(expected));
}

// Beyond the last level set-up would sweep forever looking for room; it
// sets up the last level instead.
TEST(PlayfieldSetup, LevelsBeyondTheLastSetUpTheLast)
{
    test::FixedTimeSource clock;
    Playfield playfield;
    for (std::uint32_t level : {20u, 23u, 24u, 1000u, 0xffffffffu}) {
        playfield.placeViruses(level);
        EXPECT_EQ(playfield.virusCount(), 80u) << level;
        EXPECT_EQ(test::countViruses(playfield), 80) << level;
    }
}

TEST(PlayfieldSetup, WouldMakeLineCountsBothWaysAndIgnoresTheTopRows)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;  // the bottom rows
        int column;
        int row;
        int colorCode;
        bool expected;
    };
    const Case cases[] = {
        {"empty bottle", {}, 3, 10, 0, false},
        {"codes 3 and 4 mean no virus", {}, 3, 10, 3, true},
        {"code 4", {}, 3, 10, 4, true},
        {"three below", {"W.", "W.", "W."}, 0, 12, 0, true},
        {"three below, other colour", {"W.", "W.", "W."}, 0, 12, 1, false},
        {"two below is only three", {"W.", "W."}, 0, 13, 0, false},
        {"two below and one above", {"W.", "..", "W.", "W."}, 0, 13, 0, true},
        {"a gap ends the count", {"W.", "..", "W.", "W.", "W."}, 0, 10, 0, false},
        {"another colour ends the count", {"W.", "W.", "G.", "W."}, 0, 11, 0, false},
        {"three to the left", {"B.B.B..........."}, 3, 15, 1, true},
        {"two left and one right", {"G.G...G........."}, 2, 15, 2, true},
        {"one each side", {"G...G..........."}, 1, 15, 2, false},
        {"three to the right at the wall", {"..........W.W.W."}, 4, 15, 0, true},
        // Upward only rows 3 and below are counted: cells higher up never
        // hold a virus during set-up.
        {"rows above 3 not counted",
         {"W.", "W.", "W.", "..", "..", "..", "..", "..", "..", "..", "..", "..", "..", "..", ".."},
         0,
         4,
         0,
         false},
        {"row 3 counted",
         {"W.", "..", "W.", "W.", "..", "..", "..", "..", "..", "..", "..", "..", ".."},
         0,
         4,
         0,
         true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> rows;
        for (const std::string& row : c.rows)
            rows.push_back(row.size() == 2 ? std::string(row).append(14, '.') : row);
        Playfield playfield;
        BoardText::load(playfield, rows);
        EXPECT_EQ(playfield.wouldMakeLine(c.column, c.row, c.colorCode), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace quindel
