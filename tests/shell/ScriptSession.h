#pragma once

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "game/Game.h"
#include "shell/MainWindow.h"
#include "shell/ScriptPlatform.h"
#include "sound/SilentAudioLayer.h"

namespace quindel::test {

// A line the script run could not understand, thrown instead of exiting.
struct ScriptRejected final {
    int status = 0;
};

// The whole game on the scripted platform, in this process: the real window
// procedure, dialogs and renderer on the virtual clock, in a fresh working
// directory. Tests send messages straight to the window, feed script lines
// for the pump and the dialogs to read, and look at the printed output.
class ScriptSession final {
public:
    // settings: the bytes of settings.dat to start with, if any.
    explicit ScriptSession(const std::vector<unsigned char>& settings = {});
    ~ScriptSession();
    ScriptSession(const ScriptSession&) = delete;
    ScriptSession& operator=(const ScriptSession&) = delete;

    // Appends script lines for the pump or an open dialog to read.
    void feed(const std::string& lines);
    void key(int virtualKey);
    void tick();
    void command(int id);
    // Pumps until the script runs out (which ends the run as Exit does).
    void runToEnd();
    // Output lines since the last call.
    std::vector<std::string> take();
    // The state line as `dump` prints it.
    std::string dump();

    Game& game() { return *theRun; }
    MainWindow& window() { return *mainWindow; }
    ScriptPlatform& platform() { return scriptPlatform; }
    const std::filesystem::path& directory() const { return workDirectory; }
    bool timerRunning() const;
    std::uint32_t timerPeriod() const;

private:
    std::filesystem::path workDirectory;
    std::stringstream script;
    std::ostringstream out;
    std::ostringstream errors;
    ScriptPlatform scriptPlatform;
    SilentAudioLayer audio;
    std::unique_ptr<Game> theRun;
    MainWindow* mainWindow = nullptr;
    std::size_t taken = 0;
};

}  // namespace quindel::test
