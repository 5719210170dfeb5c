// Quindel: starts the game in its window, or plays a script headless.
//
//   quindel                 the game; music/, highscore.dat and settings.dat
//                           are in the working directory
//   quindel --script FILE   plays FILE ("-" for standard input) without window
//                           or sound and prints what it is asked to
//
// QUINDEL_TRACE=1 writes timing lines to standard error (first frame, how late
// each tick comes); tools/measure-game reads them.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include <SDL.h>

#include "core/TimeSource.h"
#include "game/Game.h"
#include "shell/MainWindow.h"
#include "shell/ScriptPlatform.h"
#include "shell/SdlPlatform.h"
#include "sound/SdlAudioLayer.h"
#include "sound/SoundPlayer.h"
#include "sound/SilentAudioLayer.h"

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
        opened.open(file);
        if (!opened) {
            std::cerr << "quindel: cannot read the script " << file << '\n';
            return 2;
        }
        in = &opened;
    }
    ScriptPlatform platform(*in, std::cout, std::cerr, exitWithoutSaving);
    setTimeSource(&platform.time());
    SilentAudioLayer audio;
    {
        Game game(audio, [&platform](Game& created) {
            created.soundPlayer().setObserver(&platform);
            return std::make_unique<MainWindow>(created, platform);
        });
        game.run();
    }
    setTimeSource(nullptr);
    std::cout.flush();
    return 0;
}

int runGame()
{
    const char* traceSetting = std::getenv("QUINDEL_TRACE");
    std::ostream* trace = traceSetting != nullptr && std::strcmp(traceSetting, "1") == 0 ? &std::cerr : nullptr;
    std::string error;
    const auto platform = SdlPlatform::create(error);
    if (!platform) {
        // The one message the game ever shows about itself.
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", "RegisterClass failed!", nullptr);
        std::cerr << "RegisterClass failed! " << error << '\n';
        return 1;
    }
    platform->setTrace(trace);
    SdlAudioLayer audio;
    {
        Game game(audio, [&platform, trace](Game& created) {
            auto window = std::make_unique<MainWindow>(created, *platform);
            window->setTrace(trace);
            return window;
        });
        game.run();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--script") {
            if (i + 1 >= argc) {
                std::cerr << "usage: quindel [--script FILE]\n";
                return 2;
            }
            return runScript(argv[i + 1]);
        }
        if (argument == "--help" || argument == "-h") {
            std::cout << "usage: quindel [--script FILE]\n";
            return 0;
        }
        std::cerr << "quindel: unknown argument " << argument << "\nusage: quindel [--script FILE]\n";
        return 2;
    }
    return runGame();
}
