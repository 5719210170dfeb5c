#include "app/ScriptRun.h"

#include "core/TimeSource.h"
#include "game/Game.h"
#include "sound/SoundPlayer.h"
#include "window/GamePrinter.h"
#include "window/MainWindow.h"
#include "window/VersusPrinter.h"

namespace quindel {

ScriptRun::ScriptRun(ScriptSource& script, std::ostream& out, std::ostream& errors, ScriptPlatform::Failure fail,
                     AudioLayer& audio, const GamePaths& paths)
    : scriptPlatform(script, out, errors, fail)
{
    setTimeSource(&scriptPlatform.time());
    playedGame = std::make_unique<Game>(
        audio,
        [this, &out](Game& created) {
            // The printer listens before the window is made: its creation
            // already asks for the title song.
            gamePrinter = std::make_unique<GamePrinter>(created, canvas, out);
            created.soundPlayer().setObserver(gamePrinter.get());
            GamePrinter& printer = *gamePrinter;
            // In a versus match `dump` and `board` show both bottles.
            scriptPlatform.setReports(ScriptPlatform::Reports{
                [this, &printer, &out] {
                    if (const VersusMatch* match = mainWindow->versusMatch())
                        VersusPrinter(*match, out).printState();
                    else
                        printer.printState();
                },
                [this, &printer, &out] {
                    if (const VersusMatch* match = mainWindow->versusMatch())
                        VersusPrinter(*match, out).printBoard();
                    else
                        printer.printBoard();
                },
                [&printer] { printer.printHallOfFame(); },
                [&printer] { printer.printKeys(); },
                [&printer](const std::string& file) { return printer.writeShot(file); },
            });
            auto window = std::make_unique<MainWindow>(created, scriptPlatform, canvas);
            mainWindow = window.get();
            return window;
        },
        paths);
}

ScriptRun::~ScriptRun()
{
    playedGame.reset();
    scriptPlatform.setReports({});
    setTimeSource(nullptr);
}

void ScriptRun::run()
{
    playedGame->run();
}

}  // namespace quindel
