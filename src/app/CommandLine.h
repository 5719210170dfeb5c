#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quindel {

// What the player asked for on the command line, read once at start. Reading
// never exits or prints: main decides what to do with the outcome.
class CommandLine final {
public:
    enum class Action : std::int32_t {
        Play = 0,    // the game in its window
        Script = 1,  // a headless scripted run
        Help = 2,
        Version = 3,
        Refused = 4,   // error() says which argument and why
        Autoplay = 5,  // the computer player's games, headless
        Replay = 6,    // a recorded game watched in the window
    };

    // What --autoplay plays and how.
    struct AutoplayChoice final {
        int games = 0;
        int strength = 3;
        // The difficulty's tick: 1100 (easy), 700 (medium) or 300 (hard).
        std::uint32_t interval = 700;
        int level = 1;
        std::int64_t seed = 1;
    };

    // Which way the window opens; Default leaves it to the window.
    enum class WindowMode : std::int32_t {
        Default = 0,
        Fullscreen = 1,
        Windowed = 2,
    };

    // The arguments after the program's name.
    explicit CommandLine(std::span<const std::string_view> arguments);
    // argv as main receives it, program name first.
    CommandLine(int argc, const char* const* argv);

    Action action() const { return chosen; }
    WindowMode windowMode() const { return mode; }
    // Started from the desktop launcher: the data files live in the player's
    // own data folder instead of the working directory.
    bool fromDesktop() const { return desktop; }
    // The script to play, "-" for standard input.
    const std::string& scriptFile() const { return script; }
    // The replay to watch.
    const std::string& replayFile() const { return replay; }
    const AutoplayChoice& autoplay() const { return games; }
    // One line naming the offending argument, with a hint to --help.
    const std::string& error() const { return message; }

    static std::string_view usage();
    static std::string_view version();

private:
    void read(std::span<const std::string_view> arguments);
    void refuse(std::string why);
    // The run the options chose, checked against the one chosen before.
    bool choose(Action action, std::string_view option);

    Action chosen = Action::Play;
    WindowMode mode = WindowMode::Default;
    bool desktop = false;
    std::string script;
    std::string replay;
    AutoplayChoice games;
    std::string message;
};

}  // namespace quindel
