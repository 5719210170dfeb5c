#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "TempFolder.h"
#include "game/Game.h"
#include "messages/Message.h"
#include "render/Canvas.h"
#include "sdl/SdlPlatform.h"
#include "sound/SilentAudioLayer.h"
#include "window/MainWindow.h"

namespace quindel::test {

// The real platform on SDL's dummy video driver (pushed events need no X
// server), made for a test; null with the reason when it cannot be.
std::unique_ptr<SdlPlatform> dummyPlatform(Canvas& canvas, std::string& error);

// The whole game in the real window on the dummy driver, its data files in
// a fresh folder: events pushed into SDL's queue come out of the platform as
// the window's messages.
class SdlSession final {
public:
    SdlSession();
    ~SdlSession();
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;

    // Whether the platform could be made; the reason in error() if not.
    explicit operator bool() const { return static_cast<bool>(game); }
    const std::string& error() const { return reason; }

    // Everything SDL has queued (a new size, a pad's arrival), handled.
    void drain();
    // The key a message stands for in the window: a key's own code, or the
    // key bound now to a pad's action; 0 for any other message.
    std::uint32_t keyIn(const std::optional<Message>& message);

    TempFolder directory{"sdl-session"};
    Canvas canvas;
    std::unique_ptr<SdlPlatform> platform;
    SilentAudioLayer audio;
    std::unique_ptr<Game> game;
    MainWindow* window = nullptr;

private:
    std::string reason;
};

}  // namespace quindel::test
