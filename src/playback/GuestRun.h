#pragma once

#include <cstdint>
#include <functional>
#include <ostream>

#include "playback/GuestPlatform.h"

namespace quindel {

class AudioLayer;
class Canvas;
class Clock;
class Game;
class MainWindow;
class MessagePump;
class ScriptSource;
class SdlPlatform;

// A whole game played in the window from a script and over again: its own
// Game on a GuestPlatform, its hall of fame and keys in a scratch folder
// that goes with it (the ones of the game around it copied in, so it shows
// the player's), the rules' time source its clock's while it plays. Nothing
// it does reaches the player's files.
class GuestRun final {
public:
    // The game it is played inside of, if any.
    struct Around final {
        Game* game = nullptr;
        MessagePump* pump = nullptr;
    };
    // Called once the game and its window exist (the demo's player is
    // given them).
    using Attach = std::function<void(Game&, MainWindow&, const Clock&)>;

    // How long a replay's last picture stays before the window goes back.
    static constexpr std::uint32_t HoldMs = 2500;

    static GuestPlatform::Ending play(SdlPlatform& window, Canvas& canvas, AudioLayer& audio, ScriptSource& script,
                                      GuestPlatform::Mode mode, const Around& around, std::ostream& errors,
                                      const Attach& attach = {});
};

}  // namespace quindel
