#include "render/Canvas.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <vector>

#include <stb_image_write.h>

#include "core/Utf8Path.h"

namespace quindel {

Canvas::Canvas() : pixels(SDL_CreateRGBSurfaceWithFormat(0, Width, Height, 32, SDL_PIXELFORMAT_XRGB8888))
{
    if (pixels)
        SDL_FillRect(pixels.get(), nullptr, 0);
}

void Canvas::copy(SDL_Surface* picture, int sx, int sy, int w, int h, int x, int y)
{
    if (!picture || !pixels || w <= 0 || h <= 0)
        return;
    // Clip the source to the picture first, moving the destination with it;
    // SDL then clips the destination to the canvas.
    if (sx < 0) {
        w += sx;
        x -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        y -= sy;
        sy = 0;
    }
    w = std::min(w, picture->w - sx);
    h = std::min(h, picture->h - sy);
    if (w <= 0 || h <= 0)
        return;
    SDL_Rect source{sx, sy, w, h};
    SDL_Rect target{x, y, w, h};
    SDL_SetSurfaceBlendMode(picture, SDL_BLENDMODE_NONE);
    if (SDL_BlitSurface(picture, &source, pixels.get(), &target) == 0 && target.w > 0 && target.h > 0)
        dirty.add(target);
}

bool Canvas::takeDirtyRect(SDL_Rect& area)
{
    if (dirty.empty())
        return false;
    area = dirty.bounds();
    dirty.clear();
    return true;
}

DirtyRegion Canvas::takeDirtyRegion()
{
    DirtyRegion taken = dirty;
    dirty.clear();
    return taken;
}

std::uint32_t Canvas::pixelAt(int x, int y) const
{
    if (!pixels || x < 0 || y < 0 || x >= Width || y >= Height)
        return 0;
    const auto* row = static_cast<const std::uint8_t*>(pixels->pixels) + static_cast<std::ptrdiff_t>(y) * pixels->pitch;
    std::uint32_t value = 0;
    std::memcpy(&value, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof value);
    return value & 0xFFFFFFu;
}

bool Canvas::saveBmp(const std::string& path) const
{
    if (!pixels)
        return false;
    constexpr std::uint32_t rowBytes = Width * 3;  // 2400, already a multiple of 4
    constexpr std::uint32_t imageSize = rowBytes * Height;
    std::vector<std::uint8_t> out;
    out.reserve(54 + imageSize);
    auto put = [&out](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    out.push_back('B');
    out.push_back('M');
    put(54 + imageSize, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(Width, 4);
    put(Height, 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(imageSize, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (int y = Height - 1; y >= 0; --y) {
        for (int x = 0; x < Width; ++x) {
            const std::uint32_t p = pixelAt(x, y);
            out.push_back(static_cast<std::uint8_t>(p));
            out.push_back(static_cast<std::uint8_t>(p >> 8));
            out.push_back(static_cast<std::uint8_t>(p >> 16));
        }
    }
    std::ofstream file(pathFromUtf8(path), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    file.close();
    return !file.fail();
}

bool Canvas::savePng(const std::string& path) const
{
    if (!pixels)
        return false;
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(Width) * Height * 3);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const std::uint32_t p = pixelAt(x, y);
            rgb.push_back(static_cast<std::uint8_t>(p >> 16));
            rgb.push_back(static_cast<std::uint8_t>(p >> 8));
            rgb.push_back(static_cast<std::uint8_t>(p));
        }
    }
    return stbi_write_png(path.c_str(), Width, Height, 3, rgb.data(), Width * 3) != 0;
}

}  // namespace quindel
