#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quindel {

// One line of a script, read but not yet carried out.
struct ScriptCommand final {
    enum class Kind : std::int32_t {
        Nothing = 0,  // a blank line or a comment
        Time = 1,
        Key = 2,
        Menu = 3,
        Wait = 4,
        Dialog = 5,
        Dump = 6,
        Board = 7,
        Hof = 8,
        Keys = 9,
        Shot = 10,
        // The data files and the preview capsule as a recorded game started
        // with them.
        Highscore = 11,
        Settings = 12,
        Preview = 13,
    };

    // The bytes of highscore.dat and settings.dat, which `highscore` and
    // `settings` carry whole.
    static constexpr std::size_t HighscoreBytes = 120;
    static constexpr std::size_t SettingsBytes = 24;

    Kind kind = Kind::Nothing;
    // time: seconds; key: virtual-key code; menu: command id; wait: ms;
    // dialog: control id; preview: the first half's colour code.
    std::uint64_t number = 0;
    // dialog: the value, when one was given; shot: the file name; highscore
    // and settings: the file's bytes.
    std::optional<std::string> text;
    // preview: the second half's colour code.
    std::uint64_t second = 0;

    // The command of a line, or why the line cannot be understood.
    struct Parsed;
    static Parsed parse(std::string_view line);
};

struct ScriptCommand::Parsed final {
    std::optional<ScriptCommand> command;
    std::string error;
};

}  // namespace quindel
