#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/Utf8Path.h"

namespace quindel {
namespace {

// What the system makes of a path, read back as UTF-8 bytes without our
// helpers (GoogleTest as Debian builds it cannot print a std::u8string).
std::string systemUtf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A player's folder may be named in any letters. On Windows a path built
// from plain char text reads it in the ANSI code page: "Zoë" comes out as
// other letters and "日本" as question marks, so neither check below holds.
TEST(Utf8Path, NamesInAnyLettersSurviveTheTripThroughAPath)
{
    for (const std::string_view text :
         {"highscore.dat", "Zoë/highscore.dat", "C:/Users/Åsa Ørn/AppData/Roaming/quindel", "日本/設定.dat",
          "music//beingboi.mod"}) {
        const auto path = pathFromUtf8(text);
        EXPECT_EQ(systemUtf8(path), text);
        EXPECT_EQ(utf8FromPath(path), text);
    }
    EXPECT_EQ(systemUtf8(pathFromUtf8("Zoë/日本.dat").filename()), "日本.dat");
    EXPECT_EQ(utf8FromPath(pathFromUtf8("Zoë") / "highscore.dat").substr(0, 4), "Zoë");
}

}  // namespace
}  // namespace quindel
