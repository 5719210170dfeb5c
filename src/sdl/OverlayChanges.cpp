#include "sdl/OverlayChanges.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include <imgui.h>

namespace quindel {

namespace {

template <typename T>
void append(std::vector<unsigned char>& bytes, const T& value)
{
    const auto* from = reinterpret_cast<const unsigned char*>(&value);
    bytes.insert(bytes.end(), from, from + sizeof value);
}

// Everything of a list that decides its pixels. The commands' fields are
// taken one by one: the struct's padding is not the list's.
void describe(const ImDrawList& list, std::vector<unsigned char>& bytes)
{
    bytes.clear();
    for (const ImDrawVert& vertex : list.VtxBuffer) {
        append(bytes, vertex.pos.x);
        append(bytes, vertex.pos.y);
        append(bytes, vertex.uv.x);
        append(bytes, vertex.uv.y);
        append(bytes, vertex.col);
    }
    const auto* indices = reinterpret_cast<const unsigned char*>(list.IdxBuffer.Data);
    bytes.insert(bytes.end(), indices, indices + static_cast<std::size_t>(list.IdxBuffer.Size) * sizeof(ImDrawIdx));
    for (const ImDrawCmd& command : list.CmdBuffer) {
        append(bytes, command.ClipRect.x);
        append(bytes, command.ClipRect.y);
        append(bytes, command.ClipRect.z);
        append(bytes, command.ClipRect.w);
        append(bytes, command.TextureId);
        append(bytes, command.VtxOffset);
        append(bytes, command.IdxOffset);
        append(bytes, command.ElemCount);
    }
}

// The pixels a list can touch: its vertices' box within its clip
// rectangles, a pixel wider each way for what the rasteriser rounds out.
SDL_Rect areaOf(const ImDrawList& list)
{
    float left = std::numeric_limits<float>::max();
    float top = left;
    float right = std::numeric_limits<float>::lowest();
    float bottom = right;
    for (const ImDrawVert& vertex : list.VtxBuffer) {
        left = std::min(left, vertex.pos.x);
        top = std::min(top, vertex.pos.y);
        right = std::max(right, vertex.pos.x);
        bottom = std::max(bottom, vertex.pos.y);
    }
    float clipLeft = std::numeric_limits<float>::max();
    float clipTop = clipLeft;
    float clipRight = std::numeric_limits<float>::lowest();
    float clipBottom = clipRight;
    for (const ImDrawCmd& command : list.CmdBuffer) {
        clipLeft = std::min(clipLeft, command.ClipRect.x);
        clipTop = std::min(clipTop, command.ClipRect.y);
        clipRight = std::max(clipRight, command.ClipRect.z);
        clipBottom = std::max(clipBottom, command.ClipRect.w);
    }
    left = std::max(left, clipLeft);
    top = std::max(top, clipTop);
    right = std::min(right, clipRight);
    bottom = std::min(bottom, clipBottom);
    if (right < left || bottom < top)
        return SDL_Rect{0, 0, 0, 0};
    const int x = static_cast<int>(std::floor(left)) - 1;
    const int y = static_cast<int>(std::floor(top)) - 1;
    return SDL_Rect{x, y, static_cast<int>(std::ceil(right)) + 1 - x, static_cast<int>(std::ceil(bottom)) + 1 - y};
}

}  // namespace

void OverlayChanges::update(const ImDrawData& data, DirtyRegion& changed)
{
    drawing.resize(static_cast<std::size_t>(std::max(data.CmdListsCount, 0)));
    std::size_t count = 0;
    for (int n = 0; n < data.CmdListsCount; ++n) {
        const ImDrawList& list = *data.CmdLists[n];
        const SDL_Rect area = areaOf(list);
        if (list.VtxBuffer.Size == 0 || area.w <= 0 || area.h <= 0)
            continue;
        Drawn& now = drawing[count++];
        now.area = area;
        describe(list, now.bytes);
    }
    drawing.resize(count);
    // A list is matched with an identical one of the last frame wherever it
    // stands in the order: opening a menu puts its list between others.
    std::vector<bool> matched(shown.size(), false);
    for (const Drawn& now : drawing) {
        const auto same = [&now](const Drawn& before) {
            return SDL_RectEquals(&before.area, &now.area) == SDL_TRUE && before.bytes == now.bytes;
        };
        std::size_t i = 0;
        while (i < shown.size() && (matched[i] || !same(shown[i])))
            ++i;
        if (i < shown.size())
            matched[i] = true;
        else
            changed.add(now.area);
    }
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (!matched[i])
            changed.add(shown[i].area);
    std::swap(shown, drawing);
    drawnAreas.clear();
    for (const Drawn& now : shown)
        drawnAreas.push_back(now.area);
}

bool OverlayChanges::covers(const SDL_Rect& area) const
{
    return std::any_of(drawnAreas.begin(), drawnAreas.end(),
                       [&area](const SDL_Rect& drawn) { return SDL_HasIntersection(&drawn, &area) == SDL_TRUE; });
}

}  // namespace quindel
