// Where the menu bar and the canvas go in windows of many sizes, and how a
// point of the window maps back to the menu, the dialogs and the canvas.

#include "sdl/DisplayLayout.h"

#include <gtest/gtest.h>

namespace quindel {
namespace {

TEST(DisplayLayout, TheCanvasFitsBetweenBarsAndTheMenuGrowsInWholeFontPixels)
{
    struct Case {
        const char* name;
        int windowWidth, windowHeight, outputWidth, outputHeight;
        bool integer;
        int font, menu;
        DisplayLayout::Rect canvas;
        bool smooth;
    };
    const Case cases[] = {
        // The original window: nothing scaled, nothing filtered.
        {"original", 800, 619, 800, 619, false, 13, 19, {0, 19, 800, 600}, false},
        // Twice the original on a HiDPI screen: sharp at the screen's pixels.
        {"hidpi 2x", 800, 619, 1600, 1238, false, 26, 38, {0, 38, 1600, 1200}, false},
        // 1280 x 1024: as wide as it can, bars above and below.
        {"1280x1024", 1280, 1024, 1280, 1024, false, 20, 30, {0, 47, 1280, 960}, true},
        {"1280x1024, integer", 1280, 1024, 1280, 1024, true, 20, 30, {240, 227, 800, 600}, false},
        // Full HD: bars left and right.
        {"1920x1080", 1920, 1080, 1920, 1080, false, 22, 33, {262, 33, 1396, 1047}, true},
        {"1920x1080, integer", 1920, 1080, 1920, 1080, true, 22, 33, {560, 256, 800, 600}, false},
        // 4K: three whole times fits, with room to spare around it.
        {"3840x2160", 3840, 2160, 3840, 2160, false, 45, 66, {524, 66, 2792, 2094}, true},
        {"3840x2160, integer", 3840, 2160, 3840, 2160, true, 45, 66, {720, 213, 2400, 1800}, false},
        // Narrower than the canvas: everything still shown, smoothly, the
        // font kept readable; integer scaling cannot help there.
        {"too narrow", 640, 700, 640, 700, false, 13, 19, {0, 119, 640, 480}, true},
        {"too narrow, integer", 640, 700, 640, 700, true, 13, 19, {0, 119, 640, 480}, true},
        // A minimised window reports no size: laid out as the original.
        {"minimised", 0, 0, 0, 0, false, 13, 19, {0, 19, 800, 600}, false},
    };
    for (const Case& c : cases) {
        const DisplayLayout layout(c.windowWidth, c.windowHeight, c.outputWidth, c.outputHeight, c.integer);
        EXPECT_EQ(layout.fontPixels(), c.font) << c.name;
        EXPECT_EQ(layout.menuBarHeight(), c.menu) << c.name;
        const DisplayLayout::Rect canvas = layout.canvas();
        EXPECT_EQ(canvas.x, c.canvas.x) << c.name;
        EXPECT_EQ(canvas.y, c.canvas.y) << c.name;
        EXPECT_EQ(canvas.width, c.canvas.width) << c.name;
        EXPECT_EQ(canvas.height, c.canvas.height) << c.name;
        EXPECT_EQ(layout.smooth(), c.smooth) << c.name;
        // Whatever the size, the picture keeps its 4:3, stays inside the
        // window and below the menu bar.
        EXPECT_NEAR(static_cast<double>(canvas.width) / canvas.height, 4.0 / 3.0, 0.002) << c.name;
        EXPECT_GE(canvas.x, 0) << c.name;
        EXPECT_GE(canvas.y, layout.menuBarHeight()) << c.name;
        EXPECT_LE(canvas.x + canvas.width, layout.outputWidth()) << c.name;
        EXPECT_LE(canvas.y + canvas.height, layout.outputHeight()) << c.name;
    }
}

TEST(DisplayLayout, WindowPointsMapBackToTheCanvasAndToTheMenusUnits)
{
    struct Case {
        const char* name;
        DisplayLayout layout;
        float x, y;
        bool onCanvas;
        float canvasX, canvasY;
        float uiX, uiY;
    };
    const Case cases[] = {
        {"original, a corner", DisplayLayout(800, 619, 800, 619, false), 0, 19, true, 0, 0, 0, 19},
        {"original, the menu bar", DisplayLayout(800, 619, 800, 619, false), 20, 9, false, 0, 0, 20, 9},
        // Half as many window points as pixels: a point is two pixels.
        {"hidpi, the middle", DisplayLayout(800, 619, 1600, 1238, false), 400, 319, true, 400, 300, 400, 319},
        {"1920x1080, left bar", DisplayLayout(1920, 1080, 1920, 1080, false), 261, 500, false, 0, 0, 154.23f, 295.45f},
        {"1920x1080, the canvas's corner", DisplayLayout(1920, 1080, 1920, 1080, false), 262, 33, true, 0, 0, 154.82f,
         19.5f},
        {"1920x1080, the middle", DisplayLayout(1920, 1080, 1920, 1080, false), 960, 556.5f, true, 400, 300, 567.27f,
         328.84f},
        {"1920x1080, right bar", DisplayLayout(1920, 1080, 1920, 1080, false), 1658, 500, false, 0, 0, 979.73f,
         295.45f},
        {"integer, the middle", DisplayLayout(1920, 1080, 1920, 1080, true), 960, 556, true, 400, 300, 567.27f,
         328.55f},
        {"integer, just above", DisplayLayout(1920, 1080, 1920, 1080, true), 960, 255, false, 0, 0, 567.27f, 150.68f},
    };
    for (const Case& c : cases) {
        const auto canvas = c.layout.toCanvas(c.x, c.y);
        ASSERT_EQ(canvas.has_value(), c.onCanvas) << c.name;
        if (canvas) {
            EXPECT_NEAR(canvas->x, c.canvasX, 0.01f) << c.name;
            EXPECT_NEAR(canvas->y, c.canvasY, 0.01f) << c.name;
        }
        const DisplayLayout::Point ui = c.layout.toUi(c.x, c.y);
        EXPECT_NEAR(ui.x, c.uiX, 0.01f) << c.name;
        EXPECT_NEAR(ui.y, c.uiY, 0.01f) << c.name;
    }
}

}  // namespace
}  // namespace quindel
