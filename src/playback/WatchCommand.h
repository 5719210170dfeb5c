#pragma once

#include <filesystem>
#include <ostream>

namespace quindel {

class AudioLayer;
class Canvas;
class Game;
class MainWindow;
class SdlPlatform;

// Game > Watch last game: the last recorded game played again in the
// window at its own speed, with its music and sounds. A game in play waits
// meanwhile, paused as a dialog pauses it, and goes on afterwards; before
// any game was recorded a message box says so. The trace hears `watch
// start` and `watch end`.
class WatchCommand final {
public:
    WatchCommand(MainWindow& window, Game& game, SdlPlatform& platform, Canvas& canvas, AudioLayer& audio,
                 std::filesystem::path lastReplay, std::ostream* trace, std::ostream& errors);
    ~WatchCommand();
    WatchCommand(const WatchCommand&) = delete;
    WatchCommand& operator=(const WatchCommand&) = delete;

private:
    void watch();

    MainWindow& window;
    Game& game;
    SdlPlatform& platform;
    Canvas& canvas;
    AudioLayer& audio;
    std::filesystem::path lastReplay;
    std::ostream* trace;
    std::ostream& errors;
};

}  // namespace quindel
