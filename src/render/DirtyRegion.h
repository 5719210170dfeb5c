#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include <SDL.h>

namespace quindel {

// A few rectangles that together cover what changed, so that the work of
// showing a change follows the change and not its bounding box: a landing
// touches the bottle, the next capsule's box and the score at once, and the
// box around those three is most of the picture. Rectangles that overlap, or
// whose joining wastes no more than `slack` pixels, become one; the ones kept
// never overlap, so whatever is drawn into each is drawn once.
class DirtyRegion final {
public:
    // More than this many pieces cost more to handle one by one than the
    // pixels their joining wastes.
    static constexpr std::size_t MaxRects = 16;

    explicit DirtyRegion(std::int64_t slack = 0) : slack(slack) {}

    // An empty area adds nothing.
    void add(const SDL_Rect& area);
    void clear() { areas.clear(); }
    bool empty() const { return areas.empty(); }
    const std::vector<SDL_Rect>& rects() const { return areas; }
    // The box around every rectangle; empty when nothing changed.
    SDL_Rect bounds() const;

private:
    std::int64_t slack;
    std::vector<SDL_Rect> areas;
};

}  // namespace quindel
