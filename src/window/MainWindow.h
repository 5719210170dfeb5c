#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string_view>

#include "game/GameWindow.h"
#include "messages/Message.h"
#include "messages/MessagePump.h"
#include "messages/PadInput.h"
#include "widgets/DialogOwner.h"

namespace quindel {

class Canvas;
struct Preferences;
class DialogHost;
class Game;
class Renderer;
class UiPlatform;
class VersusMatch;
class WindowProcedure;

// The game's top-level window: its message pump and timers, and the window
// procedure that every message goes through. Made last by the Game, which
// owns it; its creation already runs the window procedure (creation message,
// title song, title picture). It draws into the canvas it is given and shows
// it through the platform, whichever that is.
class MainWindow final : public GameWindow, public DialogOwner {
public:
    static constexpr std::uint32_t GameTimerId = 1;
    static constexpr std::string_view Title = "-== Quindel v1.0 ==- a capsule game by the Quindel crew";

    MainWindow(Game& game, UiPlatform& platform, Canvas& canvas);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    void sendPaint(RedrawRequest request) override;
    void startTimer(std::uint32_t ms) override;
    void killTimer() override;
    void waitFrame(std::uint32_t ms) override;
    void pumpMessages() override;

    // Handled at once, re-entrantly, before this returns.
    void sendMessage(const Message& message);
    void postMessage(const Message& message) { messagePump.post(message); }
    // Runs a dialog modally; returns at once when there is no such dialog.
    void showDialog(int templateId);

    MessagePump& pump() override { return messagePump; }
    UiPlatform& platform() override { return system; }
    void forward(const Message& message) override { sendMessage(message); }
    // The key a pad's action stands for in play at this moment.
    std::int32_t padKey(PadAction action);

    const Game& game() const { return owner; }
    Renderer& renderer();
    // The versus match on the screen; null while none is.
    const VersusMatch* versusMatch() const;
    DialogHost* openDialog() { return dialog; }
    // The template of the last dialog asked for, whether or not it could open.
    int lastDialogRequested() const { return lastRequested; }
    // The preferences this start begins with, and who keeps them when the
    // player changes one (the scripted run keeps none: the defaults serve).
    void keepPreferences(const Preferences& start, std::function<void(const Preferences&)> keeper);

    // When measuring or watching from outside: how late each game tick comes
    // against its period, each change of the game's state (`state Playing`),
    // each level that starts (`level 5 tick 300`, the level as the player
    // counts it) and each dialog that opens and closes (`dialog-open 116`,
    // `dialog-close 116 1` with the command that closed it), and the window
    // losing and gaining the keyboard (`active 0`, `active 1`) or a menu
    // taking it (`menu-open`, `menu-close`): each of them may pause a game.
    void setTrace(std::ostream* stream);

private:
    void traceFocus(const Message& message);

    Game& owner;
    UiPlatform& system;
    MessagePump messagePump;
    std::unique_ptr<WindowProcedure> procedure;
    DialogHost* dialog = nullptr;
    int paintDepth = 0;
    int lastRequested = 0;
    std::ostream* trace = nullptr;
    std::chrono::steady_clock::time_point timerStarted;
    std::uint32_t timerPeriod = 0;
};

}  // namespace quindel
