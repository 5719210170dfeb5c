#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "messages/PadInput.h"
#include "versus/VersusListener.h"
#include "versus/VersusMatch.h"

namespace quindel {

class Canvas;
class Game;
class MainWindow;
class PlayerSettings;
class Renderer;
class VersusRenderer;

// A versus match in the main window: its own timer on the window's clock,
// both players' keys and pads, the pause of both bottles, the rounds and
// the match's end, and the whole screen drawn after every change. While a
// match is on, the window procedure hands it every key, pad press, timer
// and paint; the single-player game stays on its title meanwhile and the
// hall of fame is never touched.
class VersusScreen final : public VersusListener {
public:
    static constexpr std::uint32_t TimerId = 2;

    VersusScreen(MainWindow& window, Game& game, const PlayerSettings& settings);
    ~VersusScreen() override;
    VersusScreen(const VersusScreen&) = delete;
    VersusScreen& operator=(const VersusScreen&) = delete;

    // Loads the screen's pictures, with the squares of the game's renderer.
    void create(Canvas& canvas, Renderer& sprites);

    bool active() const { return on; }
    const VersusMatch& match() const { return versus; }
    // A new match; any single game is given up for it.
    void start(const VersusSettings& settings);
    // Back to the title.
    void leave();

    void paint();
    void keyDown(std::int32_t key, bool repeat);
    // slot 0 is player one's pad, slot 1 player two's.
    void padPress(PadAction action, std::int32_t slot);
    void timer();
    // The window left or a menu opened: a running match waits, if the
    // player wants that.
    void inactive(bool pauseWhenInactive);
    // A dialog is about to open over a running match: true when it paused
    // the match, which resumeAfterDialog() then takes on again.
    bool pauseForDialog();
    void resumeAfterDialog();

    void clearSound(CellColor color) override;
    void halvesSent(int fromSide, const std::vector<CellColor>& halves) override;
    void roundStarted(int round) override;
    void roundEnded(std::optional<int> winner, bool matchOver) override;

private:
    std::uint64_t now() const;
    // The match's next deadline becomes the timer's.
    void schedule();
    void press(int side, PlayerAction action);
    // A side's six keys in key slot order; true when the key is one of them.
    template <typename Codes>
    bool takeKey(const Codes& codes, int side, std::int32_t key, bool repeat);
    void pauseKey();
    void enterKey();
    void redraw();
    std::string resumeText() const;

    MainWindow& window;
    Game& game;
    const PlayerSettings& settings;
    VersusMatch versus{*this};
    std::unique_ptr<VersusRenderer> drawing;
    bool on = false;
};

}  // namespace quindel
