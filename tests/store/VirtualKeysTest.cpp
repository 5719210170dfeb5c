#include "store/VirtualKeys.h"

#include <gtest/gtest.h>

namespace quindel {
namespace {

TEST(VirtualKeys, LettersAreTheirKeysAndCapitalsNeedShift)
{
    for (char c = 'a'; c <= 'z'; ++c) {
        EXPECT_EQ(vkKeyScan(c), 65 + (c - 'a')) << c;
        EXPECT_EQ(vkKeyScan(static_cast<char>(c - 'a' + 'A')), 0x100 | (65 + (c - 'a'))) << c;
    }
}

TEST(VirtualKeys, OtherCharacters)
{
    struct Case {
        char character;
        std::int16_t expected;
    };
    const Case cases[]{
        {'0', 48}, {'9', 57}, {' ', 32}, {'\t', 9}, {'\r', 13},
        {'!', 0x131}, {')', 0x130}, {';', 0xBA}, {':', 0x1BA}, {'/', 0xBF}, {'?', 0x1BF},
        // Nothing on the layout types these.
        {'\0', -1}, {'\x7F', -1}, {'\x80', -1}, {'\xE9', -1}, {'\xFF', -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(vkKeyScan(c.character), c.expected) << static_cast<int>(static_cast<unsigned char>(c.character));
}

}  // namespace
}  // namespace quindel
