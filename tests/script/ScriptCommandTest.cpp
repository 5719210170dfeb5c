#include "script/ScriptCommand.h"

#include <gtest/gtest.h>

#include <string>

namespace quindel {
namespace {

using Kind = ScriptCommand::Kind;

TEST(ScriptCommand, ReadsEveryCommand)
{
    struct Case {
        const char* line;
        Kind kind;
        std::uint64_t number;
        const char* text;  // null: none
        std::uint64_t second = 0;
    };
    // The data files as hexadecimal digits, either case.
    const std::string highscoreLine = "highscore " + std::string(240, '4') + "\t";
    const std::string settingsLine = "settings " + std::string(46, 'a') + "6F";
    const std::string highscoreBytes(120, 'D');
    const std::string settingsBytes = std::string(23, '\xaa') + "o";
    const Case cases[] = {
        {"", Kind::Nothing, 0, nullptr},
        {"   ", Kind::Nothing, 0, nullptr},
        {"# a comment with key 5", Kind::Nothing, 0, nullptr},
        {"time 1700000000", Kind::Time, 1700000000, nullptr},
        {"key 37", Kind::Key, 37, nullptr},
        {"key 0037", Kind::Key, 37, nullptr},
        {"menu 114", Kind::Menu, 114, nullptr},
        {"wait 0", Kind::Wait, 0, nullptr},
        {"wait 4294967295", Kind::Wait, 4294967295u, nullptr},
        {"dialog 1", Kind::Dialog, 1, nullptr},
        {"dialog 1018 -5", Kind::Dialog, 1018, "-5"},
        {"dialog 1019 big  bad wolf", Kind::Dialog, 1019, "big  bad wolf"},
        {"dialog 1019 name\r", Kind::Dialog, 1019, "name"},
        {"dump", Kind::Dump, 0, nullptr},
        {"board", Kind::Board, 0, nullptr},
        {"hof", Kind::Hof, 0, nullptr},
        {"keys", Kind::Keys, 0, nullptr},
        {"shot out/title screen.bmp", Kind::Shot, 0, "out/title screen.bmp"},
        {"key  38 ", Kind::Key, 38, nullptr},
        {highscoreLine.c_str(), Kind::Highscore, 0, highscoreBytes.c_str()},
        {settingsLine.c_str(), Kind::Settings, 0, settingsBytes.c_str()},
        {"preview 201 203", Kind::Preview, 201, nullptr, 203},
        {"preview  203  202 ", Kind::Preview, 203, nullptr, 202},
        // A value with spaces at its ends, or none, as bytes.
        {"dialog-hex 1019 2041422020", Kind::Dialog, 1019, " AB  "},
        {"dialog-hex 1019", Kind::Dialog, 1019, ""},
    };
    for (const Case& c : cases) {
        const auto parsed = ScriptCommand::parse(c.line);
        ASSERT_TRUE(parsed.command) << c.line << ": " << parsed.error;
        EXPECT_EQ(parsed.command->kind, c.kind) << c.line;
        EXPECT_EQ(parsed.command->number, c.number) << c.line;
        EXPECT_EQ(parsed.command->second, c.second) << c.line;
        if (c.text == nullptr)
            EXPECT_FALSE(parsed.command->text) << c.line;
        else
            EXPECT_EQ(parsed.command->text.value_or("<none>"), c.text) << c.line;
    }
}

TEST(ScriptCommand, RefusesWhatItCannotUnderstand)
{
    const char* lines[] = {
        "jump 5",  // unknown command
        "Key 37",  // commands are lower case
        "key",     // missing number
        "key -1",  // numbers are unsigned digits
        "key +5",
        "key 3.5",
        "key 0x20",
        "key 4294967296",  // past the 32-bit codes
        "wait 10 20",      // words after the number
        "menu 114 now",
        "dump all",  // words after a command that takes none
        "board 1",
        "hof x",
        "keys 1",
        "shot",  // no file name
        "shot   ",
        "dialog",     // missing control id
        "dialog -1",  // ids are unsigned
        "dialog abc 5",
        "time 99999999999999999999",
        "highscore",  // the bytes of a whole file, two digits a byte
        "highscore 41",
        "settings 4142434445464748494a4b4c4d4e4f50515253545556575859",  // 25 bytes
        "settings 4142434445464748494a4b4c4d4e4f5051525354555657 x",
        "settings 4142434445464748494a4b4c4d4e4f50515253545556g7",
        "preview 201",  // two colours, each a real one
        "preview 200 201",
        "preview 201 204",
        "preview 201 202 203",
        "preview white blue",
        "dialog-hex",
        "dialog-hex 1019 414",
        "dialog-hex 1019 4x",
        "dialog-hex 1019 41 42",
    };
    for (const char* line : lines) {
        const auto parsed = ScriptCommand::parse(line);
        EXPECT_FALSE(parsed.command) << line;
        EXPECT_FALSE(parsed.error.empty()) << line;
    }
}

}  // namespace
}  // namespace quindel
