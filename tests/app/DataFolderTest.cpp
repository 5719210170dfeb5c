#include "app/DataFolder.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TempFolder.h"

namespace quindel {
namespace {

namespace fs = std::filesystem;

// A scratch folder of its own for each test, gone afterwards, with the
// working directory and the environment variables it touched given back.
class ScratchFolder final {
public:
    ScratchFolder() : root(folder.path()) {}
    ~ScratchFolder()
    {
        std::error_code ignored;
        fs::current_path(previous, ignored);
        for (const auto& [name, value] : savedVariables) {
            if (value)
                ::setenv(name.c_str(), value->c_str(), 1);
            else
                ::unsetenv(name.c_str());
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    fs::path operator/(const fs::path& relative) const { return root / relative; }

    fs::path withMusic(const fs::path& relative) const
    {
        fs::create_directories(root / relative / "music");
        return root / relative;
    }

    void setVariable(const std::string& name, const char* value)
    {
        const char* old = std::getenv(name.c_str());
        savedVariables.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value)
            ::setenv(name.c_str(), value, 1);
        else
            ::unsetenv(name.c_str());
    }

private:
    fs::path previous = fs::current_path();
    test::TempFolder folder{"data"};
    fs::path root;
    std::vector<std::pair<std::string, std::optional<std::string>>> savedVariables;
};

TEST(DataFolder, ChoosesTheFolderWhoseMusicIsUsed)
{
    enum Where { Player, First, Second };
    struct Case {
        const char* name;
        bool playerMusic;
        bool firstMusic;
        bool secondMusic;
        Where expected;
    };
    const Case cases[] = {
        {"the player's own music comes first", true, true, true, Player},
        {"the first installed directory", false, true, true, First},
        {"the second when the first has none", false, false, true, Second},
        {"no music anywhere: silent in the player's folder", false, false, false, Player},
    };
    for (const Case& c : cases) {
        ScratchFolder scratch;
        const fs::path player = c.playerMusic ? scratch.withMusic("player") : scratch / "player";
        const fs::path first = c.firstMusic ? scratch.withMusic("first") : scratch / "first";
        const fs::path second = c.secondMusic ? scratch.withMusic("second") : scratch / "second";
        fs::create_directories(player);
        const std::vector<fs::path> installed{first, second};
        const auto choice = DataFolder::choose(player, installed);
        const fs::path expected[] = {player, first, second};
        EXPECT_EQ(choice.workingDirectory, expected[c.expected]) << c.name;
        // Wherever the music is, the data files are the player's.
        EXPECT_EQ(choice.paths.highscore, player / "highscore.dat") << c.name;
        EXPECT_EQ(choice.paths.settings, player / "settings.dat") << c.name;
    }
}

TEST(DataFolder, OnlyAFolderNamedMusicCounts)
{
    ScratchFolder scratch;
    const fs::path installed = scratch.withMusic("installed");
    const std::vector<fs::path> candidates{fs::path(), installed};

    // A plain file called music is no music folder.
    fs::create_directories(scratch / "player");
    std::ofstream(scratch / "player" / "music") << "not a folder";
    EXPECT_EQ(DataFolder::choose(scratch / "player", candidates).workingDirectory, installed);

    // An empty entry would mean the working directory, which holds music/
    // here but is no installed data directory.
    fs::current_path(scratch.withMusic("somewhere"));
    EXPECT_EQ(DataFolder::choose(scratch / "other", std::vector<fs::path>{fs::path()}).workingDirectory,
              scratch / "other");

    // A link the player made to music kept elsewhere is their music.
    fs::create_directories(scratch / "linked");
    fs::create_directory_symlink(scratch.withMusic("collection") / "music", scratch / "linked" / "music");
    EXPECT_EQ(DataFolder::choose(scratch / "linked", candidates).workingDirectory, scratch / "linked");
}

TEST(DataFolder, EntersThePlayersFolderFromTheEnvironment)
{
    ScratchFolder scratch;
    scratch.setVariable("XDG_DATA_HOME", (scratch / "data").c_str());
    const fs::path installed = scratch.withMusic("share/quindel");
    const std::vector<fs::path> candidates{scratch / "missing", installed};
    std::string error;

    const auto paths = DataFolder::enter(candidates, error);
    ASSERT_TRUE(paths) << error;
    // SDL makes the player's folder; the songs are read where they are.
    EXPECT_TRUE(fs::is_directory(scratch / "data" / "quindel"));
    EXPECT_EQ(paths->highscore, scratch / "data" / "quindel" / "highscore.dat");
    EXPECT_EQ(paths->settings, scratch / "data" / "quindel" / "settings.dat");
    EXPECT_EQ(fs::current_path(), installed);

    // Music the player adds later wins from the next start on.
    fs::create_directories(scratch / "data" / "quindel" / "music");
    ASSERT_TRUE(DataFolder::enter(candidates, error)) << error;
    EXPECT_EQ(fs::current_path(), scratch / "data" / "quindel");
}

TEST(DataFolder, AnEmptyOrRelativeDataHomeGivesWayToTheHomeFolder)
{
    // XDG_DATA_HOME, HOME ("/x" is x in the scratch folder), and the player's
    // folder in the scratch folder, null for none.
    const std::array<const char*, 3> cases[] = {
        {"/data", "/home", "data/quindel"},
        {nullptr, "/home", "home/.local/share/quindel"},
        {"", "/home", "home/.local/share/quindel"},
        {"relative", "/home", "home/.local/share/quindel"},
        {"", nullptr, nullptr},
        {nullptr, "", nullptr},
        {"relative", "relative", nullptr},
    };
    for (const auto& [dataHome, home, expected] : cases) {
        SCOPED_TRACE(std::string(dataHome ? dataHome : "unset") + ", " + (home ? home : "unset"));
        ScratchFolder scratch;
        for (const auto& [name, value] : {std::pair{"XDG_DATA_HOME", dataHome}, {"HOME", home}})
            scratch.setVariable(name, value && value[0] == '/' ? (scratch / (value + 1)).c_str() : value);
        fs::create_directories(scratch / "start");
        fs::current_path(scratch / "start");
        std::string error;
        const auto paths = DataFolder::enter(std::vector<fs::path>{}, error);
        // Named in full, since the game has left the folder it started in.
        EXPECT_EQ(paths ? paths->highscore : fs::path(), expected ? scratch / expected / "highscore.dat" : fs::path());
        EXPECT_EQ(fs::current_path(), scratch / (expected ? expected : "start"));
        EXPECT_EQ(error.empty(), expected != nullptr);
        if (expected) {
            EXPECT_EQ(fs::status(scratch / expected).permissions(), fs::perms::owner_all);
        }
        EXPECT_TRUE(fs::is_empty(scratch / "start"));
    }
}

TEST(DataFolder, WithoutAHomeTheWorkingDirectoryStays)
{
    ScratchFolder scratch;
    scratch.setVariable("XDG_DATA_HOME", nullptr);
    scratch.setVariable("HOME", nullptr);
    fs::current_path(scratch / "");
    const fs::path before = fs::current_path();
    std::string error;
    EXPECT_FALSE(DataFolder::enter(std::vector<fs::path>{scratch.withMusic("installed")}, error));
    EXPECT_NE(error, "");
    EXPECT_EQ(fs::current_path(), before);
}

}  // namespace
}  // namespace quindel
