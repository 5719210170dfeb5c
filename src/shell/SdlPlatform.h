#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include <SDL.h>

#include "shell/MenuBar.h"
#include "shell/Platform.h"
#include "shell/SdlClock.h"

namespace quindel {

// The real platform: one SDL window holding the menu bar (Dear ImGui) above
// the 800 x 600 client area, which shows the canvas. Events come from SDL's
// queue; the pump sleeps in SDL until the next event or timer deadline.
class SdlPlatform final : public Platform {
public:
    static constexpr int MenuBarHeight = 19;

    // Null when SDL, the window or its renderer cannot be made; the reason is
    // in error.
    static std::unique_ptr<SdlPlatform> create(std::string& error);
    ~SdlPlatform() override;
    SdlPlatform(const SdlPlatform&) = delete;
    SdlPlatform& operator=(const SdlPlatform&) = delete;

    std::optional<Message> waitEvent(std::optional<std::uint32_t> deadline) override;
    Clock& clock() override { return sdlClock; }
    void attach(MainWindow& window) override { mainWindow = &window; }
    void present() override;
    void showMessageBox(std::string_view caption, std::string_view text) override;
    void dialogOpened(DialogHost& dialog) override { dialogs.push_back(&dialog); }
    void dialogClosed(DialogHost& dialog) override;

    // Where timing lines go (first frame, tick error) when measuring; none
    // by default.
    void setTrace(std::ostream* stream) { trace = stream; }
    SDL_Window* window() const { return sdlWindow; }

private:
    SdlPlatform() = default;
    bool open(std::string& error);
    std::optional<Message> translate(const SDL_Event& event);
    // One ImGui frame: the menu bar, the open dialog, the canvas under them.
    void frame();

    SdlClock sdlClock;
    MainWindow* mainWindow = nullptr;
    std::vector<DialogHost*> dialogs;
    MenuBar menuBar{MenuTemplate::mainMenu()};
    SDL_Window* sdlWindow = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    bool sdlStarted = false;
    bool imguiStarted = false;
    bool shown = false;
    float mouseX = -1.0f;
    float mouseY = -1.0f;
    std::ostream* trace = nullptr;
};

}  // namespace quindel
