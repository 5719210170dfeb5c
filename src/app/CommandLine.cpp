#include "app/CommandLine.h"

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
                                       "                  what it asks for; '-' reads standard input\n";

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

void CommandLine::read(std::span<const std::string_view> arguments)
{
    // Left to right; the first of --help, --version or a refusal decides, so
    // "quindel --help --anything" still helps.
    bool scripted = false;
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
        if (argument == "--fullscreen") {
            mode = WindowMode::Fullscreen;
        } else if (argument == "--windowed") {
            mode = WindowMode::Windowed;
        } else if (argument == "--desktop") {
            desktop = true;
        } else if (argument == "--script") {
            // An option in FILE's place means FILE was forgotten; a file that
            // really starts with a dash can still be named as ./-file.
            const bool hasFile = i + 1 < arguments.size() && !arguments[i + 1].empty()
                && (arguments[i + 1] == "-" || arguments[i + 1].front() != '-');
            if (!hasFile) {
                refuse("option '--script' needs a FILE ('-' for standard input)");
                return;
            }
            script = arguments[++i];
            scripted = true;
        } else if (!argument.empty() && argument.front() == '-') {
            refuse("unknown option '" + std::string(argument) + "'");
            return;
        } else {
            refuse("unexpected argument '" + std::string(argument) + "'");
            return;
        }
    }
    if (scripted && desktop) {
        // A script would otherwise overwrite the player's own hall of fame.
        refuse("option '--desktop' cannot be combined with '--script'");
        return;
    }
    chosen = scripted ? Action::Script : Action::Play;
}

}  // namespace quindel
