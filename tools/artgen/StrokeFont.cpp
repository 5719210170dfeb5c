#include "StrokeFont.h"

#include <array>
#include <cmath>
#include <numbers>

namespace quindel::artgen {

namespace {

using Line = std::vector<Point>;
using Glyph = std::vector<Line>;

// Angles in degrees, 0 to the right and 90 downwards (y grows down).
Line arc(float cx, float cy, float rx, float ry, float fromDeg, float toDeg)
{
    Line line;
    const int steps = std::max(4, static_cast<int>(std::fabs(toDeg - fromDeg) / 10.0f));
    for (int i = 0; i <= steps; ++i) {
        const float a = (fromDeg + (toDeg - fromDeg) * static_cast<float>(i) / static_cast<float>(steps))
            * std::numbers::pi_v<float> / 180.0f;
        line.push_back(Point{cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return line;
}

Line curve(Point a, Point control, Point b)
{
    Line line;
    for (int i = 0; i <= 12; ++i) {
        const float t = static_cast<float>(i) / 12.0f;
        const float u = 1.0f - t;
        line.push_back(Point{u * u * a.x + 2 * u * t * control.x + t * t * b.x,
                             u * u * a.y + 2 * u * t * control.y + t * t * b.y});
    }
    return line;
}

Line then(Line a, const Line& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Glyph makeGlyph(char ch)
{
    switch (ch) {
    case '0':
        return {arc(2, 3, 1.9f, 3, 0, 360), {{2.9f, 1.7f}, {1.1f, 4.3f}}};
    case '1':
        return {{{0.7f, 1.3f}, {2.2f, 0}, {2.2f, 6}}, {{0.8f, 6}, {3.6f, 6}}};
    case '2':
        return {then(arc(2, 1.75f, 1.85f, 1.75f, 195, 380), Line{{0, 6}, {4, 6}})};
    case '3':
        return {arc(2, 1.5f, 1.8f, 1.5f, 215, 450), arc(2, 4.5f, 2, 1.5f, 270, 505)};
    case '4':
        return {{{3, 6}, {3, 0}, {0, 4.2f}, {4, 4.2f}}};
    case '5':
        return {then(Line{{3.8f, 0}, {0.5f, 0}, {0.25f, 2.8f}}, arc(1.95f, 4.1f, 2.05f, 1.9f, 225, 505))};
    case '6':
        return {arc(2, 4.1f, 1.9f, 1.9f, 0, 360), curve({3.5f, 0.1f}, {0.1f, 0.7f}, {0.1f, 4.1f})};
    case '7':
        return {{{0, 0}, {4, 0}, {1.4f, 6}}};
    case '8':
        return {arc(2, 1.45f, 1.65f, 1.45f, 0, 360), arc(2, 4.35f, 2, 1.65f, 0, 360)};
    case '9':
        return {arc(2, 1.9f, 1.9f, 1.9f, 0, 360), curve({3.9f, 1.9f}, {3.9f, 5.3f}, {0.5f, 5.9f})};
    case 'A':
        return {{{0, 6}, {2, 0}, {4, 6}}, {{0.7f, 4}, {3.3f, 4}}};
    case 'B':
        return {then(then(Line{{0, 3}, {0, 0}, {2.5f, 0}}, arc(2.5f, 1.5f, 1.4f, 1.5f, 270, 450)),
                     then(Line{{0, 3}, {2.6f, 3}}, then(arc(2.6f, 4.5f, 1.4f, 1.5f, 270, 450), Line{{0, 6}, {0, 3}})))};
    case 'C':
        return {arc(2.1f, 3, 2.0f, 3, 318, 42)};
    case 'D':
        return {then(Line{{1.4f, 6}, {0, 6}, {0, 0}, {1.4f, 0}}, arc(1.4f, 3, 2.6f, 3, 270, 450))};
    case 'E':
        return {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3.2f, 3}}};
    case 'F':
        return {{{4, 0}, {0, 0}, {0, 6}}, {{0, 3}, {3.2f, 3}}};
    case 'G':
        return {then(arc(2.1f, 3, 2.0f, 3, 318, 0), Line{{4.1f, 3.3f}, {2.3f, 3.3f}})};
    case 'H':
        return {{{0, 0}, {0, 6}}, {{4, 0}, {4, 6}}, {{0, 3}, {4, 3}}};
    case 'I':
        return {{{2, 0}, {2, 6}}, {{0.8f, 0}, {3.2f, 0}}, {{0.8f, 6}, {3.2f, 6}}};
    case 'J':
        return {then(Line{{4, 0}, {4, 4.1f}}, arc(2.1f, 4.1f, 1.9f, 1.9f, 0, 170))};
    case 'K':
        return {{{0, 0}, {0, 6}}, {{4, 0}, {0, 4}}, {{1.4f, 2.9f}, {4, 6}}};
    case 'L':
        return {{{0, 0}, {0, 6}, {4, 6}}};
    case 'M':
        return {{{0, 6}, {0, 0}, {2, 3.6f}, {4, 0}, {4, 6}}};
    case 'N':
        return {{{0, 6}, {0, 0}, {4, 6}, {4, 0}}};
    case 'O':
        return {arc(2, 3, 2, 3, 0, 360)};
    case 'P':
        return {then(Line{{0, 6}, {0, 0}, {2.4f, 0}}, then(arc(2.4f, 1.6f, 1.6f, 1.6f, 270, 450), Line{{0, 3.2f}}))};
    case 'Q':
        return {arc(2, 3, 2, 3, 0, 360), {{2.5f, 4.3f}, {4.1f, 6.1f}}};
    case 'R':
        return {then(Line{{0, 6}, {0, 0}, {2.4f, 0}}, then(arc(2.4f, 1.6f, 1.6f, 1.6f, 270, 450), Line{{0, 3.2f}})),
                {{2.0f, 3.2f}, {4, 6}}};
    case 'S':
        return {then(arc(2, 1.5f, 1.9f, 1.5f, 335, 90), arc(2, 4.5f, 2, 1.5f, 270, 515))};
    case 'T':
        return {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}};
    case 'U':
        return {then(then(Line{{0, 0}, {0, 4}}, arc(2, 4, 2, 2, 180, 0)), Line{{4, 0}})};
    case 'V':
        return {{{0, 0}, {2, 6}, {4, 0}}};
    case 'W':
        return {{{0, 0}, {0.9f, 6}, {2, 2.2f}, {3.1f, 6}, {4, 0}}};
    case 'X':
        return {{{0, 0}, {4, 6}}, {{4, 0}, {0, 6}}};
    case 'Y':
        return {{{0, 0}, {2, 3}, {4, 0}}, {{2, 3}, {2, 6}}};
    case 'Z':
        return {{{0, 0}, {4, 0}, {0, 6}, {4, 6}}};
    case '!':
        return {{{2, 0}, {2, 4}}, {{2, 6}}};
    case '.':
        return {{{2, 6}}};
    case '-':
        return {{{0.8f, 3}, {3.2f, 3}}};
    case ':':
        return {{{2, 1.8f}}, {{2, 5.2f}}};
    case '\'':
        return {{{2, 0}, {1.6f, 1.6f}}};
    case '>':
        return {{{0.6f, 0.8f}, {3.6f, 3}, {0.6f, 5.2f}}};
    default:
        return {};
    }
}

}  // namespace

const std::vector<std::vector<Point>>& StrokeFont::glyph(char ch)
{
    static const std::array<Glyph, 128> table = [] {
        std::array<Glyph, 128> t;
        for (int c = 0; c < 128; ++c)
            t[static_cast<std::size_t>(c)] = makeGlyph(static_cast<char>(c));
        return t;
    }();
    const auto index = static_cast<unsigned char>(ch);
    return table[index < 128 ? index : 0];
}

Shape StrokeFont::glyphShape(char ch, float x, float y, float scaleX, float scaleY, float penWidth)
{
    std::vector<std::vector<Point>> placed;
    for (const auto& line : glyph(ch)) {
        std::vector<Point> moved;
        for (const Point& p : line)
            moved.push_back(Point{x + p.x * scaleX, y + p.y * scaleY});
        placed.push_back(std::move(moved));
    }
    return strokes(std::move(placed), penWidth * 0.5f);
}

float StrokeFont::textWidth(std::string_view text, float scaleX, float gap)
{
    float units = 0.0f;
    for (std::size_t i = 0; i < text.size(); ++i) {
        units += text[i] == ' ' ? 3.0f : GridWidth;
        if (i + 1 < text.size())
            units += gap;
    }
    return units * scaleX;
}

Shape StrokeFont::textShape(std::string_view text, float x, float y, float scaleX, float scaleY, float penWidth,
                            float gap)
{
    std::vector<std::vector<Point>> placed;
    float cursor = x;
    for (char ch : text) {
        for (const auto& line : glyph(ch)) {
            std::vector<Point> moved;
            for (const Point& p : line)
                moved.push_back(Point{cursor + p.x * scaleX, y + p.y * scaleY});
            placed.push_back(std::move(moved));
        }
        cursor += ((ch == ' ' ? 3.0f : GridWidth) + gap) * scaleX;
    }
    return strokes(std::move(placed), penWidth * 0.5f);
}

}  // namespace quindel::artgen
