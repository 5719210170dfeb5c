#pragma once

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "app/ScriptRun.h"
#include "game/Game.h"
#include "sound/SilentAudioLayer.h"
#include "window/MainWindow.h"

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

    Game& game() { return run->game(); }
    MainWindow& window() { return run->window(); }
    ScriptPlatform& platform() { return run->platform(); }
    const std::filesystem::path& directory() const { return workDirectory.path(); }
    bool timerRunning() const;
    std::uint32_t timerPeriod() const;

private:
    TempFolder workDirectory{"session"};
    std::stringstream script;
    StreamScriptSource source{script};
    std::ostringstream out;
    std::ostringstream errors;
    SilentAudioLayer audio;
    std::unique_ptr<ScriptRun> run;
    std::size_t taken = 0;
};

}  // namespace quindel::test
