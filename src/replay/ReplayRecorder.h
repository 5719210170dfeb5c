#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "window/WindowWatcher.h"

namespace quindel {

class Clock;
class Game;
class LatchedTimeSource;
class ReplaySink;

// Writes every game played in the window as a script that plays it again
// exactly: from the new game dialog's Start to the game's end (its name
// entry included), an Exit, or the next new game. The script starts with
// what the game depended on (the second, the preview capsule, the hall of
// fame and the keys as the files' bytes, the dialog's choices) and goes on
// with every key and dialog answer.
//
// The replay runs on a clock of its own, on which ticks come exactly at
// their deadlines and frames take exactly their time, where the live game's
// come a little late. Each live event is put on the replay's clock where the
// live game had it since the last event, but always after everything it
// followed and before the tick it came before: a key the live game handled
// while a tick was already overdue lands a millisecond before that tick. A
// `time` line goes before any event whose seeds the replay's clock would
// otherwise get wrong.
class ReplayRecorder final : public WindowWatcher {
public:
    // Milliseconds since 1970, for the start's date and the phase of its
    // seconds.
    using WallClock = std::function<std::int64_t()>;
    // Whether the window acts on a key press (a repeat, if so); one it
    // ignores is no key of the replay's.
    using KeyFilter = std::function<bool(std::int32_t key, bool repeat)>;

    // clock: the window's millisecond clock; seconds: the time source the
    // game's rules read, released before every message.
    ReplayRecorder(Game& game, Clock& clock, LatchedTimeSource& seconds, ReplaySink& sink, WallClock wall);
    // A game still being recorded ends as at Exit.
    ~ReplayRecorder() override;
    ReplayRecorder(const ReplayRecorder&) = delete;
    ReplayRecorder& operator=(const ReplayRecorder&) = delete;

    void messageArrived(const Message& message) override;
    void messageHandled(const Message& message) override;
    void timerStarted(std::uint32_t period) override;
    void timerKilled() override;
    void frameWaited(std::uint32_t ms) override;
    void dialogOpened(int templateId) override;
    void dialogClosed(int templateId, const DialogHost& dialog) override;

    bool isRecording() const { return recording; }
    // Every key counts until a filter is set.
    void setKeyFilter(KeyFilter filter) { takesKey = std::move(filter); }

private:
    // One moment of the live game on the replay's clock: a message, or the
    // command that closed a dialog. Its lines (the second, the wait up to
    // it, the line itself) are written once all its seeds are known.
    struct Event final {
        bool open = false;
        bool written = false;
        std::uint64_t at = 0;
        // Animation frames it has shown before its lines were written.
        std::uint64_t frames = 0;
        std::string line;
    };
    // A dialog (or the watch of a replay, which pauses the game as one
    // does): its lines wait until it closes, so a new game started from it
    // leaves them out of the game it ends.
    struct Frame final {
        bool asItself = true;
        std::vector<std::string> lines;
        Event outer;
    };

    void start(const DialogHost& dialog);
    void finish();
    void openFrame(bool asItself, std::string openingLine);
    // Writes the frame's lines, the dialog's values when it is replayed as
    // itself, and the command that closed it.
    void closeFrame(const DialogHost* dialog, int result);

    void openEvent(std::uint64_t at, std::string line = {});
    void ensureEvent();
    void writeEvent();
    void closeEvent();
    // Where a live event at this moment goes on the replay's clock.
    std::uint64_t placeNow() const;
    std::uint64_t virtualNow() const;
    void emit(std::string line);
    void valueLines(const DialogHost& dialog);

    Game& game;
    Clock& clock;
    LatchedTimeSource& seconds;
    ReplaySink& sink;
    WallClock wall;
    KeyFilter takesKey;

    bool recording = false;
    std::uint64_t written = 0;
    std::int64_t base = 0;
    bool timerRunning = false;
    std::uint32_t period = 0;
    std::uint64_t deadline = 0;
    std::uint32_t anchorLive = 0;
    std::uint64_t anchorVirtual = 0;
    Event event;
    std::vector<Frame> frames;
    // The window left or a menu opened while the game ran: it may pause.
    bool mayPause = false;
};

}  // namespace quindel
