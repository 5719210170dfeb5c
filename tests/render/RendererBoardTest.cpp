#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "CanvasProbe.h"
#include "render/Renderer.h"

namespace quindel {
namespace {

constexpr std::uint32_t Sentinel = 0xFF00FF;

class RendererBoard : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(renderer.loadPictures());
        test::paintCanvas(canvas, Sentinel);
    }

    bool drewNothing()
    {
        SDL_Rect area;
        return !canvas.takeDirtyRect(area);
    }

    static int squareX(int column) { return 272 + 32 * column; }
    static int squareY(int row) { return 44 + 32 * row; }

    Canvas canvas;
    Renderer renderer{canvas};
    Playfield field;
};

void put(Playfield& field, int column, int row, CellKind kind, CellColor color, CellLink link, CellPhase phase)
{
    Cell* c = field.cellAt(column, row);
    c->kind = kind;
    c->color = color;
    c->link = link;
    c->phase = phase;
}

struct CellCase {
    CellKind kind;
    CellColor color;
    CellLink link;
    CellPhase phase;
    std::optional<std::string> picture;  // none: the square keeps what it showed
};

TEST_F(RendererBoard, EachCellGetsTheSpriteOfItsKindColourLinkAndPhase)
{
    using K = CellKind;
    using C = CellColor;
    using L = CellLink;
    using P = CellPhase;
    const CellCase cases[] = {
        {K::Empty, C::NoColor, L::Single, P::Normal, "IDB_EMPTY"},
        {K::Empty, C::Green, L::TopHalf, P::Burst3, "IDB_EMPTY"},  // leftovers of an emptied cell
        {K::Virus, C::White, L::Single, P::Normal, "IDB_VIRUS_WHITE0"},
        {K::Virus, C::Blue, L::LeftHalf, P::Burst1, "IDB_VIRUS_BLUE1"},  // the link is not looked at
        {K::Virus, C::Green, L::Single, P::Burst3, "IDB_VIRUS_GREEN3"},
        {K::PillHalf, C::White, L::Single, P::Normal, "IDB_PILL_WHITE0_1"},
        {K::PillHalf, C::Blue, L::TopHalf, P::Burst1, "IDB_PILL_BLUE1_2"},
        {K::PillHalf, C::Green, L::RightHalf, P::Burst2, "IDB_PILL_GREEN2_3"},
        {K::PillHalf, C::Blue, L::BottomHalf, P::Normal, "IDB_PILL_BLUE3_1"},
        {K::PillHalf, C::White, L::LeftHalf, P::Burst3, "IDB_PILL_WHITE4_4"},
        {K::Virus, C::Blue, L::Single, P::Marked, std::nullopt},
        {K::PillHalf, C::Green, L::LeftHalf, P::Marked, std::nullopt},
        {K::Virus, C::NoColor, L::Single, P::Normal, std::nullopt},
        {K::PillHalf, C::White, static_cast<L>(305), P::Normal, std::nullopt},
        {static_cast<K>(503), C::White, L::Single, P::Normal, std::nullopt},
        {K::Virus, static_cast<C>(204), L::Single, P::Normal, std::nullopt},
    };
    for (const CellCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind) * 1000000 + static_cast<int>(c.color) * 1000 + static_cast<int>(c.phase));
        test::paintCanvas(canvas, Sentinel);
        put(field, 5, 9, c.kind, c.color, c.link, c.phase);
        renderer.drawBoard(field);
        if (c.picture) {
            EXPECT_TRUE(test::showsSquare(canvas, *c.picture, squareX(5), squareY(9)));
        } else {
            EXPECT_TRUE(test::untouched(canvas, squareX(5), squareY(9), 32, 32, Sentinel));
        }
    }
}

TEST_F(RendererBoard, SquaresLandAtTheirPlaceInTheBottle)
{
    put(field, 0, 0, CellKind::Virus, CellColor::White, CellLink::Single, CellPhase::Normal);
    put(field, 7, 15, CellKind::Virus, CellColor::Blue, CellLink::Single, CellPhase::Normal);
    put(field, 3, 9, CellKind::Virus, CellColor::Green, CellLink::Single, CellPhase::Normal);
    renderer.drawBoard(field);
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_VIRUS_WHITE0", 272, 44));
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_VIRUS_BLUE0", 496, 524));
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_VIRUS_GREEN0", 368, 332));
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_EMPTY", 304, 44));
    // Nothing outside the bottle.
    EXPECT_TRUE(test::untouched(canvas, 0, 0, 800, 44, Sentinel));
    EXPECT_TRUE(test::untouched(canvas, 528, 0, 272, 600, Sentinel));
    EXPECT_TRUE(test::untouched(canvas, 0, 556, 800, 44, Sentinel));
}

TEST_F(RendererBoard, ChangedCellsOnlyAreRedrawn)
{
    put(field, 2, 3, CellKind::Virus, CellColor::Green, CellLink::Single, CellPhase::Normal);
    renderer.drawBoard(field);
    ASSERT_FALSE(drewNothing());
    renderer.redrawChangedCells(field);
    EXPECT_TRUE(drewNothing());

    // A new partner alone is no change of look.
    Cell other;
    field.cellAt(2, 3)->partner = &other;
    renderer.redrawChangedCells(field);
    EXPECT_TRUE(drewNothing());

    test::paintCanvas(canvas, Sentinel);
    field.cellAt(2, 3)->reset();
    renderer.redrawChangedCells(field);
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_EMPTY", squareX(2), squareY(3)));
    SDL_Rect area;
    ASSERT_TRUE(canvas.takeDirtyRect(area));
    EXPECT_EQ(area.x, squareX(2));
    EXPECT_EQ(area.y, squareY(3));
    EXPECT_EQ(area.w, 32);
    EXPECT_EQ(area.h, 32);
}

TEST_F(RendererBoard, AMarkedCellKeepsItsPictureUntilItsBurstStarts)
{
    put(field, 4, 4, CellKind::PillHalf, CellColor::Blue, CellLink::LeftHalf, CellPhase::Normal);
    renderer.drawBoard(field);
    ASSERT_FALSE(drewNothing());
    field.cellAt(4, 4)->phase = CellPhase::Marked;
    renderer.redrawChangedCells(field);
    EXPECT_TRUE(drewNothing());
    EXPECT_EQ(renderer.drawnBoard().cellAt(4, 4)->phase, CellPhase::Marked);
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_PILL_BLUE4_1", squareX(4), squareY(4)));
    test::paintCanvas(canvas, Sentinel);
    renderer.drawBoard(field);
    EXPECT_TRUE(test::untouched(canvas, squareX(4), squareY(4), 32, 32, Sentinel));
    field.cellAt(4, 4)->phase = CellPhase::Burst1;
    renderer.redrawChangedCells(field);
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_PILL_BLUE4_2", squareX(4), squareY(4)));
}

TEST_F(RendererBoard, BeforeTheFirstFullDrawingOnlyNonDefaultCellsAreDrawn)
{
    put(field, 6, 10, CellKind::Virus, CellColor::White, CellLink::Single, CellPhase::Normal);
    put(field, 1, 1, CellKind::Empty, CellColor::Blue, CellLink::Single, CellPhase::Normal);
    renderer.redrawChangedCells(field);
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_VIRUS_WHITE0", squareX(6), squareY(10)));
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_EMPTY", squareX(1), squareY(1)));
    EXPECT_TRUE(test::untouched(canvas, squareX(0), squareY(0), 32, 32, Sentinel));
    EXPECT_TRUE(test::untouched(canvas, squareX(7), squareY(15), 32, 32, Sentinel));
}

struct CapsuleCase {
    const char* what;
    int columnA, rowA, columnB, rowB;
    CellColor colorA, colorB;
    const char* firstPicture;  // at the first place, none for no drawing
    int firstX, firstY;
    const char* secondPicture;
    int secondX, secondY;
};

TEST_F(RendererBoard, FallingCapsuleShowsLinkedHalvesInEitherOrientation)
{
    using C = CellColor;
    const CapsuleCase cases[] = {
        {"lying, A left", 3, 0, 4, 0, C::White, C::Blue, "IDB_PILL_WHITE4_1", 368, 44, "IDB_PILL_BLUE2_1", 400, 44},
        {"lying, A right", 4, 0, 3, 0, C::White, C::Blue, "IDB_PILL_BLUE4_1", 368, 44, "IDB_PILL_WHITE2_1", 400, 44},
        {"standing, A below", 3, 1, 3, 0, C::Green, C::White, "IDB_PILL_GREEN3_1", 368, 76, "IDB_PILL_WHITE1_1", 368,
         44},
        {"standing, A above", 3, 0, 3, 1, C::Green, C::White, "IDB_PILL_WHITE3_1", 368, 76, "IDB_PILL_GREEN1_1", 368,
         44},
        {"no colour in A", 0, 15, 1, 15, C::NoColor, C::Green, nullptr, 272, 524, "IDB_PILL_GREEN2_1", 304, 524},
    };
    for (const CapsuleCase& c : cases) {
        SCOPED_TRACE(c.what);
        test::paintCanvas(canvas, Sentinel);
        Capsule capsule(c.colorA, c.colorB);
        capsule.columnA = c.columnA;
        capsule.rowA = c.rowA;
        capsule.columnB = c.columnB;
        capsule.rowB = c.rowB;
        renderer.drawFallingCapsule(capsule);
        if (c.firstPicture) {
            EXPECT_TRUE(test::showsSquare(canvas, c.firstPicture, c.firstX, c.firstY));
        } else {
            EXPECT_TRUE(test::untouched(canvas, c.firstX, c.firstY, 32, 32, Sentinel));
        }
        EXPECT_TRUE(test::showsSquare(canvas, c.secondPicture, c.secondX, c.secondY));
        // Never written into the record of the board.
        EXPECT_EQ(renderer.drawnBoard().cellAt(c.columnA, c.rowA)->kind, CellKind::Empty);
    }
}

TEST_F(RendererBoard, PreviewLiesWithHalfAOnTheLeftWhereverTheCapsuleIs)
{
    Capsule standing(CellColor::Green, CellColor::Blue);
    standing.columnA = 6;
    standing.rowA = 9;
    standing.columnB = 6;
    standing.rowB = 8;
    renderer.drawNextCapsule(standing);
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_PILL_GREEN4_1", 99, 78));
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_PILL_BLUE2_1", 131, 78));
    EXPECT_TRUE(test::untouched(canvas, 272, 44, 256, 512, Sentinel));

    test::paintCanvas(canvas, Sentinel);
    renderer.drawNextCapsule(Capsule(CellColor::White, CellColor::NoColor));
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_PILL_WHITE4_1", 99, 78));
    EXPECT_TRUE(test::untouched(canvas, 131, 78, 32, 32, Sentinel));
}

TEST_F(RendererBoard, EraseCapsulePaintsBothSquaresEmptyWhateverTheBoardHolds)
{
    put(field, 3, 0, CellKind::Virus, CellColor::Blue, CellLink::Single, CellPhase::Normal);
    renderer.drawBoard(field);
    renderer.eraseCapsule(Capsule(CellColor::White, CellColor::White));
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_EMPTY", 368, 44));
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_EMPTY", 400, 44));
}

TEST(RendererWithoutPictures, DrawsNothingAndDoesNotFail)
{
    Canvas canvas;
    Renderer renderer(canvas);
    Playfield field;
    field.cellAt(0, 0)->kind = CellKind::Virus;
    field.cellAt(0, 0)->color = CellColor::Blue;
    renderer.drawBackground();
    renderer.drawBoard(field);
    renderer.drawFallingCapsule(Capsule(CellColor::White, CellColor::Blue));
    renderer.drawScore(42, true);
    renderer.drawLevelPicture(0);
    SDL_Rect area;
    EXPECT_FALSE(canvas.takeDirtyRect(area));
    EXPECT_EQ(renderer.drawnBoard().cellAt(0, 0)->kind, CellKind::Virus);
    EXPECT_EQ(renderer.lastDrawnScore(), 42);
}

}  // namespace
}  // namespace quindel
