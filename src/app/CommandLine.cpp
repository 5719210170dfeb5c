#include "app/CommandLine.h"

#include <optional>
#include <vector>

#ifndef QUINDEL_VERSION
#error "the build defines QUINDEL_VERSION"
#endif

namespace quindel {

namespace {

constexpr std::string_view usageHead = "Usage: quindel [OPTION]...\n"
                                       "Quindel, a falling-capsule puzzle game.\n"
                                       "\n"
                                       "  --fullscreen    start fullscreen at the desktop's resolution\n"
                                       "  --windowed      start in a window (of the two, the last given wins)\n"
                                       "  --script FILE   play FILE headless, without window or sound, printing\n"
                                       "                  what it asks for; '-' reads standard input\n"
                                       "  --replay FILE   watch the recorded game FILE in the window at its own\n"
                                       "                  speed (keys 1, 2 and 4 choose the speed, Pause pauses,\n"
                                       "                  Escape ends); nothing it does is saved\n"
                                       "  --autoplay N    the computer player plays N games headless and prints\n"
                                       "                  one line per game and the means; with\n"
                                       "    --strength 1|2|3          how well it plays (default 3)\n"
                                       "    --speed easy|medium|hard  the difficulty (default medium)\n"
                                       "    --level L                 the level every game starts at, 1 to 20\n"
                                       "    --seed S                  the calendar second the first game starts\n"
                                       "                              at (default 1)\n";

// The player's own data folder is where SDL puts it on each system.
#ifdef _WIN32
constexpr std::string_view usageDesktop =
    "  --desktop       run in the player's own data folder (%APPDATA%\\quindel):\n"
    "                  highscore.dat and settings.dat live there, and music\\ is\n"
    "                  taken from there or else from beside quindel.exe\n";
#else
constexpr std::string_view usageDesktop =
    "  --desktop       run in the player's own data folder ($XDG_DATA_HOME/quindel,\n"
    "                  by default ~/.local/share/quindel): highscore.dat and\n"
    "                  settings.dat live there, and music/ is taken from there\n"
    "                  or else from the installed game; the desktop launcher\n"
    "                  starts the game this way\n";
#endif

constexpr std::string_view usageTail = "  -h, --help      show this help and exit\n"
                                       "  --version       show the version and exit\n"
                                       "\n"
                                       "Without --desktop the game reads music/ and keeps highscore.dat and\n"
                                       "settings.dat in the working directory.\n"
                                       "\n"
                                       "Exit status: 0 when the game or script ends normally, 1 when the window\n"
                                       "cannot be opened or the output cannot be written, 2 for a command line or\n"
                                       "script that cannot be understood or read.\n";

constexpr std::string_view versionText = "Quindel " QUINDEL_VERSION "\n";

// Decimal digits only, within the bounds.
std::optional<std::int64_t> numberIn(std::string_view text, std::int64_t low, std::int64_t high)
{
    if (text.empty() || text.size() > 18)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

std::vector<std::string_view> afterProgramName(int argc, const char* const* argv)
{
    std::vector<std::string_view> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    return arguments;
}

}  // namespace

CommandLine::CommandLine(std::span<const std::string_view> arguments)
{
    read(arguments);
}

CommandLine::CommandLine(int argc, const char* const* argv)
{
    const auto arguments = afterProgramName(argc, argv);
    read(arguments);
}

std::string_view CommandLine::usage()
{
    static const std::string text = std::string(usageHead).append(usageDesktop).append(usageTail);
    return text;
}

std::string_view CommandLine::version()
{
    return versionText;
}

void CommandLine::refuse(std::string why)
{
    chosen = Action::Refused;
    message = "quindel: " + std::move(why) + " (see quindel --help)";
}

bool CommandLine::choose(Action action, std::string_view option)
{
    if (chosen != Action::Play && chosen != action) {
        refuse("option '" + std::string(option) + "' cannot be combined with the run chosen before it");
        return false;
    }
    chosen = action;
    return true;
}

void CommandLine::read(std::span<const std::string_view> arguments)
{
    // Left to right; the first of --help, --version or a refusal decides, so
    // "quindel --help --anything" still helps.
    std::string_view autoplayOnly;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            chosen = Action::Help;
            return;
        }
        if (argument == "--version") {
            chosen = Action::Version;
            return;
        }
        // An option in a value's place means the value was forgotten; a file
        // that really starts with a dash can still be named as ./-file.
        const bool hasValue = i + 1 < arguments.size() && !arguments[i + 1].empty()
            && (arguments[i + 1] == "-" || arguments[i + 1].front() != '-');
        if (argument == "--fullscreen") {
            mode = WindowMode::Fullscreen;
        } else if (argument == "--windowed") {
            mode = WindowMode::Windowed;
        } else if (argument == "--desktop") {
            desktop = true;
        } else if (argument == "--script" || argument == "--replay") {
            const bool scripted = argument == "--script";
            if (!hasValue) {
                refuse("option '" + std::string(argument) + "' needs a FILE"
                       + (scripted ? " ('-' for standard input)" : ""));
                return;
            }
            if (!choose(scripted ? Action::Script : Action::Replay, argument))
                return;
            (scripted ? script : replay) = arguments[++i];
        } else if (argument == "--autoplay" || argument == "--strength" || argument == "--speed"
                   || argument == "--level" || argument == "--seed") {
            if (!hasValue) {
                refuse("option '" + std::string(argument) + "' needs a value");
                return;
            }
            const std::string_view value = arguments[++i];
            const auto bad = [this, argument, value](const char* wanted) {
                refuse("option '" + std::string(argument) + "' takes " + wanted + ", not '" + std::string(value) + "'");
            };
            if (argument == "--autoplay") {
                const auto count = numberIn(value, 1, 100000);
                if (!count)
                    return bad("a number of games from 1 to 100000");
                if (!choose(Action::Autoplay, argument))
                    return;
                games.games = static_cast<int>(*count);
                continue;
            }
            autoplayOnly = argument;
            if (argument == "--strength") {
                const auto strength = numberIn(value, 1, 3);
                if (!strength)
                    return bad("1, 2 or 3");
                games.strength = static_cast<int>(*strength);
            } else if (argument == "--speed") {
                if (value == "easy")
                    games.interval = 1100;
                else if (value == "medium")
                    games.interval = 700;
                else if (value == "hard")
                    games.interval = 300;
                else
                    return bad("easy, medium or hard");
            } else if (argument == "--level") {
                const auto level = numberIn(value, 1, 20);
                if (!level)
                    return bad("a level from 1 to 20");
                games.level = static_cast<int>(*level);
            } else {
                const auto seed = numberIn(value, 0, 999'999'999'999);
                if (!seed)
                    return bad("a second from 0 to 999999999999");
                games.seed = *seed;
            }
        } else if (!argument.empty() && argument.front() == '-') {
            refuse("unknown option '" + std::string(argument) + "'");
            return;
        } else {
            refuse("unexpected argument '" + std::string(argument) + "'");
            return;
        }
    }
    if (!autoplayOnly.empty() && chosen != Action::Autoplay) {
        refuse("option '" + std::string(autoplayOnly) + "' goes only with '--autoplay'");
        return;
    }
    if (desktop && (chosen == Action::Script || chosen == Action::Autoplay)) {
        // A script would otherwise overwrite the player's own hall of fame;
        // the computer player's games keep nothing anywhere.
        refuse(std::string("option '--desktop' cannot be combined with '")
               + (chosen == Action::Script ? "--script" : "--autoplay") + "'");
        return;
    }
}

}  // namespace quindel
