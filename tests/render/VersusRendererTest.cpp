#include <gtest/gtest.h>

#include "CanvasProbe.h"
#include "core/BoardNotation.h"
#include "render/VersusRenderer.h"

namespace quindel {
namespace {

using Sign = VersusRenderer::Sign;
using Plate = VersusRenderer::Plate;

// A match's screen with both bottles empty, both previews white and blue.
struct Match final {
    Playfield left;
    Playfield right;
    Capsule preview;
    VersusRenderer::Screen screen;

    Match()
    {
        preview.colorA = CellColor::White;
        preview.colorB = CellColor::Blue;
        screen.sides[0].bottle = &left;
        screen.sides[1].bottle = &right;
        screen.sides[0].preview = &preview;
        screen.sides[1].preview = &preview;
        screen.sides[1].plate = Plate::Computer;
    }
};

TEST(VersusRenderer, EveryPieceLandsWhereTheVersusBackgroundLeftRoomForIt)
{
    Canvas canvas;
    Renderer sprites(canvas);
    ASSERT_TRUE(sprites.loadPictures());
    VersusRenderer renderer(canvas, sprites);
    ASSERT_TRUE(renderer.loadPictures());

    struct Case final {
        const char* name;
        void (*set)(Match&);
        const char* picture;
        int w, h, x, y;
    };
    const Case cases[] = {
        {"player one's plate in the upper panel", [](Match&) {}, "IDB_VS_PLAYER1", 168, 32, 316, 16},
        {"the computer's in the lower one", [](Match&) {}, "IDB_VS_COMPUTER", 168, 32, 316, 358},
        {"a friend's", [](Match& m) { m.screen.sides[1].plate = Plate::PlayerTwo; }, "IDB_VS_PLAYER2", 168, 32, 316,
         358},
        {"the preview's left half", [](Match&) {}, "IDB_PILL_WHITE4_1", 32, 32, 328, 77},
        {"a round won: the first of three marks", [](Match& m) { m.screen.sides[1].wins = 1; }, "IDB_VS_WIN", 28, 28,
         354, 541},
        {"and a round still to win", [](Match& m) { m.screen.sides[1].wins = 1; }, "IDB_VS_NOWIN", 28, 28, 386, 541},
        {"a round won over the left bottle", [](Match& m) { m.screen.sides[0].sign = Sign::RoundWon; },
         "IDB_VS_ROUNDWON", 240, 178, 32, 211},
        {"the match lost over the right", [](Match& m) { m.screen.sides[1].sign = Sign::MatchLost; },
         "IDB_VS_MATCHLOST", 240, 178, 528, 211},
        {"a drawn round", [](Match& m) { m.screen.sides[1].sign = Sign::Drawn; }, "IDB_VS_DRAW", 240, 178, 528, 211},
        {"the pause over both", [](Match& m) { m.screen.paused = true; }, "IDB_VS_PAUSE", 240, 80, 528, 239},
        {"a virus in its square",
         [](Match& m) {
             m.right.cellAt(7, 15)->kind = CellKind::Virus;
             m.right.cellAt(7, 15)->color = CellColor::Blue;
         },
         nullptr, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Match match;
        c.set(match);
        renderer.draw(match.screen);
        if (c.picture != nullptr) {
            EXPECT_TRUE(test::shows(canvas, c.picture, 0, 0, c.w, c.h, c.x, c.y));
        } else {
            EXPECT_FALSE(test::showsSquare(canvas, "IDB_EMPTY", 520 + 7 * 32, 44 + 15 * 32));
            EXPECT_TRUE(test::showsSquare(canvas, "IDB_EMPTY", 24 + 7 * 32, 44 + 15 * 32));
        }
    }
}

}  // namespace
}  // namespace quindel
