#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "shell/Platform.h"
#include "shell/ScriptCommand.h"
#include "shell/VirtualClock.h"
#include "sound/SoundRequestObserver.h"

namespace quindel {

// The platform of the scripted run: no window, no sound, a virtual clock.
// Its events are the lines of the script; the state and sound requests the
// game makes are printed as they happen.
class ScriptPlatform final : public Platform, public SoundRequestObserver {
public:
    // Called with the exit status when a line cannot be understood; must not
    // return (the game's final save is skipped).
    using Failure = void (*)(int status);

    ScriptPlatform(std::istream& script, std::ostream& out, std::ostream& errors, Failure fail);

    std::optional<Message> waitEvent(std::optional<std::uint32_t> deadline) override;
    Clock& clock() override { return virtualClock; }
    void attach(MainWindow& window) override { mainWindow = &window; }
    void present() override {}
    void showMessageBox(std::string_view, std::string_view) override {}
    void dialogOpened(DialogHost& dialog) override;
    void dialogClosed(DialogHost& dialog) override;

    void songRequested(int index) override;
    void moveRequested() override;
    void clearRequested(CellColor color) override;

    VirtualClock& time() { return virtualClock; }

    // What the printing lines print.
    void printState();
    void printBoard();
    void printHallOfFame();
    void printKeys();

private:
    struct PendingWait final {
        std::uint64_t end = 0;
        std::size_t dialogDepth = 0;
    };

    // Carries out one line; a message for the pump when the line makes one.
    std::optional<Message> execute(const ScriptCommand& command);
    std::optional<Message> endOfScript();
    [[noreturn]] void reject(const std::string& reason);

    void writeShot(const std::string& file);

    std::istream& script;
    std::ostream& out;
    std::ostream& errors;
    Failure fail;
    VirtualClock virtualClock;
    MainWindow* mainWindow = nullptr;
    std::vector<DialogHost*> dialogs;
    std::vector<PendingWait> waits;
    std::string line;
    std::uint64_t lineNumber = 0;
    bool exitSent = false;
    DialogHost* cancelledAtEnd = nullptr;
};

}  // namespace quindel
