#pragma once

#include <cstdint>
#include <ostream>

#include "window/MainWindow.h"
#include "window/WindowWatcher.h"

namespace quindel {

class AudioLayer;
class Canvas;
class Game;
class MainWindow;
class SdlPlatform;

// The title's demo: after IdleMs on the title without anything pressed, the
// computer player plays a game on the title's behalf, at a person's pace,
// with the music and a DEMO mark, in a game of its own that writes nothing
// of the player's, and never while the window is left or minimised. Any
// key, click or pad button, a menu command or leaving the window brings the
// title back at once; so does the demo's end, after two levels or a game
// over. The countdown is a timer of the window's, so a title left alone
// sleeps until then.
class TitleDemo final : public WindowWatcher {
public:
    static constexpr std::uint32_t TimerId = MainWindow::DemoTimerId;
    static constexpr std::uint32_t IdleMs = 20'000;

    // trace: where `demo start` and `demo end` go, if anywhere.
    TitleDemo(MainWindow& window, Game& game, SdlPlatform& platform, Canvas& canvas, AudioLayer& audio,
              std::ostream* trace, std::ostream& errors);
    ~TitleDemo() override;
    TitleDemo(const TitleDemo&) = delete;
    TitleDemo& operator=(const TitleDemo&) = delete;

    void messageArrived(const Message& message) override;

private:
    void arm(std::uint32_t ms);
    void play();

    MainWindow& window;
    Game& game;
    SdlPlatform& platform;
    Canvas& canvas;
    AudioLayer& audio;
    std::ostream* trace;
    std::ostream& errors;
    bool away = false;
};

}  // namespace quindel
