#pragma once

#include <optional>

#include "render/Canvas.h"
#include "widgets/MenuBar.h"

namespace quindel {

// Where the menu bar and the 800 x 600 canvas go in a window of any size, and
// how a point of the window maps to the menu, the dialogs and the canvas.
//
// The menu and the dialogs grow with the window as the original window would
// if it were simply enlarged, in steps of one pixel of font size so that the
// font is always rasterised at exactly the size it is shown. The canvas fills
// what is left below the menu bar, aspect kept, centred between bars; with
// integer scaling it takes the largest whole factor that fits.
class DisplayLayout final {
public:
    struct Rect final {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };
    struct Point final {
        float x = 0.0f;
        float y = 0.0f;
    };

    static constexpr int CanvasWidth = Canvas::Width;
    static constexpr int CanvasHeight = Canvas::Height;
    // The menu bar and its font in the original window.
    static constexpr int BaseMenuBarHeight = MenuBar::Height;
    static constexpr int BaseFontPixels = MenuBar::FontPixels;

    DisplayLayout()
        : DisplayLayout(CanvasWidth, CanvasHeight + BaseMenuBarHeight, CanvasWidth, CanvasHeight + BaseMenuBarHeight,
                        false)
    {}
    // window: the window's size in the desktop's units (what mouse events
    // use); output: the pixels actually drawn, more of them on a HiDPI screen.
    DisplayLayout(int windowWidth, int windowHeight, int outputWidth, int outputHeight, bool integerScaling);

    int outputWidth() const { return outputW; }
    int outputHeight() const { return outputH; }
    // The pixel size the menu and dialog font is rasterised at.
    int fontPixels() const { return font; }
    // Output pixels per unit of the menu and the dialogs (13 units of font).
    float uiScale() const { return static_cast<float>(font) / BaseFontPixels; }
    // The menu bar's height in output pixels; the canvas area starts below.
    int menuBarHeight() const { return menuHeight; }
    // Where the canvas is drawn, in output pixels.
    Rect canvas() const { return canvasRect; }
    // Output pixels per canvas pixel.
    float canvasScale() const { return static_cast<float>(canvasRect.width) / CanvasWidth; }
    // Whether the canvas is stretched smoothly: not when each canvas pixel
    // becomes a whole square of pixels, which nearest sampling keeps exact.
    bool smooth() const { return smoothFilter; }

    // A point of the window (a mouse event) in output pixels.
    Point toOutput(float x, float y) const { return Point{x * pixelsPerUnitX, y * pixelsPerUnitY}; }
    // A point of the window in the units the menu and the dialogs are laid
    // out in.
    Point toUi(float x, float y) const;
    // A point of the window on the canvas, in canvas pixels; none on the
    // menu bar or the bars around the canvas.
    std::optional<Point> toCanvas(float x, float y) const;

private:
    int outputW = 0;
    int outputH = 0;
    float pixelsPerUnitX = 1.0f;
    float pixelsPerUnitY = 1.0f;
    int font = BaseFontPixels;
    int menuHeight = BaseMenuBarHeight;
    Rect canvasRect;
    bool smoothFilter = false;
};

}  // namespace quindel
