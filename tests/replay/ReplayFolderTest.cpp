#include "replay/ReplayFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "TempFolder.h"

namespace quindel {
namespace {

std::string contentOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ReplayFolder, NamesSortByTheTimeTheGameStarted)
{
    EXPECT_EQ(ReplayFolder::datedName(0), "1970-01-01_00-00-00.script");
    EXPECT_EQ(ReplayFolder::datedName(1'700'000'097'943), "2023-11-14_22-14-57.script");
    struct Case {
        const char* name;
        bool dated;
    };
    const Case cases[] = {
        {"2023-11-14_22-14-57.script", true},
        {"2023-11-14_22-14-57_2.script", true},
        {"2023-11-14_22-14-57_.script", false},
        {"2023-11-14_22-14-57_x.script", false},
        {"last.script", false},
        {"2023-11-14 22-14-57.script", false},
        {"2023-11-14_22-14-57.txt", false},
        {"2023-11-14_22-14-57.script.bak", false},
        {"x2023-11-14_22-14-57.script", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplayFolder::isDatedName(c.name), c.dated) << c.name;
}

TEST(ReplayFolder, KeepsLastScriptAndTheNewestFiftyGamesAndNothingElseOfTheFolderIsTouched)
{
    test::TempFolder data("replays");
    const auto folder = data / "replays";
    std::filesystem::create_directories(folder);
    for (const char* foreign : {"notes.txt", "mine.script", "2000-01-01_00-00-00.script.bak"})
        std::ofstream(folder / foreign) << "kept";
    std::ostringstream errors;
    ReplayFolder files(folder, errors);
    // Two games of the same second get names of their own.
    const std::int64_t start = 1'700'000'000'000;
    for (int game = 0; game < 53; ++game) {
        files.begin(start + (game / 2) * 1000 + game % 2);
        files.write("time " + std::to_string(game) + "\n");
        files.write("dump\n");
        files.end();
    }
    std::set<std::string> dated;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (ReplayFolder::isDatedName(entry.path().filename().string()))
            dated.insert(entry.path().filename().string());
    EXPECT_EQ(dated.size(), ReplayFolder::Kept);
    EXPECT_EQ(*dated.begin(), "2023-11-14_22-13-21_2.script");  // games 0 to 2 are gone
    EXPECT_EQ(*dated.rbegin(), "2023-11-14_22-13-46.script");
    EXPECT_EQ(contentOf(folder / "2023-11-14_22-13-45_2.script"), "time 51\ndump\n");
    EXPECT_EQ(contentOf(files.lastReplay()), "time 52\ndump\n");
    for (const char* foreign : {"notes.txt", "mine.script", "2000-01-01_00-00-00.script.bak"})
        EXPECT_EQ(contentOf(folder / foreign), "kept") << foreign;
    EXPECT_EQ(errors.str(), "");
}

TEST(ReplayFolder, AFolderThatCannotBeMadeIsToldOnceAndThePlayGoesOn)
{
    test::TempFolder data("replays");
    std::ofstream(data / "replays") << "a file where the folder would be";
    std::ostringstream errors;
    ReplayFolder files(data / "replays", errors);
    for (int game = 0; game < 3; ++game) {
        files.begin(1'700'000'000'000 + game * 1000);
        files.write("dump\n");
        files.end();
    }
    EXPECT_NE(errors.str().find("cannot write replays into"), std::string::npos) << errors.str();
    EXPECT_EQ(errors.str().find('\n'), errors.str().size() - 1) << errors.str();
    EXPECT_EQ(contentOf(data / "replays"), "a file where the folder would be");
}

}  // namespace
}  // namespace quindel
