#include "playback/DemoMark.h"

#include <cstring>

#include "render/Canvas.h"
#include "render/PictureData.h"

namespace quindel {

DemoMark::DemoMark(Canvas& canvas) : canvas(canvas)
{
    const auto data = findPicture("IDB_DEMO");
    if (!data)
        return;
    SDL_Surface* loaded = SDL_LoadBMP_RW(SDL_RWFromConstMem(data->bytes, static_cast<int>(data->size)), 1);
    if (loaded == nullptr)
        return;
    // In the canvas's own format, so it is compared with the canvas byte for byte.
    picture.reset(SDL_ConvertSurface(loaded, canvas.surface()->format, 0));
    SDL_FreeSurface(loaded);
}

bool DemoMark::covered() const
{
    const SDL_Surface* screen = canvas.surface();
    const int bytes = picture->w * picture->format->BytesPerPixel;
    for (int y = 0; y < picture->h; ++y) {
        const auto* shown = static_cast<const unsigned char*>(screen->pixels) + (Y + y) * screen->pitch
            + X * screen->format->BytesPerPixel;
        const auto* own = static_cast<const unsigned char*>(picture->pixels) + y * picture->pitch;
        if (std::memcmp(shown, own, static_cast<std::size_t>(bytes)) != 0)
            return true;
    }
    return false;
}

void DemoMark::draw()
{
    if (picture && covered())
        canvas.copy(picture.get(), 0, 0, picture->w, picture->h, X, Y);
}

}  // namespace quindel
