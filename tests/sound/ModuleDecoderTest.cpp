#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "AudioTestSupport.h"
#include "sound/ModuleDecoder.h"

namespace quindel {
namespace {

constexpr int Rate = 44100;

// Loudness of each whole second decoded, as RMS of the stereo samples.
std::vector<double> secondsOf(ModuleDecoder& decoder, int seconds)
{
    std::vector<double> levels;
    std::vector<std::int16_t> buffer(2 * Rate);
    for (int s = 0; s < seconds; ++s) {
        decoder.render(buffer, 2, Rate);
        levels.push_back(test::rms(buffer));
    }
    return levels;
}

std::vector<std::byte> bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<char> chars((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::byte> bytes(chars.size());
    std::memcpy(bytes.data(), chars.data(), chars.size());
    return bytes;
}

struct SongCase {
    const char* file;
    double minimumLoop;
    double maximumLoop;
};

void PrintTo(const SongCase& c, std::ostream* out)
{
    *out << c.file;
}

class SongLengthTest : public ::testing::TestWithParam<SongCase> {};

// Level songs last at least 90 s before they repeat, the title 40 s, and no
// second is silent from the start through the seam where they go round, so
// the loop leaves no gap. The jingle is short and then keeps a quiet vamp going.
TEST_P(SongLengthTest, KeepsSoundingThroughItsLoop)
{
    const SongCase c = GetParam();
    auto decoder = ModuleDecoder::fromFile((test::musicDir() / c.file).string());
    ASSERT_NE(decoder, nullptr);
    EXPECT_GE(decoder->loopSeconds(), c.minimumLoop);
    EXPECT_LE(decoder->loopSeconds(), c.maximumLoop);

    const int seconds = std::max(42, static_cast<int>(std::ceil(decoder->loopSeconds())) + 3);
    const std::vector<double> levels = secondsOf(*decoder, seconds);
    for (std::size_t s = 0; s < levels.size(); ++s) {
        EXPECT_GT(levels[s], 150.0) << c.file << " is silent in second " << s;
    }
}

INSTANTIATE_TEST_SUITE_P(TheGamesSongs, SongLengthTest,
                         ::testing::Values(SongCase{"pippirul.mod", 90, 150}, SongCase{"century.mod", 90, 150},
                                           SongCase{"arkanoid.mod", 90, 150}, SongCase{"beingboi.mod", 40, 90},
                                           SongCase{"cockatoo.mod", 3, 20}),
                         [](const auto& info) {
                             std::string name = info.param.file;
                             return name.substr(0, name.find('.'));
                         });

TEST(ModuleDecoderTest, RejectsWhatIsNotAModule)
{
    const std::vector<std::byte> module = bytesOf(test::musicDir() / "century.mod");
    std::vector<std::byte> noise(4096);
    std::uint32_t state = 12345;
    for (std::byte& b : noise) {
        state = state * 1103515245u + 12345u;
        b = static_cast<std::byte>(state >> 24);
    }
    struct Case {
        const char* what;
        std::vector<std::byte> data;
    };
    const Case cases[] = {
        {"nothing", {}},
        {"random bytes", noise},
        {"a header cut short", std::vector<std::byte>(module.begin(), module.begin() + 600)},
        {"a wave file", bytesOf(test::musicDir() / "sorry.wav")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ModuleDecoder::fromMemory(c.data), nullptr) << c.what;
    }
    EXPECT_EQ(ModuleDecoder::fromFile((test::musicDir() / "no-such.mod").string()), nullptr);
}

// A device may open with one channel or with more than two.
TEST(ModuleDecoderTest, FillsEveryFrameForAnyChannelCount)
{
    for (int channels : {1, 2, 4, 6}) {
        auto decoder = ModuleDecoder::fromFile((test::musicDir() / "arkanoid.mod").string());
        ASSERT_NE(decoder, nullptr);
        std::vector<std::int16_t> buffer(static_cast<std::size_t>(channels) * Rate, 0x5555);
        decoder->render(buffer, channels, Rate);
        double front = 0.0;
        for (std::size_t f = 0; f < buffer.size(); f += static_cast<std::size_t>(channels)) {
            front += std::abs(buffer[f]);
            for (int extra = 2; extra < channels; ++extra) {
                ASSERT_EQ(buffer[f + static_cast<std::size_t>(extra)], 0) << channels << " channels";
            }
        }
        EXPECT_GT(front / Rate, 50.0) << channels << " channels";
    }
}

}  // namespace
}  // namespace quindel
