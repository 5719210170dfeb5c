#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include <functional>

#include "script/ScriptCommand.h"
#include "script/ScriptSource.h"
#include "script/VirtualClock.h"
#include "widgets/UiPlatform.h"

namespace quindel {

// The platform of the scripted run: no window, no sound, a virtual clock.
// Its events are the lines of the script, fed to the window or to the dialog
// that is open; the printing lines are carried out by whoever knows what to
// print (the program wires them to its window's printers).
class ScriptPlatform final : public UiPlatform {
public:
    // Called with the exit status when a line cannot be understood; must not
    // return (the game's final save is skipped). Without one, a line that
    // cannot be understood is told on the error stream and the script ends
    // there, as it would at its last line: a replay watched in the game's
    // window stops without taking the game down with it.
    using Failure = void (*)(int status);

    // What the printing lines do: `dump`, `board`, `hof`, `keys`, and `shot`
    // with its file. A missing one makes its line print nothing.
    struct Reports final {
        std::function<void()> dump;
        std::function<void()> board;
        std::function<void()> hallOfFame;
        std::function<void()> keys;
        // False when the picture could not be written, which stops the run.
        std::function<bool(const std::string& file)> shot;
    };

    // What the lines that set the game up do: `highscore` and `settings`
    // with the bytes of their file, false when it cannot be written, and
    // `preview` with the next capsule's two colour codes. A missing one
    // makes its line change nothing.
    struct Setup final {
        std::function<bool(const std::string& bytes)> highscore;
        std::function<bool(const std::string& bytes)> settings;
        std::function<void(int colorA, int colorB)> preview;
    };

    ScriptPlatform(ScriptSource& script, std::ostream& out, std::ostream& errors, Failure fail);

    std::optional<Message> waitEvent(std::optional<std::uint32_t> deadline) override;
    Clock& clock() override { return virtualClock; }
    void attach(MessagePump&) override {}
    void present() override {}
    bool showsMessageBoxes() const override { return false; }
    void dialogOpened(DialogHost& dialog) override;
    void dialogClosed(DialogHost& dialog) override;

    VirtualClock& time() { return virtualClock; }
    void setReports(Reports value) { reports = std::move(value); }
    void setSetup(Setup value) { setup = std::move(value); }
    // Reads no further line: the script ends as at its last line (a dialog
    // still open is cancelled, then Exit).
    void stop() { stopped = true; }
    bool isStopped() const { return stopped; }

private:
    struct PendingWait final {
        std::uint64_t end = 0;
        std::size_t dialogDepth = 0;
    };

    // Carries out one line; a message for the pump when the line makes one.
    std::optional<Message> execute(const ScriptCommand& command);
    std::optional<Message> endOfScript();
    // Tells why the line cannot be understood, then ends the run through
    // fail or, without one, stops reading.
    std::optional<Message> reject(const std::string& reason, bool showLine = true);

    ScriptSource& script;
    std::ostream& out;
    std::ostream& errors;
    Failure fail;
    VirtualClock virtualClock;
    Reports reports;
    Setup setup;
    std::vector<DialogHost*> dialogs;
    std::vector<PendingWait> waits;
    std::string line;
    std::uint64_t lineNumber = 0;
    bool exitSent = false;
    bool stopped = false;
    DialogHost* cancelledAtEnd = nullptr;
};

}  // namespace quindel
