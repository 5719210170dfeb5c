#include "store/HallOfFame.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "WorkingDirectory.h"

namespace quindel {
namespace {

using test::patternBytes;
using test::readBytes;
using test::writeBytes;

constexpr int TableSize = 120;

struct Entry {
    std::string name;
    std::int32_t score = 0;
    bool operator==(const Entry&) const = default;
};

void PrintTo(const Entry& entry, std::ostream* out)
{
    *out << '"' << entry.name << "\" " << entry.score;
}
using Table = std::vector<Entry>;

void putScore(std::vector<unsigned char>& bytes, int index, std::int32_t score)
{
    const auto value = static_cast<std::uint32_t>(score);
    for (int b = 0; b < 4; ++b)
        bytes[88 + 4 * index + b] = static_cast<unsigned char>(value >> (8 * b));
}

std::vector<unsigned char> imageOf(const Table& entries)
{
    std::vector<unsigned char> bytes(TableSize, 0);
    for (int i = 0; i < 8; ++i) {
        std::memcpy(bytes.data() + 11 * i, entries[i].name.data(), entries[i].name.size());
        putScore(bytes, i, entries[i].score);
    }
    return bytes;
}

const Table Presets{{"KIVOR", 13}, {"TALEP", 11}, {"NONAME", 0}, {"NONAME", 0},
                    {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}};

// The presets as the first run leaves them on disk, spelled out byte by byte.
const std::vector<unsigned char> PresetFile{
    'K', 'I', 'V', 'O', 'R', 0, 0, 0, 0, 0, 0,
    'T', 'A', 'L', 'E', 'P', 0, 0, 0, 0, 0, 0,
    'N', 'O', 'N', 'A', 'M', 'E', 0, 0, 0, 0, 0,
    'N', 'O', 'N', 'A', 'M', 'E', 0, 0, 0, 0, 0,
    'N', 'O', 'N', 'A', 'M', 'E', 0, 0, 0, 0, 0,
    'N', 'O', 'N', 'A', 'M', 'E', 0, 0, 0, 0, 0,
    'N', 'O', 'N', 'A', 'M', 'E', 0, 0, 0, 0, 0,
    'N', 'O', 'N', 'A', 'M', 'E', 0, 0, 0, 0, 0,
    13, 0, 0, 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
};

Table tableOf(const HallOfFame& hall)
{
    Table entries;
    for (int i = 0; i < 8; ++i)
        entries.push_back({std::string(hall.nameView(i)), hall.scoreAt(i)});
    return entries;
}

std::string formatted(const HallOfFame& hall, int index)
{
    char buffer[HallOfFame::ScoreTextSize]{};
    hall.formatScore(index, buffer);
    return buffer;
}

class HallOfFameTest : public ::testing::Test {
protected:
    test::WorkingDirectory directory;
};

TEST_F(HallOfFameTest, FirstRunCreatesAnEmptyFileAndWritesThePresetsAtTheEnd)
{
    ASSERT_FALSE(std::filesystem::exists("highscore.dat"));
    {
        HallOfFame hall;
        EXPECT_EQ(tableOf(hall), Presets);
        EXPECT_EQ(hall.currentScore(), 0);
        ASSERT_TRUE(std::filesystem::is_regular_file("highscore.dat"));
        EXPECT_EQ(std::filesystem::file_size("highscore.dat"), 0u);
    }
    EXPECT_EQ(readBytes("highscore.dat"), PresetFile);
}

TEST_F(HallOfFameTest, FileOverlaysThePresetsAndASaveKeepsItsTail)
{
    ASSERT_EQ(imageOf(Presets), PresetFile);
    for (std::size_t size : {0u, 6u, 50u, 119u, 120u, 121u, 200u}) {
        SCOPED_TRACE(size);
        const std::vector<unsigned char> file = patternBytes(size, 7);
        writeBytes("highscore.dat", file);

        // Whatever the file holds replaces the leading bytes; the rest are presets.
        std::vector<unsigned char> expected = PresetFile;
        std::copy_n(file.begin(), std::min<std::size_t>(size, TableSize), expected.begin());
        {
            HallOfFame hall;
            for (int i = 0; i < 8; ++i) {
                EXPECT_EQ(std::memcmp(hall.nameAt(i), expected.data() + 11 * i, 11), 0) << i;
                const std::int32_t score = static_cast<std::int32_t>(
                    expected[88 + 4 * i] | expected[89 + 4 * i] << 8 | expected[90 + 4 * i] << 16 |
                    static_cast<std::uint32_t>(expected[91 + 4 * i]) << 24);
                EXPECT_EQ(hall.scoreAt(i), score) << i;
            }
        }
        // The save writes the 120 bytes at offset 0 and leaves anything beyond.
        if (size > TableSize)
            expected.insert(expected.end(), file.begin() + TableSize, file.end());
        EXPECT_EQ(readBytes("highscore.dat"), expected);
    }
}

TEST_F(HallOfFameTest, FiftyByteFileReplacesFourNamesAndSixBytesOfTheFifth)
{
    std::vector<unsigned char> file(50, 'Z');
    for (int i = 0; i < 4; ++i)
        file[11 * i + 10] = 0;
    writeBytes("highscore.dat", file);
    HallOfFame hall;
    EXPECT_EQ(tableOf(hall), (Table{{"ZZZZZZZZZZ", 13}, {"ZZZZZZZZZZ", 11}, {"ZZZZZZZZZZ", 0}, {"ZZZZZZZZZZ", 0},
                                    {"ZZZZZZ", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}}));
}

TEST_F(HallOfFameTest, AFileThatCannotBeOpenedLeavesThePresetsAndWritesNothing)
{
    // A folder by the file's name: unlike a read-only directory, that stops
    // root too, and the tests run as root in CI.
    std::filesystem::create_directory("highscore.dat");
    {
        HallOfFame hall;
        EXPECT_EQ(tableOf(hall), Presets);
        hall.insert("LATE", 50);
        EXPECT_EQ(hall.nameView(0), "LATE");
    }
    EXPECT_TRUE(std::filesystem::is_directory("highscore.dat"));
    EXPECT_TRUE(std::filesystem::is_empty("highscore.dat"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 1);
}

struct InsertCase {
    const char* title;
    Table start;
    std::string name;
    std::int32_t score;
    bool qualifies;
    Table expected;
};

const Table FiveAtTheBottom{{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"E", 50}, {"F", 40}, {"G", 30}, {"H", 5}};

const InsertCase InsertCases[]{
    {"zero never beats the presets", Presets, "NEW", 0, false, Presets},
    {"a negative score stays out", Presets, "NEW", -5, false, Presets},
    {"one enters below TALEP and the last NONAME falls off", Presets, "NEW", 1, true,
     {{"KIVOR", 13}, {"TALEP", 11}, {"NEW", 1}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}}},
    {"a tie goes below the entry already there", Presets, "NEW", 13, true,
     {{"KIVOR", 13}, {"NEW", 13}, {"TALEP", 11}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}}},
    {"a new best goes first", Presets, "TOP", 14, true,
     {{"TOP", 14}, {"KIVOR", 13}, {"TALEP", 11}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}}},
    {"twelve characters are cut to ten", Presets, "ABCDEFGHIJKL", 12, true,
     {{"KIVOR", 13}, {"ABCDEFGHIJ", 12}, {"TALEP", 11}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}}},
    {"an empty name is kept empty", Presets, "", 12, true,
     {{"KIVOR", 13}, {"", 12}, {"TALEP", 11}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}, {"NONAME", 0}}},
    {"equal to the eighth does not qualify", FiveAtTheBottom, "NEW", 5, false, FiveAtTheBottom},
    {"one above the eighth replaces it", FiveAtTheBottom, "NEW", 6, true,
     {{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"E", 50}, {"F", 40}, {"G", 30}, {"NEW", 6}}},
};

TEST_F(HallOfFameTest, InsertRanksAndSavesAtOnceWhenTheTableChanges)
{
    for (const InsertCase& c : InsertCases) {
        SCOPED_TRACE(c.title);
        const std::vector<unsigned char> before = imageOf(c.start);
        // A tail beyond the table must survive the save of an insert too.
        std::vector<unsigned char> file = before;
        file.insert(file.end(), {0xAA, 0xBB});
        writeBytes("highscore.dat", file);

        HallOfFame hall;
        EXPECT_EQ(hall.qualifies(c.score), c.qualifies);
        hall.insert(c.name, c.score);
        EXPECT_EQ(tableOf(hall), c.expected);

        // Saved before the run ends, so a crash now loses nothing.
        std::vector<unsigned char> onDisk = c.qualifies ? imageOf(c.expected) : before;
        onDisk.insert(onDisk.end(), {0xAA, 0xBB});
        EXPECT_EQ(readBytes("highscore.dat"), onDisk);
    }
}

TEST_F(HallOfFameTest, InsertDoesNotWriteAnUnchangedTable)
{
    const std::filesystem::path file = directory.path() / "scores.bin";
    HallOfFame hall{file};
    hall.insert("LOW", 0);
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    hall.insert("HIGH", 20);
    EXPECT_EQ(std::filesystem::file_size(file), 120u);
}

TEST_F(HallOfFameTest, FormatScoreWritesSignedDecimalWithinElevenBytes)
{
    struct Case {
        std::int32_t score;
        const char* text;
    };
    const Case cases[]{
        {0, "0"},
        {13, "13"},
        {2147483647, "2147483647"},
        {1000000000, "1000000000"},
        {-7, "-7"},
        {-999999999, "-999999999"},
        // Eleven characters do not fit beside the NUL; the last digit goes.
        {-1000000000, "-100000000"},
        {INT32_MIN, "-214748364"},
    };
    std::vector<unsigned char> file(TableSize, 0);
    for (int i = 0; i < 8; ++i)
        putScore(file, i, cases[i].score);
    writeBytes("highscore.dat", file);

    HallOfFame hall;
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(cases[i].score);
        EXPECT_EQ(hall.scoreAt(i), cases[i].score);
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        hall.formatScore(i, buffer);
        EXPECT_STREQ(buffer, cases[i].text);
        EXPECT_EQ(std::string(buffer + 11, 5), "#####");
    }
    // Out of range the score reads as -1.
    EXPECT_EQ(formatted(hall, 8), "-1");
}

TEST_F(HallOfFameTest, NameSlotsWithoutANulAreReadAndMovedWithinTheirBytes)
{
    std::vector<unsigned char> file = imageOf(Presets);
    std::fill_n(file.begin(), 88, 'X');
    writeBytes("highscore.dat", file);

    HallOfFame hall;
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(hall.nameView(i), std::string(11, 'X')) << i;
    hall.insert("NEW", 12);
    EXPECT_EQ(hall.nameView(0), std::string(11, 'X'));
    EXPECT_EQ(hall.nameView(1), "NEW");
    // A moved entry is rewritten as a proper name: ten bytes and its NUL.
    for (int i = 2; i < 8; ++i) {
        EXPECT_EQ(hall.nameView(i), std::string(10, 'X')) << i;
        EXPECT_EQ(hall.nameAt(i)[10], '\0') << i;
    }
}

TEST_F(HallOfFameTest, IndexesOutsideTheTable)
{
    HallOfFame hall;
    for (int index : {-1, 8, INT_MIN, INT_MAX}) {
        EXPECT_EQ(hall.nameAt(index), nullptr) << index;
        EXPECT_TRUE(hall.nameView(index).empty()) << index;
        EXPECT_EQ(hall.scoreAt(index), -1) << index;
    }
}

TEST_F(HallOfFameTest, RunningScoreAddsAndSaturates)
{
    struct Case {
        std::int32_t start;
        std::int32_t points;
        std::int32_t expected;
    };
    const Case cases[]{
        {0, 5, 5},
        {-5, 10, 5},
        {INT32_MAX - 1, 5, INT32_MAX},
        {INT32_MAX, INT32_MAX, INT32_MAX},
        {INT32_MIN + 1, -5, INT32_MIN},
        {INT32_MIN, INT32_MAX, -1},
    };
    HallOfFame hall;
    for (const Case& c : cases) {
        hall.setScore(c.start);
        hall.addScore(c.points);
        EXPECT_EQ(hall.currentScore(), c.expected) << c.start << " + " << c.points;
    }
}

}  // namespace
}  // namespace quindel
