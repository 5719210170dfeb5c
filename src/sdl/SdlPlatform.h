#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <SDL.h>

struct ImFont;

namespace quindel {
class Canvas;
}

#include "messages/KeyRepeat.h"
#include "sdl/DisplayLayout.h"
#include "sdl/HeldKeys.h"
#include "sdl/SdlClock.h"
#include "sdl/SdlGamepads.h"
#include "sdl/WindowPicture.h"
#include "widgets/MenuBar.h"
#include "widgets/UiPlatform.h"

namespace quindel {

// The real platform: one resizable SDL window holding the menu bar (Dear
// ImGui) above the 800 x 600 client area, whose canvas is scaled to fit the
// window. Events come from SDL's queue, game controllers included; the pump
// sleeps in SDL until the next event, timer deadline or pad repeat.
class SdlPlatform final : public UiPlatform {
public:
    // The menu bar's height in the window's original size.
    static constexpr int MenuBarHeight = DisplayLayout::BaseMenuBarHeight;

    struct Options final {
        std::string title = "Quindel";
        bool fullscreen = false;
        bool integerScaling = false;
        // The window's size and place when it is not fullscreen; none puts
        // it where the desktop likes.
        int width = Canvas::Width;
        int height = Canvas::Height + MenuBarHeight;
        std::optional<int> x;
        std::optional<int> y;
    };
    // How the window is shown now, to start the same way next time: its
    // size and place are the ones it has when not fullscreen.
    Options shownAs() const;

    // Null when SDL, the window or its renderer cannot be made; the reason is
    // in error. The window shows the canvas, which must outlive the platform.
    static std::unique_ptr<SdlPlatform> create(std::string& error, Canvas& canvas, const Options& options);
    static std::unique_ptr<SdlPlatform> create(std::string& error, Canvas& canvas)
    {
        return create(error, canvas, Options{});
    }
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    std::optional<Message> waitEvent(std::optional<std::uint32_t> deadline) override;
    Clock& clock() override { return sdlClock; }
    void attach(MessagePump& pump) override { windowPump = &pump; }
    void present() override;
    bool showsMessageBoxes() const override { return true; }
    void setMenuChecked(int commandId, bool on) override { menuBar.setChecked(commandId, on); }
    void setOwnKeyRepeat(bool on) override;
    void setPlayersApart(bool on) override;
    void dialogOpened(DialogHost& dialog) override;
    void dialogClosed(DialogHost& dialog) override;
    // Desktop fullscreen: the window covers the screen at the desktop's own
    // mode, which is never changed.
    void toggleFullscreen() override;
    void toggleIntegerScaling() override;
    bool isFullscreen() const { return fullscreen; }
    bool isIntegerScaling() const { return integerScaling; }
    const DisplayLayout& layout() const { return display; }
    // What the window shows, and what the last frame sent it.
    WindowPicture& picture() { return *windowPicture; }
    const WindowPicture& picture() const { return *windowPicture; }

    // Where timing lines go (first frame, tick error) when measuring; none
    // by default.
    void setTrace(std::ostream* stream) { trace = stream; }
    SDL_Window* window() const { return sdlWindow; }
    // The font the dialogs' text is drawn in, rasterised for the window's
    // current size.
    const ImFont* dialogTextFont() const { return dialogFont; }

private:
    explicit SdlPlatform(Canvas& canvas) : canvas(canvas) {}
    bool open(std::string& error, const Options& options);
    std::optional<Message> translate(const SDL_Event& event);
    std::optional<Message> keyDown(const SDL_KeyboardEvent& event);
    // A pad's action for the menu, or for the window, which knows the key
    // bound to it.
    Message padPress(SdlGamepads::Press press);
    // A key for the menu while it is lit or open; a command it chooses is
    // posted to the window.
    void menuKey(std::int32_t key);
    void menuChanged();
    // Lays the window out again for its current size and settings, with the
    // font rasterised for it.
    void relayout();
    void loadFont(int pixels);
    // One ImGui frame: the menu bar, the open dialog, the canvas under them.
    void frame();

    SdlClock sdlClock;
    Canvas& canvas;
    MessagePump* windowPump = nullptr;
    std::vector<DialogHost*> dialogs;
    MenuBar menuBar{MenuTemplate::mainMenu()};
    SDL_Window* sdlWindow = nullptr;
    SDL_Renderer* renderer = nullptr;
    std::unique_ptr<WindowPicture> windowPicture;
    bool sdlStarted = false;
    bool imguiStarted = false;
    bool rendererBackendStarted = false;
    bool controllersStarted = false;
    bool shown = false;
    bool fullscreen = false;
    bool integerScaling = false;
    DisplayLayout display;
    int fontPixels = 0;
    ImFont* dialogFont = nullptr;
    SdlGamepads gamepads;
    bool altAlone = false;
    // The window's own key repeat, and whether it stands in for the
    // desktop's.
    KeyRepeat keyRepeat;
    bool ownKeyRepeat = false;
    // Whether the window was told a menu is open (it waits for its player).
    bool menuLoop = false;
    // The window's size and place when last seen not fullscreen.
    int windowedWidth = Canvas::Width;
    int windowedHeight = Canvas::Height + MenuBarHeight;
    std::optional<int> windowedX;
    std::optional<int> windowedY;
    void noteWindowed();
    HeldKeys heldKeys;
    float mouseX = -1.0f;
    float mouseY = -1.0f;
    std::ostream* trace = nullptr;
};

}  // namespace quindel
