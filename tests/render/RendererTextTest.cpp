#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "CanvasProbe.h"
#include "render/Renderer.h"
#include "store/HallOfFame.h"

namespace quindel {
namespace {

constexpr std::uint32_t Sentinel = 0xFF00FF;

class RendererText : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(renderer.loadPictures());
        test::paintCanvas(canvas, Sentinel);
    }

    bool scoreDigitAt(int digit, int x) const
    {
        return test::shows(canvas, "IDB_NUMBERS", 20 * digit, 0, 20, 28, x, 531);
    }

    bool drewNothing()
    {
        SDL_Rect area;
        return !canvas.takeDirtyRect(area);
    }

    Canvas canvas;
    Renderer renderer{canvas};
};

struct ScoreCase {
    std::int32_t value;
    std::vector<int> digits;  // from the right, at 747, 726, ...
};

TEST_F(RendererText, ScoreDigitsRunRightToLeftFrom747)
{
    const ScoreCase cases[] = {
        {0, {0}},
        {1234, {4, 3, 2, 1}},
        {2147483647, {7, 4, 6, 3, 8, 4, 7, 4, 1, 2}},
        // Only a foreign file can bring a negative score: its digits, no sign.
        {-45, {5, 4}},
        {INT32_MIN, {8, 4, 6, 3, 8, 4, 7, 4, 1, 2}},
    };
    for (const ScoreCase& c : cases) {
        SCOPED_TRACE(c.value);
        test::paintCanvas(canvas, Sentinel);
        renderer.drawScore(c.value, true);
        int x = 747;
        for (int d : c.digits) {
            EXPECT_TRUE(scoreDigitAt(d, x)) << "at " << x;
            x -= 21;
        }
        EXPECT_TRUE(test::untouched(canvas, x, 531, 20, 28, Sentinel));
        EXPECT_EQ(renderer.lastDrawnScore(), c.value);
    }
}

TEST_F(RendererText, AnUnchangedScoreIsDrawnOnlyWhenForced)
{
    EXPECT_EQ(renderer.lastDrawnScore(), -1);
    renderer.drawScore(0, false);  // the first drawing of the run shows even a 0
    EXPECT_TRUE(scoreDigitAt(0, 747));
    ASSERT_FALSE(drewNothing());
    renderer.drawScore(0, false);
    EXPECT_TRUE(drewNothing());
    renderer.drawScore(0, true);
    EXPECT_FALSE(drewNothing());

    // After the background went over it, an unforced drawing leaves the box empty.
    test::paintCanvas(canvas, Sentinel);
    renderer.drawScore(0, false);
    EXPECT_TRUE(test::untouched(canvas, 747, 531, 20, 28, Sentinel));
}

TEST_F(RendererText, AShorterScoreLeavesTheOlderDigitsStanding)
{
    renderer.drawScore(1234, false);
    renderer.drawScore(56, false);
    EXPECT_TRUE(scoreDigitAt(6, 747));
    EXPECT_TRUE(scoreDigitAt(5, 726));
    EXPECT_TRUE(scoreDigitAt(2, 705));
    EXPECT_TRUE(scoreDigitAt(1, 684));
}

// highscore.dat as another program may have left it: eight 11-byte name slots,
// then eight little-endian scores.
void writeTable(const std::filesystem::path& file, const std::array<std::array<char, 11>, 8>& names,
                const std::array<std::int32_t, 8>& scores)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const auto& n : names) {
        out.write(n.data(), 11);
    }
    for (std::int32_t s : scores) {
        const auto u = static_cast<std::uint32_t>(s);
        const char bytes[4] = {static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
                               static_cast<char>(u >> 24)};
        out.write(bytes, 4);
    }
}

std::array<char, 11> slot(const char* text, std::size_t length)
{
    std::array<char, 11> s{};
    std::memcpy(s.data(), text, length);
    return s;
}

TEST_F(RendererText, HallOfFameDrawsCapitalsDigitsAndRightAlignedScores)
{
    const std::filesystem::path file = std::filesystem::path(::testing::TempDir()) / "render_hall.dat";
    std::array<std::array<char, 11>, 8> names{};
    names[0] = slot("AB", 2);
    names[1] = slot("AL 2x", 5);
    names[2] = slot("ABCDEFGHIJK", 11);  // no NUL at all
    names[3] = slot("\0\0\0Z", 4);       // a letter after the end of the name
    const std::array<std::int32_t, 8> scores{12345, 0, 7, -90, 1, 2, 3, 2147483647};
    writeTable(file, names, scores);
    {
        HallOfFame hall(file);
        renderer.drawHallOfFame(hall);
    }
    std::filesystem::remove(file);

    auto glyphAt = [this](char ch, int x, int y) {
        const int k = ch <= '9' ? ch - '0' : ch - 55;
        return test::shows(canvas, "IDB_CHARS", 8 * k, 0, 8, 14, x, y);
    };
    EXPECT_TRUE(glyphAt('A', 48, 420));
    EXPECT_TRUE(glyphAt('B', 56, 420));
    EXPECT_TRUE(test::untouched(canvas, 64, 420, 64, 14, Sentinel));
    for (auto [ch, x] : {std::pair{'5', 200}, {'4', 192}, {'3', 184}, {'2', 176}, {'1', 168}}) {
        EXPECT_TRUE(glyphAt(ch, x, 420)) << ch;
    }
    EXPECT_TRUE(test::untouched(canvas, 128, 420, 40, 14, Sentinel));

    // Row 1: a space, a digit and a small letter in a name are skipped.
    EXPECT_TRUE(glyphAt('A', 48, 437));
    EXPECT_TRUE(glyphAt('L', 56, 437));
    EXPECT_TRUE(test::untouched(canvas, 64, 437, 64, 14, Sentinel));
    EXPECT_TRUE(glyphAt('0', 200, 437));
    EXPECT_TRUE(test::untouched(canvas, 128, 437, 72, 14, Sentinel));

    // Row 2: ten letters at most, never the slot's eleventh byte.
    for (int k = 0; k < 10; ++k) {
        EXPECT_TRUE(glyphAt(static_cast<char>('A' + k), 48 + 8 * k, 454)) << k;
    }
    EXPECT_TRUE(test::untouched(canvas, 128, 454, 72, 14, Sentinel));

    // Row 3: places past the name's end are looked at too; a negative score shows no sign.
    EXPECT_TRUE(test::untouched(canvas, 48, 471, 24, 14, Sentinel));
    EXPECT_TRUE(glyphAt('Z', 72, 471));
    EXPECT_TRUE(glyphAt('0', 200, 471));
    EXPECT_TRUE(glyphAt('9', 192, 471));
    EXPECT_TRUE(test::untouched(canvas, 128, 471, 64, 14, Sentinel));

    // The last row starts at 539 and ends at 552; nothing is drawn below it.
    EXPECT_TRUE(glyphAt('7', 200, 539));
    EXPECT_TRUE(glyphAt('2', 128, 539));
    EXPECT_TRUE(test::untouched(canvas, 0, 553, 800, 47, Sentinel));
    // Between rows the box keeps what it had.
    EXPECT_TRUE(test::untouched(canvas, 0, 434, 800, 3, Sentinel));
}

}  // namespace
}  // namespace quindel
