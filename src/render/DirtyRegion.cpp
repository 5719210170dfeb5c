#include "render/DirtyRegion.h"

#include <limits>

namespace quindel {

namespace {

std::int64_t areaOf(const SDL_Rect& r)
{
    return static_cast<std::int64_t>(r.w) * r.h;
}

SDL_Rect joined(const SDL_Rect& a, const SDL_Rect& b)
{
    SDL_Rect both;
    SDL_UnionRect(&a, &b, &both);
    return both;
}

}  // namespace

void DirtyRegion::add(const SDL_Rect& area)
{
    if (area.w <= 0 || area.h <= 0)
        return;
    SDL_Rect growing = area;
    for (;;) {
        // Joined rectangles may reach others they now overlap; join until
        // nothing more is worth it.
        bool grew = false;
        for (std::size_t i = 0; i < areas.size(); ++i) {
            const SDL_Rect both = joined(areas[i], growing);
            if (SDL_HasIntersection(&areas[i], &growing) == SDL_TRUE
                || areaOf(both) <= areaOf(areas[i]) + areaOf(growing) + slack) {
                growing = both;
                areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(i));
                grew = true;
                break;
            }
        }
        if (grew)
            continue;
        if (areas.size() < MaxRects)
            break;
        // Too many pieces: the one whose joining wastes least takes it.
        std::size_t cheapest = 0;
        std::int64_t leastWaste = std::numeric_limits<std::int64_t>::max();
        for (std::size_t i = 0; i < areas.size(); ++i) {
            const std::int64_t waste = areaOf(joined(areas[i], growing)) - areaOf(areas[i]) - areaOf(growing);
            if (waste < leastWaste) {
                leastWaste = waste;
                cheapest = i;
            }
        }
        growing = joined(areas[cheapest], growing);
        areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(cheapest));
    }
    areas.push_back(growing);
}

SDL_Rect DirtyRegion::bounds() const
{
    if (areas.empty())
        return SDL_Rect{0, 0, 0, 0};
    SDL_Rect box = areas.front();
    for (const SDL_Rect& r : areas)
        box = joined(box, r);
    return box;
}

}  // namespace quindel
