#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace quindel::artgen {

struct Rgb final {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

constexpr Rgb rgb(int r, int g, int b)
{
    return Rgb{static_cast<float>(r), static_cast<float>(g), static_cast<float>(b)};
}

Rgb mix(Rgb a, Rgb b, float t);

// Signed distance in pixels: negative inside the shape.
using Shape = std::function<float(float x, float y)>;
// Colour of the paint at a pixel centre.
using Paint = std::function<Rgb(float x, float y)>;

struct Box final {
    float x0 = 0.0f;
    float y0 = 0.0f;
    float x1 = 0.0f;
    float y1 = 0.0f;
};

// A floating-point picture with an alpha channel. Everything is drawn as
// signed-distance shapes whose edge coverage comes from the distance itself,
// which gives clean anti-aliased edges without any noise.
class Image final {
public:
    Image(int width, int height, Rgb fill, float alpha = 1.0f);

    int width() const { return w; }
    int height() const { return h; }

    // Paints the shape where it covers, limited to the box, with an overall
    // opacity. The pixel (i, j) has its centre at (i + 0.5, j + 0.5).
    void fill(const Shape& shape, const Box& bounds, const Paint& paint, float opacity = 1.0f);
    void fill(const Shape& shape, const Box& bounds, Rgb color, float opacity = 1.0f);
    // The shape's edge as a line of the given width.
    void outline(const Shape& shape, const Box& bounds, float lineWidth, Rgb color, float opacity = 1.0f);
    // Paints another image at (x, y), blending by its alpha times the opacity.
    void compose(const Image& other, int x, int y, float opacity = 1.0f);

    Rgb colorAt(int x, int y) const { return pixels[index(x, y)]; }
    float alphaAt(int x, int y) const { return alphas[index(x, y)]; }
    void set(int x, int y, Rgb color, float alpha = 1.0f);

    // 8-bit values, rounded and clamped.
    std::uint8_t channel(int x, int y, int c) const;
    std::uint8_t alpha8(int x, int y) const;

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
    }
    void blend(int x, int y, Rgb color, float a);

    int w = 0;
    int h = 0;
    std::vector<Rgb> pixels;
    std::vector<float> alphas;
};

Box everywhere(const Image& image);

}  // namespace quindel::artgen
