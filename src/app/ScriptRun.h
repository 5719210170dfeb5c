#pragma once

#include <istream>
#include <memory>
#include <ostream>

#include "game/GamePaths.h"
#include "render/Canvas.h"
#include "script/ScriptPlatform.h"

namespace quindel {

class AudioLayer;
class Game;
class GamePrinter;
class MainWindow;

// The whole game on the scripted platform: the real window, its procedure,
// dialogs and drawing on the virtual clock, the lines of a script as its
// events and the printers as its output. The time source of the rules is
// the script's while the run lives.
class ScriptRun final {
public:
    ScriptRun(ScriptSource& script, std::ostream& out, std::ostream& errors, ScriptPlatform::Failure fail,
              AudioLayer& audio, const GamePaths& paths = GamePaths{});
    // The game goes first, writing the hall of fame as every run ends.
    ~ScriptRun();
    ScriptRun(const ScriptRun&) = delete;
    ScriptRun& operator=(const ScriptRun&) = delete;

    // Plays the script to its end (or to the Exit command).
    void run();

    Game& game() { return *playedGame; }
    MainWindow& window() { return *mainWindow; }
    ScriptPlatform& platform() { return scriptPlatform; }
    GamePrinter& printer() { return *gamePrinter; }

private:
    ScriptPlatform scriptPlatform;
    Canvas canvas;
    std::unique_ptr<GamePrinter> gamePrinter;
    MainWindow* mainWindow = nullptr;
    std::unique_ptr<Game> playedGame;
};

}  // namespace quindel
