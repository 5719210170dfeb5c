#include "prefs/PreferencesFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>

#include "TempFolder.h"

namespace quindel {
namespace {

Preferences changed()
{
    Preferences p;
    p.fullscreen = true;
    p.integerScaling = true;
    p.windowWidth = 1000;
    p.windowHeight = 800;
    p.windowX = -20;
    p.windowY = 40;
    p.musicVolume = 3;
    p.effectsVolume = 0;
    p.muted = true;
    p.pauseWhenInactive = false;
    p.fastKeyRepeat = false;
    p.difficulty = 2;
    p.level = 17;
    p.versusComputer = false;
    p.versusStrength = 3;
    p.versusLevelOne = 20;
    p.versusLevelTwo = 1;
    p.versusSpeed = 2;
    p.versusRounds = 5;
    p.playerTwoKeys = {'J', 'L', 'K', 'I', 32, 'P'};
    return p;
}

TEST(PreferencesFile, WhatIsSavedComesBackAndOnlyAChangeIsWritten)
{
    test::TempFolder folder("prefs");
    // The game's own files beside it are never touched.
    const test::Bytes table(120, 7);
    const test::Bytes keys(24, 9);
    test::writeBytes(folder / "highscore.dat", table);
    test::writeBytes(folder / "settings.dat", keys);
    std::ostringstream errors;
    PreferencesFile file(folder / "quindel.toml", errors);
    EXPECT_EQ(file.load(), Preferences{});
    // Unchanged defaults write nothing: a first start leaves no file.
    EXPECT_TRUE(file.save(Preferences{}));
    EXPECT_FALSE(std::filesystem::exists(folder / "quindel.toml"));
    EXPECT_TRUE(file.save(changed()));
    PreferencesFile reread(folder / "quindel.toml", errors);
    EXPECT_EQ(reread.load(), changed());
    // The same preferences again: the file is not rewritten.
    // A day back, in whole seconds, which every file system can hold.
    const auto stamp = std::chrono::floor<std::chrono::seconds>(
        std::filesystem::last_write_time(folder / "quindel.toml") - std::chrono::hours(24));
    std::filesystem::last_write_time(folder / "quindel.toml", stamp);
    EXPECT_TRUE(reread.save(changed()));
    EXPECT_EQ(std::filesystem::last_write_time(folder / "quindel.toml"), stamp);
    // Written through a temporary file that does not stay behind.
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 3u);
    EXPECT_EQ(test::readBytes(folder / "highscore.dat"), table);
    EXPECT_EQ(test::readBytes(folder / "settings.dat"), keys);
    EXPECT_EQ(errors.str(), "");
}

TEST(PreferencesFile, WhatCannotBeUsedTakesItsDefaultAndIsNamed)
{
    struct Case final {
        const char* name;
        std::string text;
        std::string problem;  // a part of the one line said; empty: nothing said
        Preferences expected;
    };
    Preferences louder;
    louder.musicVolume = 4;
    Preferences hard;
    hard.difficulty = 2;
    Preferences versus;
    versus.versusComputer = false;
    versus.versusSpeed = 0;
    versus.playerTwoKeys[4] = 9;
    const Case cases[] = {
        {"a part of the file", "[sound]\nmusic_volume = 4\n", "", louder},
        {"random bytes", std::string("\x01\xff\xfe[[=\x80", 8), "not TOML", Preferences{}},
        {"a wrong type", "[display]\nfullscreen = \"yes\"\n[sound]\nmusic_volume = 4\n",
         "display.fullscreen is not true", louder},
        {"out of range", "[sound]\nmusic_volume = 11\neffects_volume = -1\n[play]\nlevel = 0\n",
         "sound.music_volume = 11 is not in 0..10; sound.effects_volume = -1 is not in 0..10; play.level = 0",
         Preferences{}},
        {"a window too small", "[display]\nwindow_width = 100\n", "display.window_width = 100", Preferences{}},
        {"a float for a number", "[sound]\nmusic_volume = 4.0\n", "sound.music_volume is not a whole number",
         Preferences{}},
        {"unknown keys", "colour = 1\n[play]\ndifficulty = \"hard\"\ncheat = true\n",
         "unknown colour; unknown play.cheat", hard},
        {"an unknown difficulty", "[play]\ndifficulty = \"insane\"\n", "play.difficulty is not", Preferences{}},
        {"versus choices", "[versus]\nopponent = \"player\"\nspeed = \"easy\"\n[player_two]\ndrop = 9\n", "", versus},
        {"versus out of range", "[versus]\nstrength = 4\nrounds = 0\nlevel_two = 21\n",
         "versus.strength = 4 is not in 1..3; versus.level_two = 21 is not in 1..20; versus.rounds = 0", Preferences{}},
        {"an unknown opponent", "[versus]\nopponent = \"cat\"\n", "versus.opponent is not \"player\" or \"computer\"",
         Preferences{}},
        {"player two's key twice", "[player_two]\nmove_left = 65\npause = 65\n",
         "player_two.pause = 65 is move_left's key too; the six defaults stand in", Preferences{}},
        {"a key code no key has", "[player_two]\nturn_left = 0\n", "player_two.turn_left = 0 is not in 1..254",
         Preferences{}},
    };
    for (const Case& c : cases) {
        std::string problems;
        EXPECT_EQ(PreferencesFile::parse(c.text, problems), c.expected) << c.name;
        if (c.problem.empty())
            EXPECT_EQ(problems, "") << c.name;
        else
            EXPECT_NE(problems.find(c.problem), std::string::npos) << c.name << ": " << problems;
    }
    // The text written is read back whole.
    std::string problems;
    EXPECT_EQ(PreferencesFile::parse(PreferencesFile::text(changed()), problems), changed());
    EXPECT_EQ(problems, "");
}

TEST(PreferencesFile, AFileThatIsNotOneOrCannotBeWrittenNeverStopsTheGame)
{
    test::TempFolder folder("prefs-odd");
    std::ostringstream errors;
    // A folder of that name: defaults, said once, and nothing can be written.
    std::filesystem::create_directory(folder / "quindel.toml");
    PreferencesFile taken(folder / "quindel.toml", errors);
    EXPECT_EQ(taken.load(), Preferences{});
    EXPECT_FALSE(taken.save(changed()));
    EXPECT_FALSE(taken.save(changed()));
    EXPECT_NE(errors.str().find("quindel.toml: it is a folder; the defaults stand in\n"), std::string::npos);
    EXPECT_NE(errors.str().find("cannot write"), std::string::npos);
    EXPECT_EQ(errors.str().find("cannot write"), errors.str().rfind("cannot write"));
    // Damaged: read as far as it can be, and said in one line.
    errors.str("");
    test::writeBytes(folder / "damaged.toml", test::Bytes{'[', 's', 'o', 0xC3});
    PreferencesFile damaged(folder / "damaged.toml", errors);
    EXPECT_EQ(damaged.load(), Preferences{});
    const std::string said = errors.str();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    // Read-only: read, and left as it is.
    test::writeBytes(
        folder / "kept.toml",
        test::Bytes{'[', 'p', 'l', 'a', 'y', ']', '\n', 'l', 'e', 'v', 'e', 'l', ' ', '=', ' ', '9', '\n'});
    std::filesystem::permissions(folder / "kept.toml", std::filesystem::perms::owner_read);
    PreferencesFile kept(folder / "kept.toml", errors);
    EXPECT_EQ(kept.load().level, 9);
    EXPECT_FALSE(kept.save(changed()));
    EXPECT_EQ(test::readBytes(folder / "kept.toml").size(), 17u);
    // Far too large to be ours.
    test::writeBytes(folder / "large.toml", test::Bytes(200000, '#'));
    PreferencesFile large(folder / "large.toml", errors);
    EXPECT_EQ(large.load(), Preferences{});
    EXPECT_NE(errors.str().find("larger than"), std::string::npos);
}

}  // namespace
}  // namespace quindel
