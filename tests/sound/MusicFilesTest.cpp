#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "AudioTestSupport.h"

namespace quindel {
namespace {

std::vector<unsigned char> contentsOf(const std::string& name)
{
    std::ifstream in(test::musicDir() / name, std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

unsigned little16(const std::vector<unsigned char>& b, std::size_t at)
{
    return b.at(at) | (b.at(at + 1) << 8);
}

// The samples are plain 16-bit PCM waves, which every mixer reads.
TEST(MusicFilesTest, SamplesAreSixteenBitPcmWaves)
{
    for (const char* name : {"KPRLOTOM.wav", "sorry.wav", "click.wav", "laser.wav"}) {
        const std::vector<unsigned char> b = contentsOf(name);
        ASSERT_GT(b.size(), 44u) << name;
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF") << name;
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << name;
        EXPECT_EQ(little16(b, 20), 1u) << name << " is not PCM";
        EXPECT_EQ(little16(b, 34), 16u) << name << " is not 16-bit";
    }
}

// Four-channel ProTracker modules: the "M.K." mark after the 31 sample
// headers and the order list.
TEST(MusicFilesTest, SongsAreFourChannelProTrackerModules)
{
    for (const char* name : {"pippirul.mod", "century.mod", "arkanoid.mod", "beingboi.mod", "cockatoo.mod"}) {
        const std::vector<unsigned char> b = contentsOf(name);
        ASSERT_GT(b.size(), 1084u) << name;
        EXPECT_EQ(std::string(b.begin() + 1080, b.begin() + 1084), "M.K.") << name;
    }
}

}  // namespace
}  // namespace quindel
