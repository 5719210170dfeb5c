#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <SDL.h>

#include "render/DirtyRegion.h"

namespace quindel {

// The window's pixels, kept for the whole run: whatever no copy covers keeps
// what was drawn there before. Its one drawing operation is the opaque copy
// of a rectangle of a picture. It remembers the areas it changed since the
// window last took them, so a frame shows only those.
class Canvas final {
public:
    static constexpr int Width = 800;
    static constexpr int Height = 600;

    Canvas();

    // Copies the w x h rectangle at (sx, sy) of the picture to (x, y), clipped
    // to the picture and to the canvas. A missing picture draws nothing.
    void copy(SDL_Surface* picture, int sx, int sy, int w, int h, int x, int y);

    // The union of everything drawn since the last take; false if nothing was.
    bool takeDirtyRect(SDL_Rect& area);
    // Everything drawn since the last take, piece by piece.
    DirtyRegion takeDirtyRegion();

    SDL_Surface* surface() const { return pixels.get(); }
    // 0xRRGGBB of one pixel; 0 outside.
    std::uint32_t pixelAt(int x, int y) const;

    // The whole canvas as an uncompressed 24-bit BMP, and as a PNG; the path
    // is UTF-8 text.
    bool saveBmp(const std::string& path) const;
    bool savePng(const std::string& path) const;

private:
    struct SurfaceFree final {
        void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
    };

    std::unique_ptr<SDL_Surface, SurfaceFree> pixels;
    // A square of the bottle, joined to a neighbour, costs no more than
    // handled apart.
    DirtyRegion dirty{32 * 32};
};

}  // namespace quindel
