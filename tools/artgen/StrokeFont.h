#pragma once

#include <string_view>
#include <vector>

#include "Image.h"
#include "Shapes.h"

namespace quindel::artgen {

// Our own lettering: every glyph is a few pen strokes on a 4 x 6 grid (x to
// the right, y down), so one design serves the tiny glyph strips, the score
// digits and the big signs alike.
class StrokeFont final {
public:
    static constexpr float GridWidth = 4.0f;
    static constexpr float GridHeight = 6.0f;

    // The strokes of a digit, a capital letter or a few signs; none for others.
    static const std::vector<std::vector<Point>>& glyph(char ch);

    // The glyph as a shape: grid point (0,0) lands at (x, y), and one grid unit
    // is scaleX by scaleY pixels; the pen has the given width in pixels.
    static Shape glyphShape(char ch, float x, float y, float scaleX, float scaleY, float penWidth);
    // A line of text; letters advance by (GridWidth + gap) grid units, a space by 3.
    static Shape textShape(std::string_view text, float x, float y, float scaleX, float scaleY, float penWidth,
                           float gap = 1.6f);
    static float textWidth(std::string_view text, float scaleX, float gap = 1.6f);
};

}  // namespace quindel::artgen
