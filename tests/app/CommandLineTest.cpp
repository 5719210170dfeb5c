#include "app/CommandLine.h"

#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quindel {
namespace {

using Action = CommandLine::Action;
using WindowMode = CommandLine::WindowMode;

std::string joined(std::initializer_list<std::string_view> arguments)
{
    std::string text;
    for (const auto argument : arguments)
        text.append("[").append(argument).append("]");
    return text;
}

CommandLine parsed(std::initializer_list<std::string_view> arguments)
{
    const std::vector<std::string_view> list(arguments);
    return CommandLine(list);
}

TEST(CommandLine, ReadsWhatItUnderstands)
{
    struct Case {
        std::initializer_list<std::string_view> arguments;
        Action action;
        WindowMode mode;
        bool desktop;
        const char* script;
    };
    const Case cases[] = {
        {{}, Action::Play, WindowMode::Default, false, ""},
        {{"--fullscreen"}, Action::Play, WindowMode::Fullscreen, false, ""},
        {{"--windowed"}, Action::Play, WindowMode::Windowed, false, ""},
        // Of the two, the last one given wins.
        {{"--fullscreen", "--windowed"}, Action::Play, WindowMode::Windowed, false, ""},
        {{"--windowed", "--fullscreen"}, Action::Play, WindowMode::Fullscreen, false, ""},
        {{"--desktop"}, Action::Play, WindowMode::Default, true, ""},
        {{"--fullscreen", "--desktop"}, Action::Play, WindowMode::Fullscreen, true, ""},
        {{"--script", "moves.script"}, Action::Script, WindowMode::Default, false, "moves.script"},
        {{"--script", "-"}, Action::Script, WindowMode::Default, false, "-"},
        {{"--script", "./-dash"}, Action::Script, WindowMode::Default, false, "./-dash"},
        {{"--script", "a", "--script", "b"}, Action::Script, WindowMode::Default, false, "b"},
        {{"--windowed", "--script", "a"}, Action::Script, WindowMode::Windowed, false, "a"},
        {{"--help"}, Action::Help, WindowMode::Default, false, ""},
        {{"-h"}, Action::Help, WindowMode::Default, false, ""},
        {{"--version"}, Action::Version, WindowMode::Default, false, ""},
        // The first of help, version or a refusal decides.
        {{"--help", "--no-such-option"}, Action::Help, WindowMode::Default, false, ""},
        {{"--version", "--help"}, Action::Version, WindowMode::Default, false, ""},
        {{"--script", "a", "--version"}, Action::Version, WindowMode::Default, false, "a"},
    };
    for (const Case& c : cases) {
        const CommandLine line = parsed(c.arguments);
        const std::string name = joined(c.arguments);
        EXPECT_EQ(line.action(), c.action) << name << ": " << line.error();
        if (c.action == Action::Play || c.action == Action::Script) {
            EXPECT_EQ(line.windowMode(), c.mode) << name;
            EXPECT_EQ(line.fromDesktop(), c.desktop) << name;
            EXPECT_EQ(line.scriptFile(), c.script) << name;
        }
        EXPECT_EQ(line.error(), "") << name;
    }
}

TEST(CommandLine, RefusesAnythingElseNamingTheArgument)
{
    struct Case {
        std::initializer_list<std::string_view> arguments;
        const char* named;  // quoted in the message
    };
    const Case cases[] = {
        {{"--bogus"}, "'--bogus'"},
        {{"-x"}, "'-x'"},
        {{"--Fullscreen"}, "'--Fullscreen'"},
        {{"--fullscreen=yes"}, "'--fullscreen=yes'"},
        {{"--help=me"}, "'--help=me'"},
        {{"level5"}, "'level5'"},
        {{""}, "''"},
        {{"--fullscreen", "stray"}, "'stray'"},
        {{"--script"}, "'--script'"},
        {{"--script", ""}, "'--script'"},
        // An option in FILE's place means FILE was forgotten.
        {{"--script", "--fullscreen"}, "'--script'"},
        {{"--script", "--help"}, "'--script'"},
        {{"--bogus", "--help"}, "'--bogus'"},
        {{"--desktop", "--script", "a"}, "'--desktop'"},
        {{"--script", "a", "--desktop"}, "'--desktop'"},
    };
    for (const Case& c : cases) {
        const CommandLine line = parsed(c.arguments);
        const std::string name = joined(c.arguments);
        EXPECT_EQ(line.action(), Action::Refused) << name;
        const std::string& error = line.error();
        EXPECT_EQ(error.rfind("quindel: ", 0), 0u) << name << ": " << error;
        EXPECT_NE(error.find(c.named), std::string::npos) << name << ": " << error;
        EXPECT_NE(error.find("--help"), std::string::npos) << name << ": " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << name << ": " << error;
    }
}

TEST(CommandLine, ArgvSkipsTheProgramName)
{
    // A program named like an option is still only the program.
    const char* argv[] = {"--script", "--fullscreen", "--script", "game.script"};
    const CommandLine line(4, argv);
    EXPECT_EQ(line.action(), Action::Script);
    EXPECT_EQ(line.windowMode(), WindowMode::Fullscreen);
    EXPECT_EQ(line.scriptFile(), "game.script");
}

TEST(CommandLine, HelpNamesEveryOptionAndVersionIsOneLine)
{
    const std::string usage(CommandLine::usage());
    for (const char* option : {"--fullscreen", "--windowed", "--script FILE", "--desktop", "--help", "--version"})
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    const std::string version(CommandLine::version());
    EXPECT_EQ(version.rfind("Quindel ", 0), 0u) << version;
    EXPECT_EQ(version.find('\n'), version.size() - 1) << version;
}

}  // namespace
}  // namespace quindel
