#include "shell/SdlPlatform.h"

#include <algorithm>
#include <chrono>
#include <string>

#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include "render/Canvas.h"
#include "render/PictureData.h"
#include "render/Renderer.h"
#include "shell/DialogView.h"
#include "shell/MainWindow.h"
#include "shell/SdlKeyMap.h"
#include "store/VirtualKeys.h"

namespace quindel {

namespace {

Message messageOf(MessageCode code, std::uint32_t wParam = 0)
{
    return Message{MessageTarget::MainWindow, code, wParam, 0};
}

// A menu-bar look close to the desktop's: light, flat, thin frames.
void applyStyle()
{
    ImGui::StyleColorsLight();
    ImGuiStyle& style = ImGui::GetStyle();
    style.WindowRounding = 0.0f;
    style.FrameRounding = 0.0f;
    style.GrabRounding = 0.0f;
    style.PopupRounding = 0.0f;
    style.WindowBorderSize = 1.0f;
    style.FrameBorderSize = 1.0f;
    style.PopupBorderSize = 1.0f;
    style.WindowTitleAlign = ImVec2(0.0f, 0.5f);
    ImVec4* colours = style.Colors;
    colours[ImGuiCol_WindowBg] = ImVec4(0.94f, 0.94f, 0.94f, 1.0f);
    colours[ImGuiCol_TitleBg] = ImVec4(0.40f, 0.60f, 1.00f, 1.0f);
    colours[ImGuiCol_TitleBgActive] = ImVec4(0.40f, 0.60f, 1.00f, 1.0f);
    colours[ImGuiCol_Border] = ImVec4(0.55f, 0.55f, 0.60f, 1.0f);
    colours[ImGuiCol_MenuBarBg] = ImVec4(0.94f, 0.94f, 0.94f, 1.0f);
}

}  // namespace

std::unique_ptr<SdlPlatform> SdlPlatform::create(std::string& error)
{
    std::unique_ptr<SdlPlatform> platform(new SdlPlatform());
    if (!platform->open(error))
        return nullptr;
    return platform;
}

bool SdlPlatform::open(std::string& error)
{
    // Only what is used: the joystick subsystems would make SDL poll.
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error = SDL_GetError();
        return false;
    }
    sdlStarted = true;
    // Without a display SDL quietly falls back to a driver that shows
    // nothing; unless someone asked for it, the game would run unseen.
    const std::string driver = SDL_GetCurrentVideoDriver() != nullptr ? SDL_GetCurrentVideoDriver() : "";
    if ((driver == "offscreen" || driver == "dummy") && SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
        error = "no display to show the window on (SDL found only its " + driver + " video driver)";
        return false;
    }
    const std::string title(MainWindow::Title);
    sdlWindow = SDL_CreateWindow(title.c_str(), 10, 10, MainWindow::ClientWidth,
                                 MainWindow::ClientHeight + MenuBarHeight, SDL_WINDOW_HIDDEN);
    if (sdlWindow == nullptr) {
        error = SDL_GetError();
        return false;
    }
    if (const auto icon = findPicture("IDC_GHOST")) {
        if (SDL_Surface* surface = SDL_LoadBMP_RW(SDL_RWFromConstMem(icon->bytes, static_cast<int>(icon->size)), 1)) {
            SDL_SetWindowIcon(sdlWindow, surface);
            SDL_FreeSurface(surface);
        }
    }
    // One 800 x 600 picture and a menu need no GPU: the software renderer on
    // the window's own framebuffer starts in a millisecond where a GL context
    // takes 300 ms (Mesa's llvmpipe under Xvfb), and presents a frame in
    // about 2 ms. SDL_RENDER_DRIVER and SDL_FRAMEBUFFER_ACCELERATION still
    // choose otherwise.
    if (SDL_GetHint(SDL_HINT_RENDER_DRIVER) == nullptr)
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    if (SDL_GetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION) == nullptr)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    renderer = SDL_CreateRenderer(sdlWindow, -1, 0);
    if (renderer == nullptr)
        renderer = SDL_CreateRenderer(sdlWindow, -1, SDL_RENDERER_SOFTWARE);
    if (renderer == nullptr) {
        error = SDL_GetError();
        return false;
    }
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_XRGB8888, SDL_TEXTUREACCESS_STREAMING,
                                MainWindow::ClientWidth, MainWindow::ClientHeight);
    if (texture == nullptr) {
        error = SDL_GetError();
        return false;
    }
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    imguiStarted = true;
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    io.ConfigFlags |= ImGuiConfigFlags_NavEnableKeyboard;
    applyStyle();
    ImGui_ImplSDL2_InitForSDLRenderer(sdlWindow);
    ImGui_ImplSDLRenderer_Init(renderer);
    return true;
}

SdlPlatform::~SdlPlatform()
{
    if (imguiStarted) {
        ImGui_ImplSDLRenderer_Shutdown();
        ImGui_ImplSDL2_Shutdown();
        ImGui::DestroyContext();
    }
    if (texture != nullptr)
        SDL_DestroyTexture(texture);
    if (renderer != nullptr)
        SDL_DestroyRenderer(renderer);
    if (sdlWindow != nullptr)
        SDL_DestroyWindow(sdlWindow);
    if (sdlStarted)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::optional<Message> SdlPlatform::waitEvent(std::optional<std::uint32_t> deadline)
{
    SDL_Event event;
    int got = 0;
    if (deadline) {
        const auto remaining = static_cast<std::int32_t>(*deadline - sdlClock.now());
        if (remaining <= 0)
            return std::nullopt;
        // SDL counts its timeout in whole milliseconds of its own clock and
        // wakes up to a millisecond late; the last two are slept exactly.
        if (remaining <= 2) {
            sdlClock.sleepUntil(*deadline);
            return std::nullopt;
        }
        got = SDL_WaitEventTimeout(&event, remaining - 2);
    } else {
        got = SDL_WaitEvent(&event);
    }
    if (got == 0)
        return std::nullopt;
    return translate(event);
}

std::optional<Message> SdlPlatform::translate(const SDL_Event& event)
{
    ImGui_ImplSDL2_ProcessEvent(&event);
    switch (event.type) {
    case SDL_QUIT:
        return messageOf(MessageCode::Destroy);
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED:
            return messageOf(MessageCode::Paint, static_cast<std::uint32_t>(RedrawRequest::RedrawFull));
        default:
            return Message{};
        }
    case SDL_MOUSEMOTION:
        mouseX = static_cast<float>(event.motion.x);
        mouseY = static_cast<float>(event.motion.y);
        // Only the last of a burst of movements is worth a frame.
        if (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION) <= 0)
            frame();
        return Message{};
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        mouseX = static_cast<float>(event.button.x);
        mouseY = static_cast<float>(event.button.y);
        // A press opens a menu or a popup; its window shows a frame later.
        frame();
        frame();
        return Message{};
    case SDL_MOUSEWHEEL:
        frame();
        return Message{};
    case SDL_TEXTINPUT:
        if (!dialogs.empty() || menuBar.isOpen())
            frame();
        return Message{};
    case SDL_KEYUP:
        if (!dialogs.empty() || menuBar.isOpen())
            frame();
        return Message{};
    case SDL_KEYDOWN: {
        const SDL_Keycode sym = event.key.keysym.sym;
        const std::uint16_t mods = event.key.keysym.mod;
        const std::int32_t key = virtualKeyOf(sym);
        const bool letter = sym >= SDLK_a && sym <= SDLK_z;
        if ((mods & KMOD_ALT) != 0) {
            // Alt combinations belong to the window system: the menu, Alt+F4.
            if (sym == SDLK_F4 && dialogs.empty())
                return messageOf(MessageCode::Destroy);
            if (letter && dialogs.empty() && menuBar.openByMnemonic(static_cast<char>(sym))) {
                frame();
                frame();
            }
            return messageOf(MessageCode::SysKeyDown, static_cast<std::uint32_t>(key));
        }
        if (menuBar.isOpen()) {
            if (letter)
                menuBar.typeWhileOpen(static_cast<char>(sym));
            frame();
            frame();
            return Message{};
        }
        if ((mods & KMOD_CTRL) != 0 && key != vk::Control)
            return messageOf(MessageCode::SysKeyDown, static_cast<std::uint32_t>(key));
        if (!dialogs.empty())
            frame();
        if (key == 0)
            return Message{};
        return messageOf(MessageCode::KeyDown, static_cast<std::uint32_t>(key));
    }
    default:
        return Message{};
    }
}

void SdlPlatform::present()
{
    if (mainWindow == nullptr)
        return;
    Canvas& canvas = mainWindow->renderer().canvas();
    SDL_Rect dirty;
    if (canvas.takeDirtyRect(dirty)) {
        const SDL_Surface* surface = canvas.surface();
        const auto* pixels = static_cast<const std::uint8_t*>(surface->pixels) + dirty.y * surface->pitch
            + dirty.x * surface->format->BytesPerPixel;
        SDL_UpdateTexture(texture, &dirty, pixels, surface->pitch);
    }
    if (!shown) {
        SDL_ShowWindow(sdlWindow);
        shown = true;
        frame();
        if (trace != nullptr) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            *trace << "first-frame " << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
                   << std::endl;
        }
        return;
    }
    frame();
}

void SdlPlatform::frame()
{
    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    // The backend drops the mouse while the window has no focus (always so
    // under the dummy driver); the events carry where it is.
    if (mouseX >= 0.0f)
        ImGui::GetIO().MousePos = ImVec2(mouseX, mouseY);
    ImGui::NewFrame();
    const auto chosen = menuBar.draw(dialogs.empty());
    if (!dialogs.empty())
        DialogView::draw(*dialogs.back(), static_cast<float>(MenuBarHeight),
                         static_cast<float>(MainWindow::ClientWidth), static_cast<float>(MainWindow::ClientHeight));
    ImGui::Render();
    SDL_SetRenderDrawColor(renderer, 240, 240, 240, 255);
    SDL_RenderClear(renderer);
    const SDL_Rect client{0, MenuBarHeight, MainWindow::ClientWidth, MainWindow::ClientHeight};
    SDL_RenderCopy(renderer, texture, nullptr, &client);
    ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
    SDL_RenderPresent(renderer);
    // Handled after the frame, as a menu command is: it may open a dialog.
    if (chosen && mainWindow != nullptr)
        mainWindow->postMessage(messageOf(MessageCode::Command, static_cast<std::uint32_t>(*chosen)));
}

void SdlPlatform::showMessageBox(std::string_view caption, std::string_view text)
{
    const std::string title(caption);
    const std::string message(text);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), message.c_str(), sdlWindow);
}

void SdlPlatform::dialogClosed(DialogHost& dialog)
{
    std::erase(dialogs, &dialog);
}

}  // namespace quindel
