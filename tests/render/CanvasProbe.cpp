#include "CanvasProbe.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "render/PictureData.h"

namespace quindel::test {

namespace {

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

}  // namespace

SDL_Surface* decodedPicture(std::string_view name)
{
    static std::map<std::string, std::unique_ptr<SDL_Surface, SurfaceFree>, std::less<>> cache;
    if (auto it = cache.find(name); it != cache.end()) {
        return it->second.get();
    }
    SDL_Surface* converted = nullptr;
    if (const auto data = findPicture(name)) {
        if (SDL_Surface* raw = SDL_LoadBMP_RW(SDL_RWFromConstMem(data->bytes, static_cast<int>(data->size)), 1)) {
            converted = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_XRGB8888, 0);
            SDL_FreeSurface(raw);
        }
    }
    return cache.emplace(std::string(name), converted).first->second.get();
}

std::uint32_t picturePixel(SDL_Surface* picture, int x, int y)
{
    std::uint32_t value = 0;
    std::memcpy(&value, static_cast<const std::uint8_t*>(picture->pixels) + y * picture->pitch + x * 4, 4);
    return value & 0xFFFFFFu;
}

bool shows(const Canvas& canvas, std::string_view picture, int sx, int sy, int w, int h, int x, int y)
{
    SDL_Surface* p = decodedPicture(picture);
    if (!p) {
        return false;
    }
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            if (canvas.pixelAt(x + i, y + j) != picturePixel(p, sx + i, sy + j)) {
                return false;
            }
        }
    }
    return true;
}

bool showsSquare(const Canvas& canvas, std::string_view picture, int x, int y)
{
    return shows(canvas, picture, 0, 0, 32, 32, x, y);
}

void paintCanvas(Canvas& canvas, std::uint32_t rgb)
{
    SDL_FillRect(canvas.surface(), nullptr, rgb);
    SDL_Rect ignored;
    canvas.takeDirtyRect(ignored);
}

bool untouched(const Canvas& canvas, int x, int y, int w, int h, std::uint32_t rgb)
{
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (canvas.pixelAt(i, j) != rgb) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace quindel::test
