#pragma once

#include <memory>

#include <SDL.h>

namespace quindel {

class Canvas;

// The demo's DEMO sign beside the bottle, put on the canvas again whenever
// the game has drawn over it (a whole screen drawn anew), so it is always
// there and costs nothing while nothing covers it.
class DemoMark final {
public:
    // Where artgen drew it for: its corners show the background there.
    static constexpr int X = 580;
    static constexpr int Y = 396;

    explicit DemoMark(Canvas& canvas);
    void draw();

private:
    struct SurfaceFree final {
        void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
    };

    bool covered() const;

    Canvas& canvas;
    std::unique_ptr<SDL_Surface, SurfaceFree> picture;
};

}  // namespace quindel
