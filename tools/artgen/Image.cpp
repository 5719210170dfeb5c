#include "Image.h"

#include <algorithm>
#include <cmath>

namespace quindel::artgen {

Rgb mix(Rgb a, Rgb b, float t)
{
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Image::Image(int width, int height, Rgb fill, float alpha)
    : w(width), h(height), pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill),
      alphas(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), alpha)
{}

void Image::set(int x, int y, Rgb color, float alpha)
{
    pixels[index(x, y)] = color;
    alphas[index(x, y)] = alpha;
}

void Image::blend(int x, int y, Rgb color, float a)
{
    if (a <= 0.0f)
        return;
    const std::size_t i = index(x, y);
    const float below = alphas[i];
    const float out = a + below * (1.0f - a);
    if (out <= 0.0f)
        return;
    // Straight (not premultiplied) alpha, so fully opaque pictures blend as plain lerps.
    const float keep = below * (1.0f - a) / out;
    const float take = a / out;
    Rgb& p = pixels[i];
    p = Rgb{p.r * keep + color.r * take, p.g * keep + color.g * take, p.b * keep + color.b * take};
    alphas[i] = out;
}

void Image::fill(const Shape& shape, const Box& bounds, const Paint& paint, float opacity)
{
    const int x0 = std::max(0, static_cast<int>(std::floor(bounds.x0)) - 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(bounds.y0)) - 1);
    const int x1 = std::min(w, static_cast<int>(std::ceil(bounds.x1)) + 1);
    const int y1 = std::min(h, static_cast<int>(std::ceil(bounds.y1)) + 1);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const float cx = static_cast<float>(x) + 0.5f;
            const float cy = static_cast<float>(y) + 0.5f;
            const float d = shape(cx, cy);
            // The distance to the edge tells how much of the pixel is covered.
            const float coverage = std::clamp(0.5f - d, 0.0f, 1.0f);
            if (coverage > 0.0f)
                blend(x, y, paint(cx, cy), coverage * opacity);
        }
    }
}

void Image::fill(const Shape& shape, const Box& bounds, Rgb color, float opacity)
{
    fill(
        shape, bounds, [color](float, float) { return color; }, opacity);
}

void Image::outline(const Shape& shape, const Box& bounds, float lineWidth, Rgb color, float opacity)
{
    const float half = lineWidth * 0.5f;
    fill([&shape, half](float x, float y) { return std::fabs(shape(x, y)) - half; },
         Box{bounds.x0 - half, bounds.y0 - half, bounds.x1 + half, bounds.y1 + half}, color, opacity);
}

void Image::compose(const Image& other, int x, int y, float opacity)
{
    for (int j = 0; j < other.h; ++j) {
        for (int i = 0; i < other.w; ++i) {
            const int tx = x + i;
            const int ty = y + j;
            if (tx >= 0 && ty >= 0 && tx < w && ty < h)
                blend(tx, ty, other.colorAt(i, j), other.alphaAt(i, j) * opacity);
        }
    }
}

std::uint8_t Image::channel(int x, int y, int c) const
{
    const Rgb& p = pixels[index(x, y)];
    const float v = c == 0 ? p.r : (c == 1 ? p.g : p.b);
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

std::uint8_t Image::alpha8(int x, int y) const
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(alphas[index(x, y)] * 255.0f), 0L, 255L));
}

Box everywhere(const Image& image)
{
    return Box{0.0f, 0.0f, static_cast<float>(image.width()), static_cast<float>(image.height())};
}

}  // namespace quindel::artgen
