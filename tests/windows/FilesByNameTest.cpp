#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "core/Utf8Path.h"
#include "script/ScriptSource.h"
#include "sound/MusicFile.h"

namespace quindel {
namespace {

// The game is handed every name as UTF-8 text (the command line, SDL's
// folders, a script's names); a player's folder may be named in any letters.
constexpr const char* PlayerFolder = "Spiele f\xc3\xbcr Zo\xc3\xab \xe6\x97\xa5\xe6\x9c\xac";

class FilesByNameTest : public testing::Test {
protected:
    FilesByNameTest() { std::filesystem::create_directory(pathFromUtf8(folder)); }

    test::TempFolder temp{"files-by-name"};
    std::string folder = utf8FromPath(temp.path()) + "/" + PlayerFolder;
};

TEST_F(FilesByNameTest, MusicComesByteForByte)
{
    // The bytes a text-mode read would change: CR LF, a lone CR, Ctrl+Z.
    const test::Bytes song{'M', '.', 'K', '.', 13, 10, 10, 26, 0, 255, 13, 'x'};
    test::writeBytes(pathFromUtf8(folder + "/song.mod"), song);
    const auto read = MusicFile::read(folder + "/song.mod");
    ASSERT_TRUE(read.has_value());
    std::vector<unsigned char> bytes;
    for (const std::byte b : *read)
        bytes.push_back(static_cast<unsigned char>(b));
    EXPECT_EQ(bytes, song);
    // A folder or a missing file is no song.
    EXPECT_FALSE(MusicFile::read(folder).has_value());
    EXPECT_FALSE(MusicFile::read(folder + "/missing.mod").has_value());
}

TEST_F(FilesByNameTest, AScriptReadsAlikeWithEitherLineEnd)
{
    const std::string text = "title\r\nkey 13\nexit\r\n";
    test::writeBytes(pathFromUtf8(folder + "/play.script"), test::Bytes(text.begin(), text.end()));
    std::string error;
    const auto source = FileScriptSource::open(folder + "/play.script", error);
    ASSERT_NE(source, nullptr) << error;
    std::vector<std::string> lines;
    std::string line;
    while (source->next(line) == ScriptSource::Status::Line)
        lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"title", "key 13", "exit"}));
    EXPECT_EQ(source->next(line), ScriptSource::Status::End);

    // What cannot be a script is refused with the reason.
    EXPECT_EQ(FileScriptSource::open(folder, error), nullptr);
    EXPECT_EQ(error, "it is a folder");
    EXPECT_EQ(FileScriptSource::open(folder + "/missing.script", error), nullptr);
    EXPECT_EQ(error, "No such file or directory");
}

}  // namespace
}  // namespace quindel
