// Quindel: starts the game in its window, or plays a script headless.
//
//   quindel                 the game; music/, highscore.dat and settings.dat
//                           are in the working directory
//   quindel --desktop       the game as the desktop launcher starts it, in the
//                           player's own data folder
//   quindel --script FILE   plays FILE ("-" for standard input) without window
//                           or sound and prints what it is asked to
//   quindel --replay FILE   shows a recorded game in the window
//   quindel --autoplay N    the computer player's games, headless
//
// quindel --help lists every option. QUINDEL_TRACE=1 writes timing lines to
// standard error (first frame, how late each tick comes); tools/measure-game
// reads them.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include <SDL.h>

#include "app/Autoplay.h"
#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/ScriptRun.h"
#include "core/TimeSource.h"
#include "game/Game.h"
#include "messages/SystemTimeSource.h"
#include "playback/GuestAudioLayer.h"
#include "playback/GuestRun.h"
#include "playback/TitleDemo.h"
#include "playback/WatchCommand.h"
#include "prefs/PreferencesFile.h"
#include "render/Canvas.h"
#include "replay/GameRecording.h"
#include "sdl/SdlPlatform.h"
#include "sound/SdlAudioLayer.h"
#include "sound/SilentAudioLayer.h"
#include "window/MainWindow.h"
#ifdef _WIN32
#include "app/ParentConsole.h"
#endif

namespace {

using namespace quindel;

// Whatever the game printed must have reached standard output: a run whose
// output was lost (a full disk, a closed pipe) is no success.
int withOutputChecked(int status)
{
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "quindel: cannot write to standard output\n";
        return status == 0 ? 1 : status;
    }
    return status;
}

[[noreturn]] void exitWithoutSaving(int status)
{
    // A script that cannot be understood ends here, before the Game's
    // teardown would write the hall of fame.
    const int checked = withOutputChecked(status);
    std::cerr.flush();
    std::_Exit(checked);
}

int runScript(const std::string& file)
{
    // Checked before the game starts, so a script that cannot be read
    // writes no data file.
    std::string error;
    const auto source = FileScriptSource::open(file, error);
    if (!source) {
        std::cerr << "quindel: cannot read the script " << (file == "-" ? "from standard input" : file) << ": " << error
                  << '\n';
        return 2;
    }
    SilentAudioLayer audio;
    {
        ScriptRun run(*source, std::cout, std::cerr, exitWithoutSaving, audio);
        run.run();
    }
    return withOutputChecked(0);
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

// The window as the player left it last time; the command line's choice of
// window wins over the kept one for this start.
SdlPlatform::Options windowOptions(const CommandLine& commandLine, const Preferences& preferences)
{
    SdlPlatform::Options display;
    display.title = MainWindow::Title;
    display.fullscreen = commandLine.windowMode() == CommandLine::WindowMode::Default
        ? preferences.fullscreen
        : commandLine.windowMode() == CommandLine::WindowMode::Fullscreen;
    display.integerScaling = preferences.integerScaling;
    display.width = preferences.windowWidth;
    display.height = preferences.windowHeight;
    display.x = preferences.windowX;
    display.y = preferences.windowY;
    return display;
}

std::unique_ptr<SdlPlatform> openWindow(const SdlPlatform::Options& display, Canvas& canvas)
{
    std::string error;
    auto platform = SdlPlatform::create(error, canvas, display);
    if (!platform) {
        // The one message the game ever shows about itself.
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", "RegisterClass failed!", nullptr);
        std::cerr << "RegisterClass failed! " << error << '\n';
    }
    return platform;
}

// --replay: the recorded game in the window, and then the end.
int runReplay(const CommandLine& commandLine)
{
    // Read before anything else, so a replay that cannot be read opens no
    // window; it is named as it was given, before the data folder is entered.
    std::string error;
    const auto source = FileScriptSource::open(commandLine.replayFile(), error);
    if (!source) {
        std::cerr << "quindel: cannot read the replay " << commandLine.replayFile() << ": " << error << '\n';
        return 2;
    }
    const GamePaths paths = enterDataFolder(commandLine);
    // The player's preferences are read for the window, never written.
    PreferencesFile preferencesFile(paths.settings.parent_path() / PreferencesFile::FileName, std::cerr);
    Canvas canvas;
    const auto platform = openWindow(windowOptions(commandLine, preferencesFile.load()), canvas);
    if (!platform)
        return 1;
    SdlAudioLayer audio;
    GuestAudioLayer played(audio);
    GuestRun::play(*platform, canvas, played, *source, GuestPlatform::Mode::Replay, GuestRun::Around{}, std::cerr);
    return 0;
}

int runGame(const CommandLine& commandLine)
{
    const GamePaths paths = enterDataFolder(commandLine);
    const char* traceSetting = std::getenv("QUINDEL_TRACE");
    std::ostream* trace = traceSetting != nullptr && std::strcmp(traceSetting, "1") == 0 ? &std::cerr : nullptr;
    // The player's preferences beside the keys' file.
    PreferencesFile preferencesFile(paths.settings.parent_path() / PreferencesFile::FileName, std::cerr);
    Preferences preferences = preferencesFile.load();
    Canvas canvas;
    const auto platform = openWindow(windowOptions(commandLine, preferences), canvas);
    if (!platform)
        return 1;
    platform->setTrace(trace);
    const SystemTimeSource systemTime;
    setTimeSource(&systemTime);
    SdlAudioLayer audio;
    {
        MainWindow* mainWindow = nullptr;
        Game game(
            audio,
            [&](Game& created) {
                auto window = std::make_unique<MainWindow>(created, *platform, canvas);
                window->setTrace(trace);
                mainWindow = window.get();
                window->keepPreferences(preferences, [&](const Preferences& changed) {
                    preferences = changed;
                    preferencesFile.save(preferences);
                });
                return window;
            },
            paths);
        GameRecording recording(*mainWindow, game, GameRecording::folderBeside(paths.highscore), std::cerr);
        GuestAudioLayer played(audio);
        WatchCommand watching(*mainWindow, game, *platform, canvas, played, recording.replays().lastReplay(), trace,
                              std::cerr);
        TitleDemo demo(*mainWindow, game, *platform, canvas, played, trace, std::cerr);
        game.run();
    }
    // How the window was shown at the end is how it opens next time.
    const SdlPlatform::Options shown = platform->shownAs();
    preferences.fullscreen = shown.fullscreen;
    preferences.integerScaling = shown.integerScaling;
    preferences.windowWidth = shown.width;
    preferences.windowHeight = shown.height;
    preferences.windowX = shown.x;
    preferences.windowY = shown.y;
    preferencesFile.save(preferences);
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
        return withOutputChecked(0);
    case CommandLine::Action::Version:
        std::cout << CommandLine::version();
        return withOutputChecked(0);
    case CommandLine::Action::Refused:
        std::cerr << commandLine.error() << '\n';
        return 2;
    case CommandLine::Action::Script:
        return runScript(commandLine.scriptFile());
    case CommandLine::Action::Autoplay: {
        const CommandLine::AutoplayChoice& choice = commandLine.autoplay();
        PilotSource::Settings settings;
        settings.strength = choice.strength;
        settings.interval = choice.interval;
        settings.firstLevel = choice.level;
        settings.seed = choice.seed;
        settings.games = choice.games;
        return withOutputChecked(Autoplay::run(settings, std::cout, std::cerr));
    }
    case CommandLine::Action::Replay:
        return runReplay(commandLine);
    case CommandLine::Action::Play:
        break;
    }
    return runGame(commandLine);
}
