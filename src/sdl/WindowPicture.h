#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <SDL.h>

#include "sdl/CanvasScaler.h"
#include "sdl/DisplayLayout.h"
#include "sdl/OverlayChanges.h"

struct ImDrawData;

namespace quindel {

class Canvas;

// What the window shows: the canvas scaled into it between dark bars, with
// the menu and the dialogs drawn over it. A frame costs what changed since
// the last one: only the canvas's changed pieces are scaled, the overlay is
// drawn again only where it changed or lies over a changed piece, and only
// those rectangles are sent to the window. Everything is drawn and sent
// when the window's size, the scaling or the whole canvas changes, and when
// the window was uncovered.
//
// That needs the software renderer, which draws into the window's own
// pixels, and a window whose pixels are 32-bit in the canvas's order (as on
// X11 and SDL's dummy driver). With any other renderer (SDL_RENDER_DRIVER)
// or pixel layout the canvas goes through a texture and every frame is drawn
// whole by the renderer, as before.
class WindowPicture final {
public:
    // Null, with the reason in error, when the renderer cannot make the
    // canvas's texture.
    static std::unique_ptr<WindowPicture> create(std::string& error, SDL_Window* window, SDL_Renderer* renderer,
                                                 Canvas& canvas);
    ~WindowPicture();
    WindowPicture(const WindowPicture&) = delete;
    WindowPicture& operator=(const WindowPicture&) = delete;

    // The window's size or the scaling changed: the next frame is whole.
    void relayout(const DisplayLayout& layout);
    // Draws and sends what changed. overlay is this frame's menu and
    // dialogs in window pixels; it may be clipped on the way.
    void frame(ImDrawData& overlay);

    // Whether the last frame was drawn a piece at a time into the window's
    // pixels rather than whole by the renderer.
    bool piecewise() const { return drewPiecewise; }
    // The window's rectangles the last frame sent; empty when nothing
    // changed.
    const std::vector<SDL_Rect>& sent() const { return sentAreas; }
    // Told the rectangles of every frame as they are sent, so that a copy
    // of what the window was sent can be kept beside it.
    using SentWatcher = std::function<void(const std::vector<SDL_Rect>&)>;
    void watchSent(SentWatcher watcher) { sentWatcher = std::move(watcher); }

private:
    WindowPicture(SDL_Window* window, SDL_Renderer* renderer, Canvas& canvas);
    static int watch(void* self, SDL_Event* event);
    // The window's pixels when they can be drawn into directly; null when
    // the renderer has to draw the frame.
    SDL_Surface* windowPixels() const;
    void wholeFrame(SDL_Surface& pixels, ImDrawData& overlay);
    // The canvas and the bars under area, as they are without the overlay.
    void restore(SDL_Surface& pixels, const SDL_Rect& area);
    void drawOverlay(ImDrawData& overlay, const SDL_Rect& clip);
    void rendererFrame(const DirtyRegion& changes, ImDrawData& overlay);

    SDL_Window* window;
    SDL_Renderer* renderer;
    Canvas& canvas;
    SDL_Texture* texture = nullptr;
    bool software = false;
    // Whether the texture holds the canvas as it is; not kept while frames
    // are drawn piecewise.
    bool textureCurrent = false;
    DisplayLayout display;
    CanvasScaler scaler;
    OverlayChanges overlayChanges;
    bool wholeDue = true;
    const SDL_Surface* lastPixels = nullptr;
    bool drewPiecewise = false;
    std::vector<SDL_Rect> sentAreas;
    SentWatcher sentWatcher;
};

}  // namespace quindel
