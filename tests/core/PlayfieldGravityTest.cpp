#include <gtest/gtest.h>

#include "BoardText.h"
#include "RecordingOwner.h"
#include "core/Playfield.h"

namespace quindel {
namespace {

using test::BoardText;
using test::RecordingOwner;
using Type = test::OwnerEvent::Type;

std::vector<std::string> bottom(const std::vector<std::string>& rows)
{
    std::vector<std::string> full(Playfield::Rows - rows.size(), std::string(16, '.'));
    for (const std::string& row : rows)
        full.push_back(row + std::string(16 - row.size(), '.'));
    return full;
}

TEST(Settle, EverythingUnsupportedFallsARowPerFrame)
{
    struct Case {
        const char* name;
        std::vector<std::string> before;  // bottom rows
        std::vector<std::string> after;
        std::size_t frames;
    };
    const Case cases[] = {
        {"nothing to move still draws a frame", {}, {}, 1},
        {"a loose half falls to the bottom", {"w-", "..", "..", ".."}, {"..", "..", "..", "w-"}, 4},
        {"a loose half rests on a virus", {"w-", "B."}, {"w-", "B."}, 1},
        {"a loose half rests on another half", {"w-", "g>b<"}, {"w-", "g>b<"}, 1},
        {"a loose half rests on the bottom", {"w-"}, {"w-"}, 1},
        {"a stack of loose halves sinks together", {"w-", "b-", "..", ".."}, {"..", "..", "w-", "b-"}, 3},
        {"a lying capsule held under its left half", {"w>b<", "G."}, {"w>b<", "G."}, 1},
        {"a lying capsule held under its right half", {"w>b<", "..G."}, {"w>b<", "..G."}, 1},
        {"a lying capsule falls whole", {"w>b<", "....", "...."}, {"....", "....", "w>b<"}, 3},
        {"a standing capsule falls whole", {"gv", "b^", "..", ".."}, {"..", "..", "gv", "b^"}, 3},
        {"a standing capsule on a virus stays", {"gv", "b^", "W."}, {"gv", "b^", "W."}, 1},
        {"viruses never move", {"W.", "..", ".."}, {"W.", "..", ".."}, 1},
        // The capsule follows the loose half under it in the same pass, then
        // stays held by it with one square free.
        {"a capsule follows a falling half", {"w>b<", "g-", "..", ".."}, {"....", "....", "w>b<", "g-"}, 3},
        {"a half falls beside a held capsule", {"..w>b<", "..G.b-", "......"}, {"..w>b<", "..G...", "....b-"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Playfield playfield;
        RecordingOwner owner;
        playfield.setOwner(&owner);
        BoardText::load(playfield, bottom(c.before));
        playfield.settle();
        EXPECT_EQ(BoardText::dump(playfield), bottom(c.after));
        EXPECT_EQ(owner.valuesOf(Type::Wait), std::vector<std::int64_t>(c.frames, 120));
        EXPECT_EQ(owner.valuesOf(Type::Redraw).size(), c.frames);
        EXPECT_EQ(test::brokenInvariant(playfield), "");
        EXPECT_EQ(test::unstableSquare(playfield), "");
    }
}

TEST(Settle, AHalfWithKEmptySquaresBelowTakesKPlusOneFrames)
{
    for (int k = 0; k <= 15; ++k) {
        Playfield playfield;
        RecordingOwner owner;
        playfield.setOwner(&owner);
        Cell* half = playfield.cellAt(5, 15 - k);
        half->kind = CellKind::PillHalf;
        half->color = CellColor::Green;
        playfield.settle();
        EXPECT_EQ(owner.valuesOf(Type::Wait).size(), static_cast<std::size_t>(k + 1)) << k;
        EXPECT_EQ(playfield.cellAt(5, 15)->color, CellColor::Green) << k;
    }
}

TEST(EntryBlocked, EitherEntrySquareIsEnough)
{
    struct Case {
        std::vector<std::pair<int, int>> taken;
        bool blocked;
    };
    const Case cases[] = {
        {{}, false},
        {{{3, 0}}, true},
        {{{4, 0}}, true},
        {{{3, 0}, {4, 0}}, true},
        {{{2, 0}, {5, 0}, {3, 1}, {4, 1}}, false},
    };
    for (const Case& c : cases) {
        Playfield playfield;
        for (auto [column, row] : c.taken) {
            playfield.cellAt(column, row)->kind = CellKind::PillHalf;
            playfield.cellAt(column, row)->color = CellColor::Blue;
        }
        EXPECT_EQ(playfield.entryBlocked(), c.blocked) << c.taken.size();
    }
}

}  // namespace
}  // namespace quindel
