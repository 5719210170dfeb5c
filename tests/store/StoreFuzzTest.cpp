#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "WorkingDirectory.h"
#include "store/HallOfFame.h"
#include "store/KeyBindings.h"

namespace quindel {
namespace {

using test::readBytes;
using test::writeBytes;

// Foreign data files of any length and content: names without a NUL, negative
// and extreme scores, codes no key sends. Run under the sanitizer build, an
// overrun of a slot or a buffer is a failure even where the checks below pass.
class StoreFuzzTest : public ::testing::TestWithParam<std::uint32_t> {
protected:
    std::vector<unsigned char> randomBytes(std::size_t maxLength)
    {
        std::vector<unsigned char> bytes(std::uniform_int_distribution<std::size_t>(0, maxLength)(random));
        // Some files are mostly extreme bytes, so negative scores and missing
        // NULs turn up often.
        const bool extreme = random() % 2 == 0;
        for (auto& byte : bytes)
            byte = extreme && random() % 4 != 0 ? (random() % 2 ? 0xFF : 0x80) : static_cast<unsigned char>(random());
        return bytes;
    }

    std::string randomName()
    {
        const std::vector<unsigned char> bytes = randomBytes(16);
        return {bytes.begin(), bytes.end()};
    }

    test::WorkingDirectory directory;
    std::mt19937 random{GetParam()};
};

void expectTail(const std::vector<unsigned char>& before, const std::vector<unsigned char>& after, std::size_t imageSize)
{
    ASSERT_EQ(after.size(), std::max(before.size(), imageSize));
    if (before.size() > imageSize) {
        EXPECT_TRUE(std::equal(before.begin() + static_cast<std::ptrdiff_t>(imageSize), before.end(),
                               after.begin() + static_cast<std::ptrdiff_t>(imageSize)));
    }
}

TEST_P(StoreFuzzTest, RandomHighscoreFilesAreReadFormattedRankedAndSaved)
{
    for (int round = 0; round < 100; ++round) {
        const std::vector<unsigned char> before = randomBytes(300);
        writeBytes("highscore.dat", before);
        {
            HallOfFame hall;
            for (int i = 0; i < HallOfFame::EntryCount; ++i) {
                EXPECT_LE(hall.nameView(i).size(), 11u);
                // Exactly the eleven bytes the rule promises, on the heap so
                // the address sanitizer sees the smallest overrun.
                const auto buffer = std::make_unique<char[]>(HallOfFame::ScoreTextSize);
                hall.formatScore(i, buffer.get());
                const std::string text = buffer.get();
                const std::string full = std::to_string(hall.scoreAt(i));
                EXPECT_EQ(text, full.substr(0, 10));
            }
            const std::int32_t score = static_cast<std::int32_t>(random());
            const bool qualifies = hall.qualifies(score);
            hall.insert(randomName(), score);
            bool found = false;
            for (int i = 0; i < HallOfFame::EntryCount; ++i)
                found = found || hall.scoreAt(i) == score;
            if (qualifies) {
                EXPECT_TRUE(found);
            }
            hall.addScore(score);
            hall.addScore(score);
        }
        expectTail(before, readBytes("highscore.dat"), HallOfFame::TableSize);

        // What was saved reads back the same.
        HallOfFame again;
        const std::vector<unsigned char> saved = readBytes("highscore.dat");
        for (int i = 0; i < HallOfFame::EntryCount; ++i)
            EXPECT_EQ(std::memcmp(saved.data() + 11 * i, again.nameAt(i), 11), 0);
    }
}

TEST_P(StoreFuzzTest, RandomSettingsFilesAreReadBoundAndSaved)
{
    for (int round = 0; round < 100; ++round) {
        const std::vector<unsigned char> before = randomBytes(300);
        writeBytes("settings.dat", before);
        std::array<std::int32_t, 6> codes{};
        {
            KeyBindings keys;
            for (int k = 0; k < 8; ++k)
                keys.bindByName(static_cast<KeySlot>(700 + static_cast<int>(random() % 8)), randomName());
            for (int k = 0; k < 6; ++k)
                codes[static_cast<std::size_t>(k)] = keys.keyFor(static_cast<KeySlot>(701 + k));
            keys.save();
        }
        expectTail(before, readBytes("settings.dat"), KeyBindings::TableSize);
        KeyBindings again;
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(again.keyFor(static_cast<KeySlot>(701 + k)), codes[static_cast<std::size_t>(k)]);
    }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, StoreFuzzTest, ::testing::Values(1u, 2u, 3u, 20261208u));

}  // namespace
}  // namespace quindel
