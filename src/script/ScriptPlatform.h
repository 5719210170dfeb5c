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
    // return (the game's final save is skipped).
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

private:
    struct PendingWait final {
        std::uint64_t end = 0;
        std::size_t dialogDepth = 0;
    };

    // Carries out one line; a message for the pump when the line makes one.
    std::optional<Message> execute(const ScriptCommand& command);
    std::optional<Message> endOfScript();
    [[noreturn]] void reject(const std::string& reason, bool showLine = true);

    ScriptSource& script;
    std::ostream& out;
    std::ostream& errors;
    Failure fail;
    VirtualClock virtualClock;
    Reports reports;
    std::vector<DialogHost*> dialogs;
    std::vector<PendingWait> waits;
    std::string line;
    std::uint64_t lineNumber = 0;
    bool exitSent = false;
    DialogHost* cancelledAtEnd = nullptr;
};

}  // namespace quindel
