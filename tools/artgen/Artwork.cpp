#include "Artwork.h"

#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "Shapes.h"
#include "StrokeFont.h"

namespace quindel::artgen {

namespace {

constexpr float Pi = std::numbers::pi_v<float>;

struct Tints final {
    Rgb light;
    Rgb base;
    Rgb shade;
};

// White, blue, green: the three colours of the bottle.
constexpr std::array<Tints, 3> tints{{
    {rgb(255, 255, 255), rgb(236, 238, 250), rgb(170, 178, 212)},
    {rgb(150, 192, 255), rgb(66, 118, 236), rgb(34, 62, 168)},
    {rgb(176, 242, 150), rgb(76, 192, 86), rgb(34, 124, 56)},
}};

constexpr Rgb White = rgb(255, 255, 255);

// A shape drawn in the 32 x 32 cell, centred on (16, 16), moved to (cx, cy) and scaled.
Shape placed(Shape local, float cx, float cy, float scale)
{
    return [local = std::move(local), cx, cy, scale](float x, float y) {
        return local(16.0f + (x - cx) / scale, 16.0f + (y - cy) / scale) * scale;
    };
}

Box around(float cx, float cy, float radius)
{
    return Box{cx - radius, cy - radius, cx + radius, cy + radius};
}

// Three-stop body shading lit from the upper left.
Paint bodyPaint(const Tints& t, float cx, float cy, float scale)
{
    const Point light{cx - 4.5f * scale, cy - 5.5f * scale};
    const float reach = 20.0f * scale;
    return [t, light, reach](float x, float y) {
        const float d = std::clamp(std::hypot(x - light.x, y - light.y) / reach, 0.0f, 1.0f);
        return d < 0.35f ? mix(t.light, t.base, d / 0.35f) : mix(t.base, t.shade, (d - 0.35f) / 0.65f);
    };
}

Shape virusBody(int colour)
{
    switch (colour) {
    case 0: {
        // A round puffball with eight soft knobs.
        Shape knobs = circle(16.0f + 11.2f, 16.0f, 2.7f);
        for (int k = 1; k < 8; ++k) {
            const float a = static_cast<float>(k) * Pi / 4.0f;
            knobs = unite(knobs, circle(16.0f + 11.2f * std::cos(a), 16.0f + 11.2f * std::sin(a), 2.7f));
        }
        return blob(circle(16.0f, 16.0f, 9.6f), knobs, 2.2f);
    }
    case 1:
        // A square block with two feelers.
        return unite(roundBox(6.5f, 9.0f, 25.5f, 28.0f, 5.5f),
                     unite(strokes({{{12.0f, 10.0f}, {9.0f, 4.5f}}, {{20.0f, 10.0f}, {23.0f, 4.5f}}}, 1.3f),
                           unite(circle(9.0f, 4.2f, 2.6f), circle(23.0f, 4.2f, 2.6f))));
    default:
        // A rounded triangle.
        return offset(polygon({{16.0f, 6.0f}, {27.0f, 25.5f}, {5.0f, 25.5f}}), 2.6f);
    }
}

Shape ringOf(int count, float radius, float angleOffset, const std::function<Shape(float, float)>& piece)
{
    Shape all = piece(16.0f + radius * std::cos(angleOffset), 16.0f + radius * std::sin(angleOffset));
    for (int k = 1; k < count; ++k) {
        const float a = angleOffset + static_cast<float>(k) * 2.0f * Pi / static_cast<float>(count);
        all = unite(all, piece(16.0f + radius * std::cos(a), 16.0f + radius * std::sin(a)));
    }
    return all;
}

// The burst droplets keep the virus's silhouette, so a colour-blind player
// still sees which kind popped.
Shape droplet(int colour, float x, float y, float size)
{
    switch (colour) {
    case 0:
        return circle(x, y, size);
    case 1:
        return roundBox(x - size, y - size, x + size, y + size, size * 0.35f);
    default:
        return offset(polygon({{x, y - size * 1.1f}, {x + size, y + size * 0.75f}, {x - size, y + size * 0.75f}}),
                      size * 0.25f);
    }
}

void paintFace(Image& image, int colour, bool dazed, float cx, float cy, float scale)
{
    auto put = [&](Shape s, Rgb c, float opacity = 1.0f) {
        image.fill(placed(std::move(s), cx, cy, scale), around(cx, cy, 16.0f * scale), c, opacity);
    };
    const Rgb ink = Artwork::Ink;
    if (dazed) {
        // Eyes squeezed shut: the pop is coming.
        if (colour == 2) {
            put(strokes({{{12.5f, 16.5f}, {19.5f, 21.0f}}, {{19.5f, 16.5f}, {12.5f, 21.0f}}}, 1.0f), ink);
        } else {
            const float ey = colour == 1 ? 17.5f : 15.5f;
            put(strokes({{{10.8f, ey - 1.8f}, {14.2f, ey + 1.8f}},
                         {{14.2f, ey - 1.8f}, {10.8f, ey + 1.8f}},
                         {{17.8f, ey - 1.8f}, {21.2f, ey + 1.8f}},
                         {{21.2f, ey - 1.8f}, {17.8f, ey + 1.8f}}},
                        0.9f),
                ink);
        }
        put(circle(16.0f, colour == 2 ? 24.0f : 22.2f, 1.7f), ink);
        return;
    }
    switch (colour) {
    case 0:
        // Round, friendly eyes and a grin.
        put(ellipse(12.6f, 14.8f, 1.8f, 2.6f), ink);
        put(ellipse(19.4f, 14.8f, 1.8f, 2.6f), ink);
        put(circle(13.1f, 13.9f, 0.75f), White);
        put(circle(19.9f, 13.9f, 0.75f), White);
        put(strokes({{{12.6f, 19.6f}, {14.3f, 21.1f}, {16.0f, 21.5f}, {17.7f, 21.1f}, {19.4f, 19.6f}}}, 0.85f), ink);
        break;
    case 1:
        // Frowning brows and a zigzag of teeth.
        put(ellipse(12.4f, 17.6f, 1.9f, 2.3f), ink);
        put(ellipse(19.6f, 17.6f, 1.9f, 2.3f), ink);
        put(circle(12.9f, 16.8f, 0.7f), White);
        put(circle(20.1f, 16.8f, 0.7f), White);
        put(strokes({{{9.6f, 13.0f}, {14.4f, 14.6f}}, {{22.4f, 13.0f}, {17.6f, 14.6f}}}, 0.95f), ink);
        put(strokes({{{11.5f, 23.2f}, {13.7f, 21.9f}, {16.0f, 23.2f}, {18.3f, 21.9f}, {20.5f, 23.2f}}}, 0.8f), ink);
        break;
    default:
        // One big eye.
        put(circle(16.0f, 18.2f, 4.6f), White);
        image.outline(placed(circle(16.0f, 18.2f, 4.6f), cx, cy, scale), around(cx, cy, 16.0f * scale), 1.1f * scale,
                      ink);
        put(circle(16.7f, 18.8f, 2.3f), ink);
        put(circle(15.6f, 17.3f, 0.9f), White);
        put(strokes({{{13.8f, 24.8f}, {18.2f, 24.8f}}}, 0.75f), ink);
        break;
    }
}

}  // namespace

void Artwork::paintVirus(Image& image, float cx, float cy, float scale, int colour, int phase)
{
    const Tints& t = tints[static_cast<std::size_t>(colour)];
    const Box box = around(cx, cy, 16.0f * scale);
    if (phase <= 1) {
        // The first burst step swells and pales the body before it pops.
        const float swell = phase == 1 ? 1.08f : 1.0f;
        Tints body = t;
        if (phase == 1)
            body = Tints{mix(t.light, White, 0.4f), mix(t.base, White, 0.35f), mix(t.shade, White, 0.3f)};
        const Shape shape = placed(virusBody(colour), cx, cy, scale * swell);
        image.fill(shape, box, bodyPaint(body, cx, cy, scale));
        image.outline(shape, box, 1.5f * scale, Ink);
        // A soft sheen on the upper left.
        const Shape sheen =
            colour == 2 ? ellipse(13.0f, 15.0f, 2.4f, 1.4f) : ellipse(11.0f, colour == 1 ? 12.5f : 10.5f, 2.6f, 1.6f);
        image.fill(intersect(placed(sheen, cx, cy, scale * swell), offset(shape, -1.5f * scale)), box, White, 0.55f);
        paintFace(image, colour, phase == 1, cx, cy, scale * swell);
        return;
    }
    const float radius = phase == 2 ? 9.0f : 12.0f;
    const float size = phase == 2 ? 3.0f : 2.0f;
    const float opacity = phase == 2 ? 1.0f : 0.5f;
    const Shape drops = placed(ringOf(8, radius, Pi / 8.0f * static_cast<float>(phase - 2),
                                      [colour, size](float x, float y) { return droplet(colour, x, y, size); }),
                               cx, cy, scale);
    image.fill(drops, box, t.base, opacity);
    image.outline(drops, box, 1.1f * scale, Ink, opacity * 0.8f);
    if (phase == 2) {
        // A white flash where the body was.
        std::vector<Point> star;
        for (int k = 0; k < 8; ++k) {
            const float a = static_cast<float>(k) * Pi / 4.0f - Pi / 2.0f;
            const float r = k % 2 == 0 ? 6.5f : 2.2f;
            star.push_back(Point{16.0f + r * std::cos(a), 16.0f + r * std::sin(a)});
        }
        const Shape flash = placed(polygon(star), cx, cy, scale);
        image.fill(flash, box, White);
        image.outline(flash, box, 0.9f * scale, mix(t.shade, Ink, 0.3f), 0.8f);
    } else {
        image.fill(placed(circle(16.0f, 16.0f, 1.6f), cx, cy, scale), box, White, 0.7f);
    }
}

void Artwork::paintPill(Image& image, float left, float top, float scale, int colour, int shape)
{
    const Tints& t = tints[static_cast<std::size_t>(colour)];
    // The flat side reaches well past the square's edge, so two halves meet
    // without a rounded pinch or an outline between them.
    const float in = 3.0f;
    const float r = 13.0f;
    const float far = 40.0f;
    Shape local;
    bool lying = true;
    switch (shape) {
    case 1:
        local = roundBox(in, in, 32.0f - in, far, r, r, 0, 0);
        lying = false;
        break;
    case 2:
        local = roundBox(-far + 32.0f, in, 32.0f - in, 32.0f - in, 0, r, r, 0);
        break;
    case 3:
        local = roundBox(in, -far + 32.0f, 32.0f - in, 32.0f - in, 0, 0, r, r);
        lying = false;
        break;
    case 4:
        local = roundBox(in, in, far, 32.0f - in, r, 0, 0, r);
        break;
    default:
        local = roundBox(in, in, 32.0f - in, 32.0f - in, r);
        break;
    }
    auto place = [&](Shape s) {
        return [s = std::move(s), left, top, scale](float x, float y) {
            return s((x - left) / scale, (y - top) / scale) * scale;
        };
    };
    const Box box{left, top, left + 32.0f * scale, top + 32.0f * scale};
    const Shape clip = place(roundBox(0, 0, 32.0f, 32.0f, 0));
    const Shape body = intersect(place(local), clip);
    const Point a = lying ? Point{left, top + in * scale} : Point{left + in * scale, top};
    const Point b = lying ? Point{left, top + (32.0f - in) * scale} : Point{left + (32.0f - in) * scale, top};
    const Paint paint = [a, b, t](float x, float y) {
        const float dx = b.x - a.x;
        const float dy = b.y - a.y;
        const float u = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0f, 1.0f);
        return u < 0.3f ? mix(t.light, t.base, u / 0.3f) : mix(t.base, t.shade, (u - 0.3f) / 0.7f);
    };
    image.fill(body, box, paint);
    image.outline(intersect(place(local), offset(clip, -0.01f)), box, 1.5f * scale, Ink);
    // The seam where the partner joins, faint so the capsule still reads as one.
    const std::vector<std::vector<Point>> seam = [&]() -> std::vector<std::vector<Point>> {
        switch (shape) {
        case 1:
            return {{{in, 32.0f}, {32.0f - in, 32.0f}}};
        case 2:
            return {{{0.0f, in}, {0.0f, 32.0f - in}}};
        case 3:
            return {{{in, 0.0f}, {32.0f - in, 0.0f}}};
        case 4:
            return {{{32.0f, in}, {32.0f, 32.0f - in}}};
        default:
            return {};
        }
    }();
    if (!seam.empty())
        image.fill(place(strokes(seam, 0.9f)), box, Ink, 0.35f);
    // A glossy streak along the capsule.
    std::vector<Point> streak;
    switch (shape) {
    case 1:
        streak = {{9.0f, 10.0f}, {9.0f, 33.0f}};
        break;
    case 2:
        streak = {{-1.0f, 9.0f}, {21.0f, 9.0f}};
        break;
    case 3:
        streak = {{9.0f, -1.0f}, {9.0f, 21.0f}};
        break;
    case 4:
        streak = {{10.0f, 9.0f}, {33.0f, 9.0f}};
        break;
    default:
        streak = {{11.0f, 9.0f}, {19.0f, 9.0f}};
        break;
    }
    image.fill(intersect(place(strokes({streak}, 1.9f)), body), box, White, 0.65f);
    paintMark(image, left, top, scale, colour);
}

void Artwork::paintMark(Image& image, float left, float top, float scale, int colour)
{
    // Pressed into the body like a stamp: a darker tone of the half's own
    // colour with a light edge below it. A ring for the round white viruses,
    // a square for the blue blocks, a triangle for the green one-eyes; each
    // a different silhouette, so greyscale or any colour blindness leaves
    // them apart.
    const Tints& t = tints[static_cast<std::size_t>(colour)];
    const float cx = 16.5f;
    const float cy = 17.0f;
    Shape mark;
    switch (colour) {
    case 0:
        mark = subtract(circle(cx, cy, 4.8f), circle(cx, cy, 2.3f));
        break;
    case 1:
        mark = roundBox(cx - 4.0f, cy - 4.0f, cx + 4.0f, cy + 4.0f, 0.8f);
        break;
    default:
        mark = polygon({{cx, cy - 5.2f}, {cx + 5.4f, cy + 4.2f}, {cx - 5.4f, cy + 4.2f}});
        break;
    }
    const Shape placedMark = [mark, left, top, scale](float x, float y) {
        return mark((x - left) / scale, (y - top) / scale) * scale;
    };
    const Box box{left + 8.0f * scale, top + 8.0f * scale, left + 26.0f * scale, top + 26.0f * scale};
    image.fill(moved(placedMark, 0.6f * scale, 0.7f * scale), box, t.light, 0.8f);
    image.fill(placedMark, box, mix(t.shade, Ink, colour == 0 ? 0.45f : 0.35f));
}

Image Artwork::emptySquare()
{
    return Image(32, 32, BottleFill);
}

Image Artwork::virus(int colour, int phase)
{
    Image image(32, 32, BottleFill);
    paintVirus(image, 16.0f, 16.0f, 1.0f, colour, phase);
    return image;
}

Image Artwork::pillHalf(int colour, int shape, int pillPhase)
{
    Image layer(32, 32, BottleFill, 0.0f);
    paintPill(layer, 0.0f, 0.0f, 1.0f, colour, shape);
    // Phases 2 to 4 fade the half into the bottle.
    static constexpr std::array<float, 5> strength{1.0f, 1.0f, 0.68f, 0.4f, 0.16f};
    Image image(32, 32, BottleFill);
    image.compose(layer, 0, 0, strength[static_cast<std::size_t>(std::clamp(pillPhase, 1, 4))]);
    return image;
}

Image Artwork::levelPicture(int number)
{
    Image image(107, 107, LevelFill);
    image.outline(roundBox(5.0f, 5.0f, 102.0f, 102.0f, 14.0f), everywhere(image), 2.0f, rgb(186, 228, 172));
    const std::string text = std::to_string(number);
    const float sx = text.size() == 1 ? 10.0f : 8.4f;
    const float sy = 11.5f;
    const float gap = 1.5f;
    const float width = StrokeFont::textWidth(text, sx, gap);
    const float x = 53.5f - width / 2.0f;
    const float y = 19.0f;
    const float pen = 10.5f;
    const Shape digits = StrokeFont::textShape(text, x, y, sx, sy, pen, gap);
    const Box box{x - pen, y - pen, x + width + pen, y + 6 * sy + pen};
    image.fill(moved(digits, 2.0f, 3.0f), box, Ink, 0.22f);
    // Dark enough that even the glossy top of a digit stands at 4.5:1 on the
    // level's pale green.
    image.fill(digits, box, linearGradient({0, y - 4}, rgb(30, 112, 52), {0, y + 6 * sy + 4}, rgb(16, 76, 38)));
    image.outline(digits, box, 2.0f, mix(Ink, rgb(20, 80, 30), 0.5f));
    const float glossLine = y + 2.6f * sy;
    image.fill(intersect(offset(digits, -2.6f), [glossLine](float, float py) { return py - glossLine; }), box, White,
               0.06f);
    return image;
}

Image Artwork::charStrip()
{
    Image image(288, 14, TextFill);
    const std::string order = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (std::size_t k = 0; k < order.size(); ++k) {
        const float x = 8.0f * static_cast<float>(k);
        image.fill(StrokeFont::glyphShape(order[k], x + 1.5f, 2.5f, 1.25f, 1.5f, 1.3f), Box{x, 0.0f, x + 8.0f, 14.0f},
                   GlyphColor);
    }
    return image;
}

Image Artwork::numberStrip()
{
    Image image(200, 28, TextFill);
    for (int d = 0; d < 10; ++d) {
        const float x = 20.0f * static_cast<float>(d);
        image.fill(StrokeFont::glyphShape(static_cast<char>('0' + d), x + 3.6f, 3.5f, 3.2f, 3.5f, 3.2f),
                   Box{x, 0.0f, x + 20.0f, 28.0f}, GlyphColor);
    }
    return image;
}

void Artwork::paintBackdrop(Image& image)
{
    const float w = static_cast<float>(image.width());
    const float h = static_cast<float>(image.height());
    image.fill(roundBox(-10, -10, w + 10, h + 10, 0), everywhere(image),
               linearGradient({0, 0}, rgb(70, 56, 140), {w * 0.3f, h}, rgb(38, 96, 150)));
    // Large, soft bubbles give depth without any grain.
    const std::array<std::array<float, 3>, 7> bubbles{{{90, 520, 150},
                                                       {720, 90, 120},
                                                       {640, 470, 90},
                                                       {200, 60, 70},
                                                       {420, 300, 220},
                                                       {760, 330, 60},
                                                       {40, 250, 50}}};
    for (const auto& b : bubbles) {
        const Shape s = circle(b[0], b[1], b[2]);
        image.fill(s, around(b[0], b[1], b[2]), White, 0.05f);
        image.outline(s, around(b[0], b[1], b[2]), 3.0f, White, 0.07f);
    }
}

void Artwork::paintPanel(Image& image, float x0, float y0, float x1, float y1, float radius)
{
    const Shape panel = roundBox(x0, y0, x1, y1, radius);
    const Box box{x0 - 10, y0 - 10, x1 + 14, y1 + 16};
    // A soft drop shadow: the distance is stretched so the edge fades over a few pixels.
    const Shape shadow = moved(panel, 4.0f, 6.0f);
    image.fill([shadow](float x, float y) { return shadow(x, y) / 5.0f; }, box, rgb(16, 18, 48), 0.35f);
    image.fill(panel, box, linearGradient({0, y0}, rgb(250, 251, 255), {0, y1}, rgb(214, 220, 242)));
    image.outline(panel, box, 2.5f, Ink);
    image.outline(offset(panel, -3.0f), box, 1.5f, White, 0.8f);
}

void Artwork::paintWell(Image& image, float x0, float y0, float x1, float y1, Rgb fill)
{
    const Shape well = roundBox(x0, y0, x1, y1, 6.0f);
    const Box box{x0 - 4, y0 - 4, x1 + 4, y1 + 4};
    image.fill(well, box, fill);
    image.outline(offset(well, 1.0f), box, 2.0f, Ink);
}

Image Artwork::background()
{
    Image image(800, 600, rgb(0, 0, 0));
    paintBackdrop(image);
    const float labelX = 2.4f;
    const float labelY = 2.5f;
    auto label = [&](const char* text, float centreX, float top) {
        const float x = centreX - StrokeFont::textWidth(text, labelX) / 2.0f;
        image.fill(StrokeFont::textShape(text, x, top, labelX, labelY, 2.3f), everywhere(image), Ink);
    };

    // Next capsule: squares at 99,78 and 131,78.
    paintPanel(image, 75, 34, 187, 130, 14);
    label("NEXT", 131, 44);
    paintWell(image, 89, 70, 173, 118, BottleFill);

    // Level number: 107 x 107 at 106,210.
    paintPanel(image, 86, 160, 233, 336, 14);
    label("LEVEL", 159.5f, 170);
    paintWell(image, 98, 202, 221, 325, LevelFill);

    // Hall of fame: rows at y 420 + 17i, x 48 to 207.
    paintPanel(image, 26, 366, 230, 576, 14);
    label("HALL OF FAME", 128, 378);
    paintWell(image, 38, 410, 218, 564, TextFill);

    // Score: digits 20 x 28 at y 531, the last one ending at x 766.
    paintPanel(image, 566, 474, 790, 584, 14);
    label("SCORE", 678, 486);
    paintWell(image, 580, 518, 776, 570, TextFill);

    // The bottle: glass walls around 272,44 .. 528,556 with a neck at the entry.
    paintBottle(image, 272, 44);
    const Box all = everywhere(image);

    // The name, and the three culprits under the lens.
    const char* name = "QUINDEL";
    const float sx = 5.6f;
    const float nameX = 678.0f - StrokeFont::textWidth(name, sx) / 2.0f;
    float cursor = nameX;
    for (int k = 0; name[k] != '\0'; ++k) {
        const Tints& t = tints[static_cast<std::size_t>(k % 3)];
        const Shape letter = StrokeFont::glyphShape(name[k], cursor, 34.0f, sx, 7.0f, 7.5f);
        const Box box{cursor - 8, 26, cursor + 4 * sx + 8, 84};
        image.fill(moved(letter, 2.0f, 3.0f), box, rgb(16, 18, 48), 0.35f);
        image.fill(letter, box, linearGradient({0, 30}, t.light, {0, 82}, t.shade));
        image.outline(letter, box, 2.0f, Ink);
        cursor += (StrokeFont::GridWidth + 1.6f) * sx;
    }
    const Shape lens = circle(678, 250, 92);
    image.fill([lens](float x, float y) { return moved(lens, 4, 6)(x, y) / 6.0f; }, all, rgb(16, 18, 48), 0.35f);
    image.fill(lens, all, radialGradient({650, 220}, 120, rgb(236, 248, 255), BottleFill));
    image.outline(lens, all, 8.0f, rgb(200, 206, 230));
    image.outline(offset(lens, 4.0f), all, 2.0f, Ink);
    image.outline(offset(lens, -4.0f), all, 2.0f, Ink);
    image.fill(strokes({{{745, 318}, {782, 358}}}, 9.0f), all,
               linearGradient({745, 318}, rgb(120, 100, 200), {782, 358}, rgb(70, 56, 140)));
    image.outline(strokes({{{745, 318}, {782, 358}}}, 9.0f), all, 2.0f, Ink);
    image.outline(offset(lens, 4.0f), all, 2.0f, Ink);
    paintVirus(image, 640, 214, 1.9f, 0, 0);
    paintVirus(image, 716, 226, 1.9f, 1, 0);
    paintVirus(image, 672, 290, 1.9f, 2, 0);
    image.fill(ellipse(640, 196, 40, 18), around(640, 196, 40), White, 0.18f);
    return image;
}

void Artwork::paintBottle(Image& image, float x, float y)
{
    // Drawn about the single bottle's place, 272,44, and moved to x, y.
    const float dx = x - 272.0f;
    const float dy = y - 44.0f;
    const auto at = [dx, dy](Shape s) { return moved(std::move(s), dx, dy); };
    const Shape glass = at(unite(roundBox(256, 30, 544, 572, 26, 26, 34, 34), roundBox(344, 6, 456, 50, 8)));
    const Box all = everywhere(image);
    const Shape shadow = moved(glass, 5.0f, 7.0f);
    image.fill([shadow](float px, float py) { return shadow(px, py) / 6.0f; }, all, rgb(16, 18, 48), 0.4f);
    image.fill(glass, all, linearGradient({256 + dx, 0}, rgb(206, 232, 252), {544 + dx, 0}, rgb(150, 190, 232)));
    image.outline(glass, all, 2.5f, Ink);
    image.fill(at(roundBox(338, 2, 462, 14, 5)), all,
               linearGradient({0, 2 + dy}, rgb(236, 244, 255), {0, 14 + dy}, rgb(168, 200, 236)));
    image.outline(at(roundBox(338, 2, 462, 14, 5)), all, 2.0f, Ink);
    const Shape cavity = at(unite(roundBox(272, 44, 528, 556, 0), roundBox(362, 14, 438, 60, 3)));
    image.outline(offset(cavity, 1.0f), all, 2.0f, mix(Ink, rgb(120, 160, 210), 0.35f));
    image.fill(cavity, all, BottleFill);
    image.fill(at(strokes({{{264, 64}, {264, 530}}}, 1.6f)), all, White, 0.7f);
    image.fill(at(strokes({{{536, 80}, {536, 300}}}, 1.0f)), all, White, 0.35f);
}

Image Artwork::titleScreen()
{
    Image image(800, 600, rgb(0, 0, 0));
    paintBackdrop(image);
    const Box all = everywhere(image);

    // Scattered viruses and capsules around the name.
    const std::array<std::array<float, 4>, 6> viruses{{{110, 330, 3.0f, 0},
                                                       {690, 320, 3.2f, 1},
                                                       {250, 430, 2.2f, 2},
                                                       {560, 440, 2.4f, 0},
                                                       {80, 110, 1.8f, 1},
                                                       {720, 110, 2.0f, 2}}};
    for (const auto& v : viruses)
        paintVirus(image, v[0], v[1], v[2], static_cast<int>(v[3]), 0);
    auto capsule = [&](float x, float y, float s, int a, int b, bool lying) {
        if (lying) {
            paintPill(image, x, y, s, a, 4);
            paintPill(image, x + 32 * s, y, s, b, 2);
        } else {
            paintPill(image, x, y, s, a, 1);
            paintPill(image, x, y + 32 * s, s, b, 3);
        }
    };
    capsule(330, 300, 1.8f, 1, 2, true);
    capsule(180, 190, 1.5f, 0, 1, false);
    capsule(600, 180, 1.5f, 2, 0, false);
    capsule(380, 400, 1.5f, 0, 0, true);
    capsule(40, 420, 1.4f, 2, 1, false);
    capsule(700, 420, 1.4f, 1, 0, false);

    // The name in capsule-thick letters.
    const char* name = "QUINDEL";
    const float sx = 13.0f;
    const float sy = 17.0f;
    const float gap = 1.8f;
    float cursor = 400.0f - StrokeFont::textWidth(name, sx, gap) / 2.0f;
    for (int k = 0; name[k] != '\0'; ++k) {
        const Tints& t = tints[static_cast<std::size_t>((k + 1) % 3)];
        const Shape letter = StrokeFont::glyphShape(name[k], cursor, 60.0f, sx, sy, 20.0f);
        const Box box{cursor - 16, 40, cursor + 4 * sx + 16, 60 + 6 * sy + 20};
        image.fill([letter](float x, float y) { return moved(letter, 6, 9)(x, y) / 3.0f; }, box, rgb(16, 18, 48),
                   0.45f);
        image.fill(letter, box, linearGradient({0, 48}, t.light, {0, 60 + 6 * sy + 12}, t.shade));
        image.outline(letter, box, 3.5f, Ink);
        // Gloss on the upper part of each stroke, as on the capsules.
        const float glossLine = 60.0f + 2.4f * sy;
        image.fill(intersect(offset(letter, -5.0f), [glossLine](float, float y) { return y - glossLine; }), box, White,
                   0.4f);
        cursor += (StrokeFont::GridWidth + gap) * sx;
    }

    // How to start.
    paintPanel(image, 150, 492, 650, 572, 18);
    const char* line1 = "TO PLAY CHOOSE";
    const char* line2 = "GAME > START NEW GAME";
    image.fill(StrokeFont::textShape(line1, 400 - StrokeFont::textWidth(line1, 2.2f) / 2, 502, 2.2f, 2.4f, 2.2f), all,
               Ink);
    image.fill(StrokeFont::textShape(line2, 400 - StrokeFont::textWidth(line2, 3.4f) / 2, 530, 3.4f, 4.0f, 3.4f), all,
               tints[1].shade);
    return image;
}

Image Artwork::signBase(int width, int height)
{
    // A sign is copied whole, corners and all: they show the screen as it is
    // there, the background with its glass and the empty bottle.
    static const Image screen = background();
    Image image(width, height, BottleFill);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.set(x, y, screen.colorAt(SignX + x, SignY + y));
    return image;
}

void Artwork::signFrame(Image& image, Rgb top, Rgb bottom)
{
    const float w = static_cast<float>(image.width());
    const float h = static_cast<float>(image.height());
    const Box all = everywhere(image);
    // The panel fills the picture but for its rounded corners, with a dark
    // rim where the old dark frame was.
    const Shape panel = roundBox(0.5f, 0.5f, w - 0.5f, h - 0.5f, 14);
    image.fill(panel, all, linearGradient({0, 0}, top, {0, h}, bottom));
    image.outline(offset(panel, -1.2f), all, 2.4f, Artwork::Ink);
    image.outline(offset(panel, -5.0f), all, 1.5f, White, 0.35f);
}

void Artwork::signText(Image& image, const char* text, float top, float sx, float sy, float pen, Rgb colour)
{
    const Box all = everywhere(image);
    const float x = static_cast<float>(image.width()) / 2.0f - StrokeFont::textWidth(text, sx) / 2.0f;
    const Shape s = StrokeFont::textShape(text, x, top, sx, sy, pen);
    if (pen < 3.0f) {
        // Small print keeps clean edges: a close shadow, no outline.
        image.fill(moved(s, 1.0f, 1.2f), all, rgb(16, 18, 48), 0.6f);
        image.fill(s, all, colour);
        return;
    }
    image.fill(moved(s, 2.0f, 3.0f), all, rgb(16, 18, 48), 0.45f);
    image.fill(s, all, colour);
    image.outline(s, all, std::max(1.5f, pen * 0.22f), Artwork::Ink);
}

Rgb Artwork::lightTint(int colour)
{
    return tints[static_cast<std::size_t>(colour)].light;
}

Rgb Artwork::baseTint(int colour)
{
    return tints[static_cast<std::size_t>(colour)].base;
}

Rgb Artwork::shadeTint(int colour)
{
    return tints[static_cast<std::size_t>(colour)].shade;
}

Image Artwork::pauseSign()
{
    Image image = signBase(300, 121);
    signFrame(image, rgb(118, 96, 214), rgb(62, 48, 150));
    const Box all = everywhere(image);
    // The universal pause bars, as two capsules.
    for (float x : {40.0f, 58.0f}) {
        const Shape bar = roundBox(x, 28, x + 12, 72, 6);
        image.fill(bar, all, linearGradient({x, 0}, tints[1].light, {x + 12, 0}, tints[1].base));
        image.outline(bar, all, 2.0f, Ink);
    }
    const float sx = 6.4f;
    const Shape word = StrokeFont::textShape("PAUSE", 90, 24, sx, 8.2f, 8.0f);
    image.fill(moved(word, 2.0f, 3.0f), all, rgb(16, 18, 48), 0.45f);
    image.fill(word, all, White);
    image.outline(word, all, 1.8f, Ink);
    // A label of the hall of fame's own paper: the game writes on it, in the
    // hall of fame's letters, which keys take the game on again (the pause
    // key is the player's choice).
    const Shape label = roundBox(30, 87, 270, 111, 6);
    image.fill(label, all, TextFill);
    image.outline(label, all, 1.5f, Ink, 0.8f);
    return image;
}

Image Artwork::levelClearSign()
{
    Image image = signBase(280, 178);
    // Green dark enough for white letters at 4.7:1 and more.
    signFrame(image, rgb(44, 132, 66), rgb(20, 84, 48));
    const Box all = everywhere(image);
    signText(image, "LEVEL", 18, 6.2f, 7.0f, 7.5f, White);
    signText(image, "CLEAR!", 74, 6.2f, 7.0f, 7.5f, White);
    const Shape strip = roundBox(30, 132, 250, 164, 16);
    image.fill(strip, all, Ink, 0.55f);
    signText(image, "PRESS ENTER", 139, 2.7f, 3.1f, 2.6f, Caption);
    // Sparkles in the corners.
    for (const auto& p : std::array<Point, 4>{{{26, 26}, {254, 26}, {24, 110}, {256, 110}}}) {
        std::vector<Point> star;
        for (int k = 0; k < 8; ++k) {
            const float a = static_cast<float>(k) * Pi / 4.0f;
            const float r = k % 2 == 0 ? 9.0f : 2.6f;
            star.push_back(Point{p.x + r * std::cos(a), p.y + r * std::sin(a)});
        }
        image.fill(polygon(star), all, rgb(255, 246, 190));
    }
    return image;
}

Image Artwork::gameOverSign()
{
    Image image = signBase(300, 178);
    // A red dark enough for white letters at 6:1 and more.
    signFrame(image, rgb(176, 52, 84), rgb(96, 24, 60));
    signText(image, "GAME", 16, 7.0f, 7.2f, 8.0f, White);
    signText(image, "OVER", 70, 7.0f, 7.2f, 8.0f, White);
    // The viruses had the last laugh.
    paintVirus(image, 110, 146, 0.85f, 0, 0);
    paintVirus(image, 150, 146, 0.85f, 1, 0);
    paintVirus(image, 190, 146, 0.85f, 2, 0);
    return image;
}

Image Artwork::icon(int size)
{
    Image image(size, size, rgb(0, 0, 0), 0.0f);
    const float s = static_cast<float>(size) / 32.0f;
    paintVirus(image, 16.0f * s, 16.0f * s, s, 1, 0);
    return image;
}

}  // namespace quindel::artgen
