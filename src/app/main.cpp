// Quindel: starts the game in its window, or plays a script headless.
//
//   quindel                 the game; music/, highscore.dat and settings.dat
//                           are in the working directory
//   quindel --desktop       the game as the desktop launcher starts it, in the
//                           player's own data folder
//   quindel --script FILE   plays FILE ("-" for standard input) without window
//                           or sound and prints what it is asked to
//
// quindel --help lists every option. QUINDEL_TRACE=1 writes timing lines to
// standard error (first frame, how late each tick comes); tools/measure-game
// reads them.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include <SDL.h>

#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/ScriptRun.h"
#include "core/TimeSource.h"
#include "core/Utf8Path.h"
#include "game/Game.h"
#include "messages/SystemTimeSource.h"
#include "render/Canvas.h"
#include "sdl/SdlPlatform.h"
#include "sound/SdlAudioLayer.h"
#include "sound/SilentAudioLayer.h"
#include "window/MainWindow.h"
#ifdef _WIN32
#include "app/ParentConsole.h"
#endif

namespace {

using namespace quindel;

[[noreturn]] void exitWithoutSaving(int status)
{
    // A script that cannot be understood ends here, before the Game's
    // teardown would write the hall of fame.
    std::cout.flush();
    std::cerr.flush();
    std::_Exit(status);
}

int runScript(const std::string& file)
{
    std::ifstream opened;
    std::istream* in = &std::cin;
    if (file != "-") {
        opened.open(pathFromUtf8(file));
        if (!opened) {
            std::cerr << "quindel: cannot read the script " << file << '\n';
            return 2;
        }
        in = &opened;
    }
    SilentAudioLayer audio;
    {
        ScriptRun run(*in, std::cout, std::cerr, exitWithoutSaving, audio);
        run.run();
    }
    std::cout.flush();
    return 0;
}

#if !defined(QUINDEL_DATA_DIR) || !defined(QUINDEL_DATA_FROM_BIN)
#error "the build defines QUINDEL_DATA_DIR and QUINDEL_DATA_FROM_BIN"
#endif

// Started by the desktop launcher, the game moves into the player's data
// folder; should that fail it says so and plays on where it was started.
GamePaths enterDataFolder(const CommandLine& commandLine)
{
    if (!commandLine.fromDesktop())
        return GamePaths{};
    const auto installed = DataFolder::installedDataDirectories(QUINDEL_DATA_FROM_BIN, QUINDEL_DATA_DIR);
    std::string error;
    if (auto paths = DataFolder::enter(installed, error))
        return *paths;
    std::cerr << "quindel: " << error << "; keeping the working directory\n";
    return GamePaths{};
}

int runGame(const CommandLine& commandLine)
{
    const GamePaths paths = enterDataFolder(commandLine);
    const char* traceSetting = std::getenv("QUINDEL_TRACE");
    std::ostream* trace = traceSetting != nullptr && std::strcmp(traceSetting, "1") == 0 ? &std::cerr : nullptr;
    std::string error;
    SdlPlatform::Options display;
    display.title = MainWindow::Title;
    display.fullscreen = commandLine.windowMode() == CommandLine::WindowMode::Fullscreen;
    Canvas canvas;
    const auto platform = SdlPlatform::create(error, canvas, display);
    if (!platform) {
        // The one message the game ever shows about itself.
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", "RegisterClass failed!", nullptr);
        std::cerr << "RegisterClass failed! " << error << '\n';
        return 1;
    }
    platform->setTrace(trace);
    const SystemTimeSource systemTime;
    setTimeSource(&systemTime);
    SdlAudioLayer audio;
    {
        Game game(
            audio,
            [&platform, &canvas, trace](Game& created) {
                auto window = std::make_unique<MainWindow>(created, *platform, canvas);
                window->setTrace(trace);
                return window;
            },
            paths);
        game.run();
    }
    setTimeSource(nullptr);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const CommandLine commandLine(argc, argv);
#ifdef _WIN32
    // The game itself prints nothing a player would see.
    if (commandLine.action() != CommandLine::Action::Play)
        attachParentConsole();
#endif
    switch (commandLine.action()) {
    case CommandLine::Action::Help:
        std::cout << CommandLine::usage();
        return 0;
    case CommandLine::Action::Version:
        std::cout << CommandLine::version();
        return 0;
    case CommandLine::Action::Refused:
        std::cerr << commandLine.error() << '\n';
        return 2;
    case CommandLine::Action::Script:
        return runScript(commandLine.scriptFile());
    case CommandLine::Action::Play:
        break;
    }
    return runGame(commandLine);
}
