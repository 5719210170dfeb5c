#include "store/HallOfFame.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <ostream>

#include <gtest/gtest.h>

#include "StoreBytes.h"

namespace quindel {
namespace {

using test::Bytes;
using test::readBytes;
using test::writeBytes;

struct Entry {
    std::string name;
    std::int32_t score = 0;
    bool operator==(const Entry&) const = default;
};
using Table = std::vector<Entry>;

void PrintTo(const Entry& entry, std::ostream* out)
{
    *out << '"' << entry.name << "\" " << entry.score;
}

// The leading entries as given, the rest NONAME 0 as in the presets.
Table table(Table top)
{
    top.resize(8, {"NONAME", 0});
    return top;
}

const Table Presets = table({{"KIVOR", 13}, {"TALEP", 11}});

// The first run's file, spelled out byte by byte.
const Bytes PresetFile{
    'K', 'I', 'V', 'O', 'R', 0,   0,   0,   0,   0,   0,   'T', 'A', 'L', 'E', 'P', 0,  0, 0,   0,   0,   0,   'N', 'O',
    'N', 'A', 'M', 'E', 0,   0,   0,   0,   0,   'N', 'O', 'N', 'A', 'M', 'E', 0,   0,  0, 0,   0,   'N', 'O', 'N', 'A',
    'M', 'E', 0,   0,   0,   0,   0,   'N', 'O', 'N', 'A', 'M', 'E', 0,   0,   0,   0,  0, 'N', 'O', 'N', 'A', 'M', 'E',
    0,   0,   0,   0,   0,   'N', 'O', 'N', 'A', 'M', 'E', 0,   0,   0,   0,   0,   13, 0, 0,   0,   11,  0,   0,   0,
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,  0, 0,   0,   0,   0,   0,   0,
};

Bytes imageOf(const Table& entries)
{
    Bytes bytes(120, 0);
    for (std::size_t i = 0; i < 8; ++i) {
        std::copy(entries[i].name.begin(), entries[i].name.end(), bytes.begin() + 11 * i);
        test::putInt32LE(bytes, 88 + 4 * i, entries[i].score);
    }
    return bytes;
}

Table tableOf(const HallOfFame& hall)
{
    Table entries;
    for (int i = 0; i < 8; ++i)
        entries.push_back({std::string(hall.nameView(i)), hall.scoreAt(i)});
    return entries;
}

class HallOfFameTest : public ::testing::Test {
protected:
    test::WorkingDirectory directory;
};

TEST_F(HallOfFameTest, FirstRunCreatesAnEmptyFileAndWritesThePresetsAtTheEnd)
{
    {
        HallOfFame hall;
        EXPECT_EQ(tableOf(hall), Presets);
        EXPECT_EQ(readBytes("highscore.dat").size(), 0u);
        ASSERT_TRUE(std::filesystem::is_regular_file("highscore.dat"));
    }
    EXPECT_EQ(readBytes("highscore.dat"), PresetFile);
}

TEST_F(HallOfFameTest, FileOverlaysThePresetsAndASaveKeepsItsTail)
{
    for (std::size_t size : {6u, 50u, 120u, 200u}) {
        SCOPED_TRACE(size);
        const Bytes file = test::patternBytes(size, 7);
        writeBytes("highscore.dat", file);
        Bytes expected = PresetFile;
        std::copy_n(file.begin(), std::min<std::size_t>(size, 120), expected.begin());
        {
            HallOfFame hall;
            // 50 bytes: four names and the first six bytes of the fifth.
            EXPECT_EQ(std::memcmp(hall.nameAt(4), expected.data() + 44, 11), 0);
            EXPECT_EQ(hall.scoreAt(0), size >= 92 ? 0x6261605F : 13);
        }
        if (size > 120)
            expected.insert(expected.end(), file.begin() + 120, file.end());
        EXPECT_EQ(readBytes("highscore.dat"), expected);
    }
}

TEST_F(HallOfFameTest, AFileThatCannotBeOpenedLeavesThePresetsAndWritesNothing)
{
    // A folder by the file's name: a read-only directory would not stop root,
    // and the tests run as root in CI.
    std::filesystem::create_directory("highscore.dat");
    testing::internal::CaptureStderr();
    {
        HallOfFame hall;
        EXPECT_EQ(tableOf(hall), Presets);
        // Results that cannot be saved stay for the rest of the run, once each.
        hall.insert("LATE", 50);
        hall.insert("LATER", 12);
        hall.insert("LOW", 0);
        EXPECT_EQ(tableOf(hall), table({{"LATE", 50}, {"KIVOR", 13}, {"LATER", 12}, {"TALEP", 11}}));
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "quindel: cannot write highscore.dat (Is a directory): new results will not be saved\n");
    EXPECT_TRUE(std::filesystem::is_empty("highscore.dat"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), std::filesystem::directory_iterator()), 1);
}

TEST_F(HallOfFameTest, InsertRanksAndSavesAtOnceWhenTheTableChanges)
{
    const Table bottomFive{{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"E", 50}, {"F", 40}, {"G", 30}, {"H", 5}};
    struct Case {
        Table start;
        std::string name;
        std::int32_t score;
        bool qualifies;
        Table expected;
    };
    const Case cases[]{
        {Presets, "NEW", 0, false, Presets},
        {Presets, "NEW", -5, false, Presets},
        {Presets, "NEW", 1, true, table({{"KIVOR", 13}, {"TALEP", 11}, {"NEW", 1}})},
        {Presets, "NEW", 13, true, table({{"KIVOR", 13}, {"NEW", 13}, {"TALEP", 11}})},
        {Presets, "TOP", 14, true, table({{"TOP", 14}, {"KIVOR", 13}, {"TALEP", 11}})},
        {Presets, "ABCDEFGHIJKL", 12, true, table({{"KIVOR", 13}, {"ABCDEFGHIJ", 12}, {"TALEP", 11}})},
        {Presets, "", 12, true, table({{"KIVOR", 13}, {"", 12}, {"TALEP", 11}})},
        {bottomFive, "NEW", 5, false, bottomFive},
        {bottomFive,
         "NEW",
         6,
         true,
         {{"A", 90}, {"B", 80}, {"C", 70}, {"D", 60}, {"E", 50}, {"F", 40}, {"G", 30}, {"NEW", 6}}},
    };
    const Bytes tail{0xAA, 0xBB};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + " " + std::to_string(c.score));
        Bytes file = imageOf(c.start);
        file.insert(file.end(), tail.begin(), tail.end());
        writeBytes("highscore.dat", file);

        HallOfFame hall;
        EXPECT_EQ(hall.qualifies(c.score), c.qualifies);
        hall.insert(c.name, c.score);
        EXPECT_EQ(tableOf(hall), c.expected);
        // On disk before the run ends, so a crash now loses nothing.
        Bytes onDisk = imageOf(c.expected);
        onDisk.insert(onDisk.end(), tail.begin(), tail.end());
        EXPECT_EQ(readBytes("highscore.dat"), onDisk);
    }
}

TEST_F(HallOfFameTest, FormatScoreWritesSignedDecimalWithinElevenBytes)
{
    const std::pair<std::int32_t, const char*> cases[]{
        {0, "0"},
        {13, "13"},
        {2147483647, "2147483647"},
        {1000000000, "1000000000"},
        {-7, "-7"},
        {-999999999, "-999999999"},
        // Eleven characters do not fit beside the NUL: the last digit goes.
        {-1000000000, "-100000000"},
        {INT32_MIN, "-214748364"},
    };
    Bytes file(120, 0);
    for (std::size_t i = 0; i < 8; ++i)
        test::putInt32LE(file, 88 + 4 * i, cases[i].first);
    writeBytes("highscore.dat", file);

    HallOfFame hall;
    for (int i = 0; i < 9; ++i) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        hall.formatScore(i, buffer);
        // Out of range the score reads as -1.
        EXPECT_STREQ(buffer, i < 8 ? cases[i].second : "-1");
        EXPECT_EQ(std::string(buffer + 11, 5), "#####");
    }
}

TEST_F(HallOfFameTest, NameSlotsWithoutANulStayWithinTheirBytes)
{
    Bytes file = PresetFile;
    std::fill_n(file.begin(), 88, 'X');
    writeBytes("highscore.dat", file);

    HallOfFame hall;
    EXPECT_EQ(hall.nameView(7), std::string(11, 'X'));
    hall.insert("NEW", 12);
    EXPECT_EQ(hall.nameView(0), std::string(11, 'X'));
    EXPECT_EQ(hall.nameView(1), "NEW");
    // An entry that moves down is rewritten as ten characters and the NUL.
    for (int i = 2; i < 8; ++i)
        EXPECT_EQ(std::string(hall.nameAt(i), 11), std::string(10, 'X') + '\0') << i;
    for (int index : {-1, 8, INT_MIN}) {
        EXPECT_EQ(hall.nameAt(index), nullptr);
        EXPECT_TRUE(hall.nameView(index).empty());
        EXPECT_EQ(hall.scoreAt(index), -1);
    }
}

TEST_F(HallOfFameTest, RunningScoreAddsAndSaturates)
{
    const std::int32_t cases[][3]{
        {0, 5, 5},
        {INT32_MAX - 1, 5, INT32_MAX},
        {INT32_MAX, INT32_MAX, INT32_MAX},
        {INT32_MIN + 1, -5, INT32_MIN},
        {INT32_MIN, INT32_MAX, -1},
    };
    HallOfFame hall;
    for (const auto& [start, points, expected] : cases) {
        hall.setScore(start);
        hall.addScore(points);
        EXPECT_EQ(hall.currentScore(), expected) << start << " + " << points;
    }
}

}  // namespace
}  // namespace quindel
