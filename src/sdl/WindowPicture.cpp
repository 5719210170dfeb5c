#include "sdl/WindowPicture.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include <imgui.h>
#include <imgui_impl_sdlrenderer.h>

#include "render/Canvas.h"

namespace quindel {

namespace {

// The dark of the game's own backdrop, so the picture seems to float on it.
constexpr Uint8 BarRed = 12;
constexpr Uint8 BarGreen = 14;
constexpr Uint8 BarBlue = 28;

// Each rectangle sent is a request to the X server of its own; a few
// thousand pixels more in one rectangle cost less than another request.
constexpr std::int64_t SendSlack = 4096;

// The four bars around the canvas's place in the window.
void barsOf(const DisplayLayout& display, SDL_Rect (&bars)[4])
{
    const DisplayLayout::Rect at = display.canvas();
    const int width = display.outputWidth();
    const int right = at.x + at.width;
    const int bottom = at.y + at.height;
    bars[0] = SDL_Rect{0, 0, width, at.y};
    bars[1] = SDL_Rect{0, bottom, width, display.outputHeight() - bottom};
    bars[2] = SDL_Rect{0, at.y, at.x, at.height};
    bars[3] = SDL_Rect{right, at.y, width - right, at.height};
}

bool coversCanvas(const SDL_Rect& area)
{
    return area.x <= 0 && area.y <= 0 && area.x + area.w >= Canvas::Width && area.y + area.h >= Canvas::Height;
}

}  // namespace

std::unique_ptr<WindowPicture> WindowPicture::create(std::string& error, SDL_Window* window, SDL_Renderer* renderer,
                                                     Canvas& canvas)
{
    std::unique_ptr<WindowPicture> picture(new WindowPicture(window, renderer, canvas));
    picture->texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING, Canvas::Width,
                                         Canvas::Height);
    if (picture->texture == nullptr) {
        error = SDL_GetError();
        return nullptr;
    }
    return picture;
}

WindowPicture::WindowPicture(SDL_Window* window, SDL_Renderer* renderer, Canvas& canvas)
    : window(window), renderer(renderer), canvas(canvas)
{
    SDL_RendererInfo info;
    software = SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
    SDL_AddEventWatch(&WindowPicture::watch, this);
}

WindowPicture::~WindowPicture()
{
    SDL_DelEventWatch(&WindowPicture::watch, this);
    if (texture != nullptr)
        SDL_DestroyTexture(texture);
}

int WindowPicture::watch(void* self, SDL_Event* event)
{
    // An uncovered window has lost what the X server showed of it: the
    // next frame sends everything. Seen as SDL queues the event, whoever
    // reads it.
    auto& picture = *static_cast<WindowPicture*>(self);
    if (event->type == SDL_WINDOWEVENT && event->window.event == SDL_WINDOWEVENT_EXPOSED
        && event->window.windowID == SDL_GetWindowID(picture.window))
        picture.wholeDue = true;
    return 0;
}

void WindowPicture::relayout(const DisplayLayout& layout)
{
    display = layout;
    const DisplayLayout::Rect at = display.canvas();
    scaler = CanvasScaler(Canvas::Width, Canvas::Height, SDL_Rect{at.x, at.y, at.width, at.height}, display.smooth());
    SDL_SetTextureScaleMode(texture, display.smooth() ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    wholeDue = true;
}

SDL_Surface* WindowPicture::windowPixels() const
{
    if (!software)
        return nullptr;
    SDL_Surface* pixels = SDL_GetWindowSurface(window);
    const SDL_Surface* source = canvas.surface();
    if (pixels == nullptr || source == nullptr || SDL_MUSTLOCK(pixels) || pixels->format->BytesPerPixel != 4
        || pixels->format->Rmask != source->format->Rmask || pixels->format->Gmask != source->format->Gmask
        || pixels->format->Bmask != source->format->Bmask)
        return nullptr;
    return pixels;
}

void WindowPicture::frame(ImDrawData& overlay)
{
    const DirtyRegion changes = canvas.takeDirtyRegion();
    SDL_Surface* pixels = windowPixels();
    drewPiecewise = pixels != nullptr;
    if (pixels == nullptr) {
        rendererFrame(changes, overlay);
        return;
    }
    textureCurrent = false;
    bool whole = std::exchange(wholeDue, false) || pixels != lastPixels || pixels->w != display.outputWidth()
        || pixels->h != display.outputHeight();
    for (const SDL_Rect& area : changes.rects())
        whole = whole || coversCanvas(area);
    lastPixels = pixels;
    if (whole) {
        DirtyRegion ignored;
        overlayChanges.update(overlay, ignored);
        wholeFrame(*pixels, overlay);
        return;
    }
    DirtyRegion damage(SendSlack);
    for (const SDL_Rect& area : changes.rects())
        damage.add(scaler.reach(area));
    overlayChanges.update(overlay, damage);
    // Rectangles that never overlap stay apart when clipped to the window,
    // so no pixel of the overlay is blended twice.
    sentAreas.clear();
    const SDL_Rect windowArea{0, 0, pixels->w, pixels->h};
    for (const SDL_Rect& area : damage.rects()) {
        SDL_Rect inside;
        if (SDL_IntersectRect(&area, &windowArea, &inside) == SDL_TRUE)
            sentAreas.push_back(inside);
    }
    if (sentAreas.empty())
        return;
    for (const SDL_Rect& area : sentAreas)
        restore(*pixels, area);
    for (const SDL_Rect& area : sentAreas)
        if (overlayChanges.covers(area))
            drawOverlay(overlay, area);
    SDL_RenderFlush(renderer);
    SDL_UpdateWindowSurfaceRects(window, sentAreas.data(), static_cast<int>(sentAreas.size()));
    if (sentWatcher)
        sentWatcher(sentAreas);
}

void WindowPicture::wholeFrame(SDL_Surface& pixels, ImDrawData& overlay)
{
    const SDL_Rect windowArea{0, 0, pixels.w, pixels.h};
    restore(pixels, windowArea);
    ImGui_ImplSDLRenderer_RenderDrawData(&overlay);
    SDL_RenderFlush(renderer);
    SDL_UpdateWindowSurface(window);
    sentAreas.assign(1, windowArea);
    if (sentWatcher)
        sentWatcher(sentAreas);
}

void WindowPicture::restore(SDL_Surface& pixels, const SDL_Rect& area)
{
    // The renderer leaves its last clip rectangle on the window's pixels.
    SDL_SetClipRect(&pixels, nullptr);
    SDL_Rect bars[4];
    barsOf(display, bars);
    const Uint32 dark = SDL_MapRGB(pixels.format, BarRed, BarGreen, BarBlue);
    for (const SDL_Rect& bar : bars) {
        SDL_Rect piece;
        if (SDL_IntersectRect(&bar, &area, &piece) == SDL_TRUE)
            SDL_FillRect(&pixels, &piece, dark);
    }
    scaler.scale(*canvas.surface(), pixels, area);
}

void WindowPicture::drawOverlay(ImDrawData& overlay, const SDL_Rect& clip)
{
    // The backend clips each command to its own rectangle; narrowed here to
    // the piece being drawn, and put back after.
    std::vector<ImVec4> kept;
    for (int n = 0; n < overlay.CmdListsCount; ++n)
        for (ImDrawCmd& command : overlay.CmdLists[n]->CmdBuffer) {
            kept.push_back(command.ClipRect);
            ImVec4& r = command.ClipRect;
            r.x = std::max(r.x, static_cast<float>(clip.x));
            r.y = std::max(r.y, static_cast<float>(clip.y));
            r.z = std::min(r.z, static_cast<float>(clip.x + clip.w));
            r.w = std::min(r.w, static_cast<float>(clip.y + clip.h));
        }
    ImGui_ImplSDLRenderer_RenderDrawData(&overlay);
    std::size_t next = 0;
    for (int n = 0; n < overlay.CmdListsCount; ++n)
        for (ImDrawCmd& command : overlay.CmdLists[n]->CmdBuffer)
            command.ClipRect = kept[next++];
}

void WindowPicture::rendererFrame(const DirtyRegion& changes, ImDrawData& overlay)
{
    const SDL_Surface* source = canvas.surface();
    const auto upload = [this, source](const SDL_Rect& area) {
        const auto* from = static_cast<const std::uint8_t*>(source->pixels) + area.y * source->pitch
            + area.x * source->format->BytesPerPixel;
        SDL_UpdateTexture(texture, &area, from, source->pitch);
    };
    // A canvas that could not be made has no pixels to show.
    if (source != nullptr && !textureCurrent)
        upload(SDL_Rect{0, 0, Canvas::Width, Canvas::Height});
    else if (source != nullptr)
        for (const SDL_Rect& area : changes.rects())
            upload(area);
    textureCurrent = source != nullptr;
    // Only the bars are filled: the canvas covers the rest, and a 4K frame
    // need not be written twice.
    SDL_Rect bars[4];
    barsOf(display, bars);
    SDL_SetRenderDrawColor(renderer, BarRed, BarGreen, BarBlue, 255);
    SDL_RenderFillRects(renderer, bars, 4);
    const DisplayLayout::Rect at = display.canvas();
    const SDL_Rect client{at.x, at.y, at.width, at.height};
    SDL_RenderCopy(renderer, texture, nullptr, &client);
    ImGui_ImplSDLRenderer_RenderDrawData(&overlay);
    SDL_RenderPresent(renderer);
    // Coming back to piecewise frames, the window's pixels are not known.
    wholeDue = true;
    sentAreas.assign(1, SDL_Rect{0, 0, display.outputWidth(), display.outputHeight()});
    if (sentWatcher)
        sentWatcher(sentAreas);
}

}  // namespace quindel
