#include "sdl/SdlPlatform.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>

#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include "base/VirtualKeyCodes.h"
#include "core/RedrawRequest.h"
#include "messages/Deadline.h"
#include "messages/MessagePump.h"
#include "render/Canvas.h"
#include "render/PictureData.h"
#include "render/Renderer.h"
#include "sdl/SdlKeyMap.h"
#include "sdl/UiFont.h"
#include "widgets/CommandIds.h"
#include "widgets/DialogView.h"

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
    style.ScrollbarRounding = 0.0f;
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

// The 1.86 backend scales only its clip rectangles by the framebuffer
// scale, not the geometry. Scaled here instead, and put on whole pixels: a
// glyph then lands texel for pixel, where a fractional position would let
// the renderer's nearest sampling drop a thin stem.
void toOutputPixels(ImDrawData& data, float scale)
{
    for (int list = 0; list < data.CmdListsCount; ++list)
        for (ImDrawVert& vertex : data.CmdLists[list]->VtxBuffer) {
            vertex.pos.x = std::round(vertex.pos.x * scale);
            vertex.pos.y = std::round(vertex.pos.y * scale);
        }
    data.ScaleClipRects(ImVec2(scale, scale));
    data.DisplaySize = ImVec2(data.DisplaySize.x * scale, data.DisplaySize.y * scale);
    data.FramebufferScale = ImVec2(1.0f, 1.0f);
}

}  // namespace

std::unique_ptr<SdlPlatform> SdlPlatform::create(std::string& error, Canvas& canvas, const Options& options)
{
    std::unique_ptr<SdlPlatform> platform(new SdlPlatform(canvas));
    if (!platform->open(error, options))
        return nullptr;
    return platform;
}

bool SdlPlatform::open(std::string& error, const Options& options)
{
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
    // Game controllers only here, in the window the player sees, read by the
    // pump when it wakes for them (SdlGamepads::nextPoll) rather than by SDL
    // every millisecond. A machine without the subsystem plays with the
    // keyboard.
    if (SDL_GetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS) == nullptr)
        SDL_SetHint(SDL_HINT_AUTO_UPDATE_JOYSTICKS, "0");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0)
        controllersStarted = true;
    fullscreen = options.fullscreen;
    integerScaling = options.integerScaling;
    const std::string& title = options.title;
    // ALLOW_HIGHDPI: on a HiDPI screen the window gets the screen's own
    // pixels, and the canvas and the font are drawn for those.
    const Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI
        | (fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    windowedWidth = std::max(options.width, Canvas::Width);
    windowedHeight = std::max(options.height, Canvas::Height + MenuBarHeight);
    windowedX = options.x;
    windowedY = options.y;
    sdlWindow = SDL_CreateWindow(title.c_str(), windowedX.value_or(SDL_WINDOWPOS_UNDEFINED),
                                 windowedY.value_or(SDL_WINDOWPOS_UNDEFINED), windowedWidth, windowedHeight, flags);
    if (sdlWindow == nullptr) {
        error = SDL_GetError();
        return false;
    }
    // Smaller than the original, the dialogs would no longer fit.
    SDL_SetWindowMinimumSize(sdlWindow, Canvas::Width, Canvas::Height + MenuBarHeight);
    if (const auto icon = findPicture("IDC_GHOST")) {
        if (SDL_Surface* surface = SDL_LoadBMP_RW(SDL_RWFromConstMem(icon->bytes, static_cast<int>(icon->size)), 1)) {
            SDL_SetWindowIcon(sdlWindow, surface);
            SDL_FreeSurface(surface);
        }
    }
    // One 800 x 600 picture and a menu need no GPU: the software renderer on
    // the window's own framebuffer starts in a millisecond where a GL context
    // takes 300 ms (Mesa's llvmpipe under Xvfb, more at 4K), and with it a
    // frame scales and sends only what changed: a moved capsule costs some
    // 40 us even at 3840 x 2160. A GPU could save those microseconds only
    // after slowing the first frame. SDL_RENDER_DRIVER and
    // SDL_FRAMEBUFFER_ACCELERATION still choose otherwise; the canvas then
    // goes through a texture and every frame is drawn whole.
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
    windowPicture = WindowPicture::create(error, sdlWindow, renderer, canvas);
    if (!windowPicture)
        return false;
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    imguiStarted = true;
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    applyStyle();
    relayout();
    ImGui_ImplSDL2_InitForSDLRenderer(sdlWindow);
    ImGui_ImplSDLRenderer_Init(renderer);
    rendererBackendStarted = true;
    return true;
}

void SdlPlatform::relayout()
{
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSize(sdlWindow, &windowWidth, &windowHeight);
    int outputWidth = windowWidth;
    int outputHeight = windowHeight;
    if (SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight) != 0) {
        outputWidth = windowWidth;
        outputHeight = windowHeight;
    }
    // Fullscreen can end without the game (a browser's Escape): the menu's
    // check mark and the next toggle follow the window as it is.
    fullscreen = (SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_FULLSCREEN) != 0;
    display = DisplayLayout(windowWidth, windowHeight, outputWidth, outputHeight, integerScaling);
    windowPicture->relayout(display);
    if (display.fontPixels() != fontPixels)
        loadFont(display.fontPixels());
}

void SdlPlatform::loadFont(int pixels)
{
    ImGuiIO& io = ImGui::GetIO();
    io.Fonts->Clear();
    const auto bytes = uiFont();
    ImFontConfig config;
    // Linked into the executable: not the atlas's to free.
    config.FontDataOwnedByAtlas = false;
    // Rasterised at the size it is shown and drawn texel for pixel, so
    // glyphs on whole pixels need no oversampling to stay crisp.
    config.OversampleH = 1;
    config.OversampleV = 1;
    config.PixelSnapH = true;
    io.Fonts->AddFontFromMemoryTTF(const_cast<unsigned char*>(bytes.data()), static_cast<int>(bytes.size()),
                                   static_cast<float>(pixels), &config);
    // The dialogs' text is smaller, so it is as wide as the dialog units
    // their rectangles are measured in.
    dialogFont =
        io.Fonts->AddFontFromMemoryTTF(const_cast<unsigned char*>(bytes.data()), static_cast<int>(bytes.size()),
                                       static_cast<float>(DialogView::fontPixelsFor(pixels)), &config);
    // The menu and the dialogs are laid out in units of the original window;
    // the backend multiplies them by the UI scale, which brings the glyphs
    // back to their own size.
    io.FontGlobalScale = static_cast<float>(DisplayLayout::BaseFontPixels) / static_cast<float>(pixels);
    if (rendererBackendStarted) {
        ImGui_ImplSDLRenderer_DestroyFontsTexture();
        ImGui_ImplSDLRenderer_CreateFontsTexture();
    }
    fontPixels = pixels;
}

void SdlPlatform::toggleFullscreen()
{
    if (SDL_SetWindowFullscreen(sdlWindow, fullscreen ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
        return;
    fullscreen = !fullscreen;
    relayout();
    if (shown)
        frame();
}

void SdlPlatform::toggleIntegerScaling()
{
    integerScaling = !integerScaling;
    relayout();
    if (shown)
        frame();
}

SdlPlatform::~SdlPlatform()
{
    if (imguiStarted) {
        if (rendererBackendStarted) {
            ImGui_ImplSDLRenderer_Shutdown();
            ImGui_ImplSDL2_Shutdown();
        }
        ImGui::DestroyContext();
    }
    gamepads.closeAll();
    if (controllersStarted)
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    windowPicture.reset();
    if (renderer != nullptr)
        SDL_DestroyRenderer(renderer);
    if (sdlWindow != nullptr)
        SDL_DestroyWindow(sdlWindow);
    if (sdlStarted)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::optional<Message> SdlPlatform::waitEvent(std::optional<std::uint32_t> timerDeadline)
{
    // The pads are read, and a held direction repeats, at deadlines of their
    // own; whichever comes first wakes the pump, which then asks again.
    const std::uint32_t now = sdlClock.now();
    if (controllersStarted && isDue(gamepads.nextPoll(), now)) {
        SDL_GameControllerUpdate();
        gamepads.polled(now);
    }
    if (const auto due = gamepads.takeDue(now))
        return padPress(*due);
    if (const auto key = keyRepeat.takeDue(now)) {
        if (menuBar.isActive())
            return Message{};
        return Message{MessageTarget::MainWindow, MessageCode::KeyDown, static_cast<std::uint32_t>(*key),
                       keyflag::Repeat};
    }
    std::optional<std::uint32_t> deadline = timerDeadline;
    const auto earlier = [&deadline](std::uint32_t when) {
        if (!deadline || isEarlier(when, *deadline))
            deadline = when;
    };
    if (const auto repeat = gamepads.nextDeadline())
        earlier(*repeat);
    if (const auto repeat = keyRepeat.nextDeadline())
        earlier(*repeat);
    if (controllersStarted)
        earlier(gamepads.nextPoll());
    SDL_Event event;
    int got = 0;
    if (deadline) {
        const auto remaining = millisecondsUntil(*deadline, sdlClock.now());
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
    if (heldKeys.swallow(event, !dialogs.empty()))
        return Message{};
    ImGui_ImplSDL2_ProcessEvent(&event);
    if (SdlGamepads::isPadEvent(event)) {
        const auto action = gamepads.handle(event, sdlClock.now());
        return action ? padPress(*action) : Message{};
    }
    switch (event.type) {
    case SDL_QUIT:
        return messageOf(MessageCode::Destroy);
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED:
            return messageOf(MessageCode::Paint, static_cast<std::uint32_t>(RedrawRequest::RedrawFull));
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED:
            // Nothing held can be let go where the game does not hear it.
            gamepads.releaseAll();
            keyRepeat.releaseAll();
            return messageOf(MessageCode::ActivateApp, 0);
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            return messageOf(MessageCode::ActivateApp, 1);
        case SDL_WINDOWEVENT_MOVED:
            noteWindowed();
            return Message{};
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_DISPLAY_CHANGED:
            // The canvas keeps its pixels; only where and how large they
            // are shown changes.
            noteWindowed();
            relayout();
            if (shown)
                frame();
            return Message{};
        default:
            return Message{};
        }
    case SDL_KEYDOWN:
        return keyDown(event.key);
    case SDL_MOUSEMOTION:
        mouseX = static_cast<float>(event.motion.x);
        mouseY = static_cast<float>(event.motion.y);
        // Only the last of a burst of movements is worth a frame.
        if (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_MOUSEMOTION, SDL_MOUSEMOTION) <= 0)
            frame();
        return Message{};
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        altAlone = false;
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
        if (!dialogs.empty())
            frame();
        return Message{};
    case SDL_KEYUP:
        keyRepeat.release(virtualKeyOf(event.key.keysym.sym));
        if ((event.key.keysym.sym == SDLK_LALT || event.key.keysym.sym == SDLK_RALT) && altAlone && dialogs.empty()) {
            altAlone = false;
            menuBar.state().toggleBar();
            menuChanged();
            return Message{};
        }
        if (!dialogs.empty())
            frame();
        return Message{};
    default:
        return Message{};
    }
}

std::optional<Message> SdlPlatform::keyDown(const SDL_KeyboardEvent& event)
{
    const SDL_Keycode sym = event.keysym.sym;
    const std::uint16_t mods = event.keysym.mod;
    const std::int32_t key = virtualKeyOf(sym);
    const bool letter = sym >= SDLK_a && sym <= SDLK_z;
    const bool isAlt = sym == SDLK_LALT || sym == SDLK_RALT;
    // Alt pressed and let go alone lights the menu bar; anything between
    // makes it a combination instead.
    if (event.repeat == 0)
        altAlone = isAlt;
    // F11 and Alt+Enter belong to the window, not to the game: taken here,
    // before any key reaches the menu, a dialog or the window procedure, and
    // once per press however long they are held.
    const bool enter = sym == SDLK_RETURN || sym == SDLK_KP_ENTER;
    if (sym == SDLK_F11 || (enter && (mods & KMOD_ALT) != 0)) {
        if (event.repeat == 0)
            toggleFullscreen();
        return Message{};
    }
    if ((mods & KMOD_ALT) != 0 && !isAlt) {
        // Alt combinations belong to the window system: the menu, Alt+F4.
        if (sym == SDLK_F4 && dialogs.empty())
            return messageOf(MessageCode::Destroy);
        if (letter && dialogs.empty() && menuBar.state().altLetter(static_cast<char>(sym)).taken)
            menuChanged();
        return messageOf(MessageCode::SysKeyDown, static_cast<std::uint32_t>(key));
    }
    if (dialogs.empty() && key == vk::F10 && event.repeat == 0) {
        menuBar.state().toggleBar();
        menuChanged();
        return Message{};
    }
    if (menuBar.isActive()) {
        menuKey(key);
        return Message{};
    }
    if (isAlt)
        return messageOf(MessageCode::SysKeyDown, static_cast<std::uint32_t>(key));
    if ((mods & KMOD_CTRL) != 0 && key != vk::Control)
        return Message{MessageTarget::MainWindow, MessageCode::SysKeyDown, static_cast<std::uint32_t>(key),
                       keyflag::Control};
    if (!dialogs.empty())
        frame();
    if (key == 0)
        return Message{};
    std::int32_t flags = 0;
    if ((mods & KMOD_SHIFT) != 0)
        flags |= keyflag::Shift;
    if (event.repeat != 0) {
        // The game repeats its keys itself, whatever the desktop's pace.
        if (ownKeyRepeat)
            return Message{};
        flags |= keyflag::Repeat;
    } else if (ownKeyRepeat) {
        keyRepeat.press(key, sdlClock.now());
    }
    return Message{MessageTarget::MainWindow, MessageCode::KeyDown, static_cast<std::uint32_t>(key), flags};
}

void SdlPlatform::menuKey(std::int32_t key)
{
    const MenuState::Result result = menuBar.state().key(key);
    if (result.command && windowPump != nullptr)
        windowPump->post(messageOf(MessageCode::Command, static_cast<std::uint32_t>(*result.command)));
    menuChanged();
}

void SdlPlatform::menuChanged()
{
    // A menu that opens shows its window a frame later.
    frame();
    frame();
}

Message SdlPlatform::padPress(SdlGamepads::Press press)
{
    const PadAction action = press.action;
    // Back is the pad's way into the menu, as F10 is the keyboard's; while
    // the menu is lit the pad works it.
    if (action == PadAction::Back && dialogs.empty()) {
        menuBar.state().toggleBar();
        menuChanged();
        return Message{};
    }
    if (menuBar.isActive()) {
        static constexpr std::int32_t keys[] = {vk::Left,   vk::Right,  vk::Down, vk::Return,
                                                vk::Escape, vk::Return, vk::Up,   0};
        menuKey(keys[static_cast<std::size_t>(action)]);
        return Message{};
    }
    // The pad's slot goes with it: in a versus match it says whose press it is.
    Message message = messageOf(MessageCode::PadPress, static_cast<std::uint32_t>(action));
    message.lParam = press.slot;
    return message;
}

void SdlPlatform::present()
{
    // The frame takes what the canvas changed; any frame shows the canvas
    // as it is.
    if (!shown) {
        SDL_ShowWindow(sdlWindow);
        shown = true;
        frame();
        if (trace != nullptr) {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            *trace << "first-frame " << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << std::endl;
            // How the window came up: the size it has when not fullscreen.
            *trace << "display window " << windowedWidth << 'x' << windowedHeight << " fullscreen "
                   << (fullscreen ? 1 : 0) << " integer " << (integerScaling ? 1 : 0) << std::endl;
        }
        return;
    }
    frame();
}

void SdlPlatform::frame()
{
    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    // ImGui lays out in units of the original window and the renderer draws
    // each unit as uiScale output pixels, so the menu and the dialogs keep
    // their proportions at every size with the font rasterised to match.
    ImGuiIO& io = ImGui::GetIO();
    const float scale = display.uiScale();
    io.DisplaySize =
        ImVec2(static_cast<float>(display.outputWidth()) / scale, static_cast<float>(display.outputHeight()) / scale);
    io.DisplayFramebufferScale = ImVec2(1.0f, 1.0f);
    // The backend drops the mouse while the window has no focus (always so
    // under the dummy driver); the events carry where it is.
    if (mouseX >= 0.0f) {
        const DisplayLayout::Point at = display.toUi(mouseX, mouseY);
        io.MousePos = ImVec2(at.x, at.y);
    }
    ImGui::NewFrame();
    menuBar.setChecked(command::Fullscreen, fullscreen);
    menuBar.setChecked(command::IntegerScaling, integerScaling);
    const auto chosen = menuBar.draw(dialogs.empty());
    const DisplayLayout::Rect canvasRect = display.canvas();
    if (!dialogs.empty()) {
        // Centred over the canvas; a canvas shown smaller than the dialogs'
        // own scale (integer scaling) still has them centred over it.
        float left = static_cast<float>(canvasRect.x) / scale;
        float top = static_cast<float>(canvasRect.y) / scale;
        float width = static_cast<float>(canvasRect.width) / scale;
        float height = static_cast<float>(canvasRect.height) / scale;
        const auto widen = [](float& start, float& length, float least, float floor) {
            if (length < least) {
                start -= (least - length) * 0.5f;
                length = least;
            }
            start = std::max(start, floor);
        };
        widen(left, width, static_cast<float>(Canvas::Width), 0.0f);
        widen(top, height, static_cast<float>(Canvas::Height), static_cast<float>(MenuBarHeight));
        DialogView::draw(*dialogs.back(), dialogFont, std::floor(left), std::floor(top), width, height);
    }
    ImGui::Render();
    ImDrawData* drawData = ImGui::GetDrawData();
    toOutputPixels(*drawData, scale);
    windowPicture->frame(*drawData);
    // Handled after the frame, as a menu command is: it may open a dialog.
    if (chosen && windowPump != nullptr)
        windowPump->post(messageOf(MessageCode::Command, static_cast<std::uint32_t>(*chosen)));
    // The window hears when a menu takes the keyboard and when it lets go.
    if (menuBar.isActive() != menuLoop && windowPump != nullptr) {
        menuLoop = menuBar.isActive();
        windowPump->post(messageOf(menuLoop ? MessageCode::EnterMenuLoop : MessageCode::ExitMenuLoop));
        keyRepeat.releaseAll();
    }
}

void SdlPlatform::setOwnKeyRepeat(bool on)
{
    ownKeyRepeat = on;
    keyRepeat.releaseAll();
}

void SdlPlatform::setPlayersApart(bool on)
{
    gamepads.setPadsApart(on);
    keyRepeat.setKeysApart(on);
}

void SdlPlatform::noteWindowed()
{
    // A fullscreen or maximised window's size is the screen's, not the
    // player's choice of window.
    const Uint32 flags = SDL_GetWindowFlags(sdlWindow);
    if ((flags & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_MINIMIZED)) != 0)
        return;
    SDL_GetWindowSize(sdlWindow, &windowedWidth, &windowedHeight);
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(sdlWindow, &x, &y);
    windowedX = x;
    windowedY = y;
}

SdlPlatform::Options SdlPlatform::shownAs() const
{
    Options options;
    options.fullscreen = fullscreen;
    options.integerScaling = integerScaling;
    options.width = windowedWidth;
    options.height = windowedHeight;
    options.x = windowedX;
    options.y = windowedY;
    return options;
}

void SdlPlatform::dialogOpened(DialogHost& dialog)
{
    dialogs.push_back(&dialog);
    // Nothing held through the opening types into the dialog: keys until
    // they are let go, a pad's direction until it is pressed again.
    heldKeys.takeFromKeyboard();
    gamepads.releaseAll();
    keyRepeat.releaseAll();
}

void SdlPlatform::dialogClosed(DialogHost& dialog)
{
    std::erase(dialogs, &dialog);
}

}  // namespace quindel
