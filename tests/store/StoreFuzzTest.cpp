#include <algorithm>
#include <cstring>
#include <memory>
#include <random>

#include <gtest/gtest.h>

#include "StoreBytes.h"
#include "store/HallOfFame.h"
#include "store/KeyBindings.h"

namespace quindel {
namespace {

using test::Bytes;
using test::readBytes;

// Foreign data files of any length and content: names without a NUL, negative
// and extreme scores, codes no key sends. Under the sanitizer build any overrun
// of a slot or a buffer fails even where the checks here would pass.
class StoreFuzzTest : public ::testing::TestWithParam<std::uint32_t> {
protected:
    Bytes randomBytes(std::size_t maxLength)
    {
        Bytes bytes(std::uniform_int_distribution<std::size_t>(0, maxLength)(random));
        // Half the files are mostly 0xFF and 0x80, so negative scores and
        // missing NULs turn up often.
        const bool extreme = random() % 2 == 0;
        for (auto& byte : bytes)
            byte = static_cast<unsigned char>(extreme && random() % 4 != 0 ? (random() % 2 ? 0xFF : 0x80) : random());
        return bytes;
    }
    std::string randomName()
    {
        const Bytes bytes = randomBytes(16);
        return {bytes.begin(), bytes.end()};
    }
    // The file now is `before` with its first imageSize bytes replaced.
    static void expectTailKept(const Bytes& before, const char* file, std::size_t imageSize)
    {
        const Bytes after = readBytes(file);
        ASSERT_EQ(after.size(), std::max(before.size(), imageSize));
        EXPECT_TRUE(before.size() <= imageSize
                    || std::equal(before.begin() + imageSize, before.end(), after.begin() + imageSize));
    }

    test::WorkingDirectory directory;
    std::mt19937 random{GetParam()};
};

TEST_P(StoreFuzzTest, RandomHighscoreFilesAreReadFormattedRankedAndSaved)
{
    for (int round = 0; round < 100; ++round) {
        const Bytes before = randomBytes(300);
        test::writeBytes("highscore.dat", before);
        {
            HallOfFame hall;
            for (int i = 0; i < 8; ++i) {
                EXPECT_LE(hall.nameView(i).size(), 11u);
                // Exactly eleven bytes, on the heap, where the sanitizer sees
                // the smallest overrun.
                const auto buffer = std::make_unique<char[]>(11);
                hall.formatScore(i, buffer.get());
                EXPECT_EQ(buffer.get(), std::to_string(hall.scoreAt(i)).substr(0, 10));
            }
            const auto score = static_cast<std::int32_t>(random());
            const bool qualifies = hall.qualifies(score);
            hall.insert(randomName(), score);
            bool found = false;
            for (int i = 0; i < 8; ++i)
                found = found || hall.scoreAt(i) == score;
            EXPECT_TRUE(found || !qualifies);
            hall.addScore(score);
            hall.addScore(score);
        }
        expectTailKept(before, "highscore.dat", 120);
        const Bytes saved = readBytes("highscore.dat");
        HallOfFame again;
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(std::memcmp(saved.data() + 11 * i, again.nameAt(i), 11), 0);
    }
}

TEST_P(StoreFuzzTest, RandomSettingsFilesAreReadBoundAndSaved)
{
    for (int round = 0; round < 100; ++round) {
        const Bytes before = randomBytes(300);
        test::writeBytes("settings.dat", before);
        std::array<std::int32_t, 6> codes{};
        {
            KeyBindings keys;
            for (int k = 0; k < 8; ++k)
                keys.bindByName(static_cast<KeySlot>(700 + static_cast<int>(random() % 8)), randomName());
            for (int k = 0; k < 6; ++k)
                codes[static_cast<std::size_t>(k)] = keys.keyFor(static_cast<KeySlot>(701 + k));
            keys.save();
        }
        expectTailKept(before, "settings.dat", 24);
        KeyBindings again;
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(again.keyFor(static_cast<KeySlot>(701 + k)), codes[static_cast<std::size_t>(k)]);
    }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, StoreFuzzTest, ::testing::Values(1u, 2u, 3u, 20261208u));

}  // namespace
}  // namespace quindel
