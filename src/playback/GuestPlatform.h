#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

#include "script/ScriptPlatform.h"
#include "widgets/UiPlatform.h"

namespace quindel {

class MainWindow;
class MessagePump;
class SdlPlatform;

// A game played in the real window from the lines of a script: a replay
// watched, or the computer player's demo. The script's lines are the game's
// events, as in the scripted run, but its clock goes at the speed of real
// time (or twice or four times that), sleeping in SDL meanwhile; the window
// shows it all, dialogs included, with the game's music and sounds. The
// viewer's own keys never reach the game: in a replay 1, 2 and 4 choose the
// speed, Pause (or a pad's Start) pauses and Escape (or B) ends it; any key,
// click or pad button ends the demo. A menu command chosen meanwhile ends
// either, and is carried out by the game around it afterwards.
class GuestPlatform final : public UiPlatform {
public:
    enum class Mode : std::int32_t {
        Replay = 0,
        Demo = 1,
    };
    enum class Ending : std::int32_t {
        Played = 0,   // to the script's end
        Stopped = 1,  // by the viewer, or for a menu command
        Closed = 2,   // the window was closed: the whole game ends
        Left = 3,     // the window was left or minimised (the demo)
    };

    // outerPump: the pump of the game around it, whose menu commands end
    // this one; none when it plays alone (--replay).
    GuestPlatform(SdlPlatform& window, ScriptSource& script, Mode mode, std::ostream& errors, MessagePump* outerPump);
    // What was posted to the game around it meanwhile goes back to it, in
    // its order.
    ~GuestPlatform() override;
    GuestPlatform(const GuestPlatform&) = delete;
    GuestPlatform& operator=(const GuestPlatform&) = delete;

    std::optional<Message> waitEvent(std::optional<std::uint32_t> deadline) override;
    Clock& clock() override { return scripted.time(); }
    void attach(MessagePump&) override {}
    void present() override;
    bool showsMessageBoxes() const override { return false; }
    void dialogOpened(DialogHost& dialog) override;
    void dialogClosed(DialogHost& dialog) override;

    ScriptPlatform& script() { return scripted; }
    // The game's window, for the paints the desktop asks for meanwhile.
    void setWindow(MainWindow* played) { guest = played; }
    // Drawn onto the canvas before every frame is shown (the demo's mark).
    void setOverlay(std::function<void()> draw) { overlay = std::move(draw); }
    // Lets ms of real time pass with the last picture shown, unless the
    // viewer ends it first.
    void hold(std::uint32_t ms);

    Ending ending() const { return end; }
    int speed() const { return factor; }
    bool isPaused() const { return paused; }

private:
    // Sleeps until the real moment the clock's `to` stands for.
    void pace(std::uint64_t from, std::uint64_t to);
    // Where the clock stands now in real time, between from and to.
    std::uint64_t positionNow(std::uint64_t from, std::uint64_t to) const;
    void take(const Message& event, std::uint64_t from, std::uint64_t to);
    void setSpeed(int value, std::uint64_t from, std::uint64_t to);
    void togglePause(std::uint64_t from, std::uint64_t to);
    void stop(Ending why);
    // Takes what was posted to the game around it; a menu command ends this
    // game, the rest (the menu letting go of the keyboard) waits for it.
    void takeOuterPosts();

    SdlPlatform& window;
    Mode mode;
    MessagePump* outerPump;
    std::vector<Message> outerPosts;
    // What a script prints goes nowhere: nobody reads it here.
    std::ostream silent{nullptr};
    ScriptPlatform scripted;
    MainWindow* guest = nullptr;
    std::function<void()> overlay;
    std::uint32_t realAnchor = 0;
    std::uint64_t virtualAnchor = 0;
    int factor = 1;
    bool paused = false;
    std::uint64_t pausedAt = 0;
    bool waiting = false;
    bool paintPending = false;
    std::uint64_t pressesAtStart = 0;
    Ending end = Ending::Played;
    bool ended = false;
};

}  // namespace quindel
