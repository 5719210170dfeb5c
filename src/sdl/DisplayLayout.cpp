#include "sdl/DisplayLayout.h"

#include <algorithm>
#include <cmath>

namespace quindel {

DisplayLayout::DisplayLayout(int windowWidth, int windowHeight, int outputWidth, int outputHeight, bool integerScaling)
{
    // A minimised or not yet sized window reports nothing; lay out as if it
    // had its original size rather than divide by zero.
    if (outputWidth <= 0 || outputHeight <= 0) {
        outputWidth = CanvasWidth;
        outputHeight = CanvasHeight + BaseMenuBarHeight;
    }
    if (windowWidth <= 0 || windowHeight <= 0) {
        windowWidth = outputWidth;
        windowHeight = outputHeight;
    }
    outputW = outputWidth;
    outputH = outputHeight;
    pixelsPerUnitX = static_cast<float>(outputWidth) / static_cast<float>(windowWidth);
    pixelsPerUnitY = static_cast<float>(outputHeight) / static_cast<float>(windowHeight);

    // Never smaller than the original: below 13 pixels the text stops being
    // readable, and the dialogs need their room.
    const double fit = std::min(static_cast<double>(outputWidth) / CanvasWidth,
                                static_cast<double>(outputHeight) / (CanvasHeight + BaseMenuBarHeight));
    font = std::max(BaseFontPixels, static_cast<int>(std::floor(BaseFontPixels * fit + 1e-9)));
    menuHeight = static_cast<int>(std::ceil(BaseMenuBarHeight * uiScale() - 1e-4f));

    const int availableWidth = outputWidth;
    const int availableHeight = std::max(1, outputHeight - menuHeight);
    double scale = std::min(static_cast<double>(availableWidth) / CanvasWidth,
                            static_cast<double>(availableHeight) / CanvasHeight);
    // A window too small for even one whole factor still shows everything.
    if (integerScaling && scale >= 1.0)
        scale = std::floor(scale);
    canvasRect.width = std::max(1, static_cast<int>(std::lround(CanvasWidth * scale)));
    canvasRect.height = std::max(1, static_cast<int>(std::lround(CanvasHeight * scale)));
    canvasRect.x = (availableWidth - canvasRect.width) / 2;
    canvasRect.y = menuHeight + (availableHeight - canvasRect.height) / 2;
    smoothFilter = canvasRect.width % CanvasWidth != 0 || canvasRect.height % CanvasHeight != 0
        || canvasRect.width / CanvasWidth != canvasRect.height / CanvasHeight;
}

DisplayLayout::Point DisplayLayout::toUi(float x, float y) const
{
    const Point output = toOutput(x, y);
    return Point{output.x / uiScale(), output.y / uiScale()};
}

std::optional<DisplayLayout::Point> DisplayLayout::toCanvas(float x, float y) const
{
    const Point output = toOutput(x, y);
    const float cx = (output.x - static_cast<float>(canvasRect.x)) * CanvasWidth / static_cast<float>(canvasRect.width);
    const float cy =
        (output.y - static_cast<float>(canvasRect.y)) * CanvasHeight / static_cast<float>(canvasRect.height);
    if (cx < 0.0f || cy < 0.0f || cx >= CanvasWidth || cy >= CanvasHeight)
        return std::nullopt;
    return Point{cx, cy};
}

}  // namespace quindel
