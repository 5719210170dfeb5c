#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "CanvasProbe.h"
#include "render/Renderer.h"

namespace quindel {
namespace {

constexpr std::uint32_t Sentinel = 0xFF00FF;

struct PictureCase {
    const char* picture;
    std::function<void(Renderer&)> draw;
    int x, y, w, h;
};

TEST(RendererScreen, WholePicturesLandAtTheirPlacesAndCoverOnlyTheirPicture)
{
    Canvas canvas;
    Renderer renderer(canvas);
    ASSERT_TRUE(renderer.loadPictures());
    const PictureCase cases[] = {
        {"IDB_BACKGROUND", [](Renderer& r) { r.drawBackground(); }, 0, 0, 800, 600},
        {"IDB_TITLESCREEN", [](Renderer& r) { r.drawTitleScreen(); }, 0, 0, 800, 600},
        // The overlays are smaller than the 300 x 200 they copy: the rest keeps what was there.
        {"IDB_PAUSE", [](Renderer& r) { r.drawPauseOverlay(""); }, 250, 200, 300, 121},
        {"IDB_LEVELCLEAR", [](Renderer& r) { r.drawLevelClearOverlay(); }, 250, 200, 280, 178},
        {"IDB_GAMEOVER", [](Renderer& r) { r.drawGameOverOverlay(); }, 250, 200, 300, 178},
        {"IDB_LEVEL1", [](Renderer& r) { r.drawLevelPicture(0); }, 106, 210, 107, 107},
        {"IDB_LEVEL20", [](Renderer& r) { r.drawLevelPicture(19); }, 106, 210, 107, 107},
    };
    for (const PictureCase& c : cases) {
        SCOPED_TRACE(c.picture);
        test::paintCanvas(canvas, Sentinel);
        c.draw(renderer);
        EXPECT_TRUE(test::shows(canvas, c.picture, 0, 0, c.w, c.h, c.x, c.y));
        SDL_Rect area;
        ASSERT_TRUE(canvas.takeDirtyRect(area));
        EXPECT_EQ(area.x, c.x);
        EXPECT_EQ(area.y, c.y);
        EXPECT_EQ(area.w, c.w);
        EXPECT_EQ(area.h, c.h);
        if (c.w < 800) {
            EXPECT_TRUE(test::untouched(canvas, c.x, c.y + c.h, 300, 200 - c.h, Sentinel));
            EXPECT_TRUE(test::untouched(canvas, c.x + c.w, c.y, 800 - c.x - c.w, 1, Sentinel));
        }
    }
}

TEST(RendererScreen, ThePauseSignNamesTheKeysThatResumeOnItsLabel)
{
    Canvas canvas;
    Renderer renderer(canvas);
    ASSERT_TRUE(renderer.loadPictures());
    // 18 letters of 8 pixels, centred on the 300-pixel sign; a space keeps
    // the label's paper, the way the hall of fame's names do.
    renderer.drawPauseOverlay("PRESS F12 OR ESC");
    const int left = Renderer::OverlayX + (Renderer::OverlayWidth - 16 * Renderer::CharWidth) / 2;
    const auto glyph = [](char c) { return c <= '9' ? c - '0' : c - 'A' + 10; };
    for (const auto& [index, c] : {std::pair{0, 'P'}, std::pair{6, 'F'}, std::pair{7, '1'}, std::pair{15, 'C'}})
        EXPECT_TRUE(test::shows(canvas, "IDB_CHARS", glyph(c) * Renderer::CharWidth, 0, Renderer::CharWidth,
                                Renderer::CharHeight, left + index * Renderer::CharWidth, Renderer::PauseLabelY))
            << c;
}

TEST(RendererScreen, ALevelIndexOutsideTheTwentyPicturesDrawsNothing)
{
    Canvas canvas;
    Renderer renderer(canvas);
    ASSERT_TRUE(renderer.loadPictures());
    for (std::uint32_t index : {20u, 21u, 0xFFFFFFFFu}) {
        renderer.drawLevelPicture(index);
        SDL_Rect area;
        EXPECT_FALSE(canvas.takeDirtyRect(area)) << index;
    }
}

TEST(RendererScreen, BackgroundLeavesTheRecordOfTheBoardAlone)
{
    Canvas canvas;
    Renderer renderer(canvas);
    ASSERT_TRUE(renderer.loadPictures());
    Playfield field;
    field.cellAt(1, 2)->kind = CellKind::Virus;
    field.cellAt(1, 2)->color = CellColor::Green;
    renderer.drawBoard(field);
    renderer.drawBackground();
    EXPECT_EQ(renderer.drawnBoard().cellAt(1, 2)->kind, CellKind::Virus);
    // So the changed-cells drawing does not bring the virus back; only a full one does.
    renderer.redrawChangedCells(field);
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_EMPTY", 304, 108));
    renderer.drawBoard(field);
    EXPECT_TRUE(test::showsSquare(canvas, "IDB_VIRUS_GREEN0", 304, 108));
}

TEST(Canvas, CopiesClipToThePictureAndTheCanvas)
{
    Canvas canvas;
    test::paintCanvas(canvas, Sentinel);
    SDL_Surface* sprite = test::decodedPicture("IDB_VIRUS_BLUE0");
    ASSERT_NE(sprite, nullptr);
    canvas.copy(sprite, 0, 0, 32, 32, 784, 590);
    EXPECT_TRUE(test::shows(canvas, "IDB_VIRUS_BLUE0", 0, 0, 16, 10, 784, 590));
    SDL_Rect area;
    ASSERT_TRUE(canvas.takeDirtyRect(area));
    EXPECT_EQ(area.w, 16);
    EXPECT_EQ(area.h, 10);
    canvas.copy(sprite, 16, 16, 100, 100, 0, 0);  // the picture ends after 16 pixels
    EXPECT_TRUE(test::shows(canvas, "IDB_VIRUS_BLUE0", 16, 16, 16, 16, 0, 0));
    EXPECT_TRUE(test::untouched(canvas, 16, 0, 100, 16, Sentinel));
    canvas.copy(sprite, 0, 0, 32, 32, -40, 0);
    canvas.copy(sprite, 40, 0, 32, 32, 0, 0);
    canvas.copy(nullptr, 0, 0, 32, 32, 0, 0);
    ASSERT_TRUE(canvas.takeDirtyRect(area));
    EXPECT_EQ(area.w, 16);  // only the second copy drew anything
    EXPECT_FALSE(canvas.takeDirtyRect(area));
}

TEST(Canvas, KeepsWhatChangedAsAFewRectanglesThatNeverOverlap)
{
    struct Case {
        const char* name;
        std::vector<SDL_Rect> copies;
        std::size_t pieces;
    };
    const auto squares = [](int count, int step) {
        std::vector<SDL_Rect> cells;
        for (int i = 0; i < count; ++i)
            cells.push_back(SDL_Rect{(i % 10) * step, (i / 10) * step, 32, 32});
        return cells;
    };
    const Case cases[] = {
        {"one square", {{272, 44, 32, 32}}, 1},
        {"a capsule standing", {{272, 44, 32, 32}, {272, 76, 32, 32}}, 1},
        {"overlapping", {{10, 10, 50, 50}, {40, 40, 50, 50}}, 1},
        {"a landing: bottle, next capsule, score", {{304, 524, 64, 32}, {99, 78, 64, 32}, {600, 531, 167, 28}}, 3},
        {"a pixel apart, joined for little waste", {{0, 0, 32, 32}, {33, 0, 32, 32}}, 1},
        {"diagonal neighbours: joined, half would be waste", {{0, 0, 32, 32}, {32, 32, 32, 32}}, 2},
        {"squares far apart, too many to keep apart", squares(30, 70), DirtyRegion::MaxRects},
        {"the whole canvas", {{272, 44, 32, 32}, {0, 0, 800, 600}}, 1},
    };
    Canvas canvas;
    SDL_Surface* sprite = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_XRGB8888);
    for (const Case& c : cases) {
        for (const SDL_Rect& r : c.copies)
            canvas.copy(sprite, 0, 0, r.w, r.h, r.x, r.y);
        const DirtyRegion region = canvas.takeDirtyRegion();
        EXPECT_EQ(region.rects().size(), c.pieces) << c.name;
        for (const SDL_Rect& r : c.copies) {
            SDL_Rect covered{0, 0, 0, 0};
            for (const SDL_Rect& piece : region.rects()) {
                SDL_Rect both;
                if (SDL_IntersectRect(&piece, &r, &both) == SDL_TRUE)
                    covered.w += both.w * both.h;
            }
            EXPECT_EQ(covered.w, r.w * r.h) << c.name << ": a copy is not covered once";
        }
        SDL_Rect area;
        EXPECT_FALSE(canvas.takeDirtyRect(area)) << c.name;
    }
    canvas.copy(sprite, 0, 0, 32, 32, 0, 0);
    canvas.copy(sprite, 0, 0, 32, 32, 700, 500);
    SDL_Rect area;
    ASSERT_TRUE(canvas.takeDirtyRect(area));
    EXPECT_EQ(std::vector({area.x, area.y, area.w, area.h}), std::vector({0, 0, 732, 532}));
    EXPECT_TRUE(canvas.takeDirtyRegion().empty());
    SDL_FreeSurface(sprite);
}

TEST(Canvas, SavesItsPixelsAsA24BitBitmap)
{
    Canvas canvas;
    Renderer renderer(canvas);
    ASSERT_TRUE(renderer.loadPictures());
    renderer.drawBackground();
    // Named in letters outside ASCII: the path is UTF-8, as SDL takes it too.
    const std::string path = ::testing::TempDir() + "/canvas-Zoë-日本.bmp";
    ASSERT_TRUE(canvas.saveBmp(path));
    SDL_Surface* saved = SDL_LoadBMP(path.c_str());
    ASSERT_NE(saved, nullptr) << SDL_GetError();
    EXPECT_EQ(saved->w, 800);
    EXPECT_EQ(saved->h, 600);
    EXPECT_EQ(saved->format->BitsPerPixel, 24);
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(saved, SDL_PIXELFORMAT_XRGB8888, 0);
    for (auto [x, y] : {std::pair{0, 0}, {799, 0}, {400, 300}, {0, 599}, {799, 599}}) {
        EXPECT_EQ(test::picturePixel(converted, x, y), canvas.pixelAt(x, y));
    }
    SDL_FreeSurface(converted);
    SDL_FreeSurface(saved);
    EXPECT_FALSE(canvas.saveBmp(::testing::TempDir() + "/no/such/folder/canvas.bmp"));
}

}  // namespace
}  // namespace quindel
