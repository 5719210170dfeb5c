#pragma once

#include <vector>

#include <SDL.h>

#include "render/DirtyRegion.h"

struct ImDrawData;

namespace quindel {

// Where the menu and the dialogs, drawn over the picture, look different
// from the last frame. Each of Dear ImGui's draw lists (the menu bar, an open
// menu, a dialog) is kept as the bytes it drew with; a list drawn again with
// the same bytes shows the same pixels, so only a list that appeared,
// vanished or changed marks where it was and where it is.
class OverlayChanges final {
public:
    // Takes this frame's lists, in window pixels, and adds to changed the
    // areas whose overlay differs from the last frame's.
    void update(const ImDrawData& data, DirtyRegion& changed);
    // Where this frame's lists draw, in window pixels.
    const std::vector<SDL_Rect>& areas() const { return drawnAreas; }
    // Whether any list draws in area.
    bool covers(const SDL_Rect& area) const;

private:
    struct Drawn final {
        SDL_Rect area;
        std::vector<unsigned char> bytes;
    };

    std::vector<Drawn> shown;
    std::vector<Drawn> drawing;
    std::vector<SDL_Rect> drawnAreas;
};

}  // namespace quindel
