#include "store/KeyBindings.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "StoreBytes.h"
#include "store/VirtualKeys.h"

namespace quindel {
namespace {

using test::Bytes;
using test::readBytes;
using test::writeBytes;

using Codes = std::array<std::int32_t, 6>;
// Arrow left, arrow right, arrow down, arrow up, space, Pause.
constexpr Codes Defaults{37, 39, 40, 38, 32, 19};

Codes codesOf(const KeyBindings& keys)
{
    Codes codes{};
    for (int i = 0; i < 6; ++i)
        codes[static_cast<std::size_t>(i)] = keys.keyFor(static_cast<KeySlot>(701 + i));
    return codes;
}

Bytes fileOf(const Codes& codes)
{
    Bytes bytes(24);
    for (std::size_t i = 0; i < 6; ++i)
        test::putInt32LE(bytes, 4 * i, codes[i]);
    return bytes;
}

class KeyBindingsTest : public ::testing::Test {
protected:
    test::WorkingDirectory directory;
};

TEST_F(KeyBindingsTest, FirstRunUsesTheDefaultsAndLeavesAnEmptyFile)
{
    {
        KeyBindings keys;
        EXPECT_EQ(codesOf(keys), Defaults);
    }
    ASSERT_TRUE(std::filesystem::is_regular_file("settings.dat"));
    EXPECT_EQ(std::filesystem::file_size("settings.dat"), 0u);
}

TEST_F(KeyBindingsTest, FileOverlaysTheDefaultsByteByByteAndASaveKeepsItsTail)
{
    // Six bytes: MoveLeft and the two low bytes of MoveRight.
    writeBytes("settings.dat", {'A', 0, 0, 0, 0x34, 0x12});
    EXPECT_EQ(codesOf(KeyBindings{}), (Codes{65, 0x1234, 40, 38, 32, 19}));

    const Bytes file = test::patternBytes(30, 0x41);
    writeBytes("settings.dat", file);
    KeyBindings keys;
    EXPECT_EQ(fileOf(codesOf(keys)), Bytes(file.begin(), file.begin() + 24));
    keys.bindByName(KeySlot::MoveLeft, "LEFT");
    keys.save();
    Bytes expected = file;
    test::putInt32LE(expected, 0, 37);
    EXPECT_EQ(readBytes("settings.dat"), expected);
}

TEST_F(KeyBindingsTest, BindByName)
{
    const std::tuple<const char*, KeySlot, std::int32_t> cases[]{
        {"LEFT", KeySlot::DropPill, 37},
        {"left", KeySlot::DropPill, 37},
        {"LeFt", KeySlot::DropPill, 37},
        {"ctrl", KeySlot::Pause, 17},
        {"Tab", KeySlot::MoveLeft, 9},
        {"pause", KeySlot::TurnLeft, 19},
        {"a", KeySlot::MoveLeft, 65},
        {"x", KeySlot::DropPill, 88},
        {"z", KeySlot::Pause, 90},
        // Unknown names of two or more characters change nothing.
        {"F1", KeySlot::DropPill, 32},
        {"LEFTX", KeySlot::MoveLeft, 37},
        {"", KeySlot::MoveLeft, 37},
        // No key types it: -1, which no key press matches.
        {"\xE9", KeySlot::DropPill, -1},
    };
    for (const auto& [name, slot, code] : cases) {
        KeyBindings keys;
        keys.bindByName(slot, name);
        Codes expected = Defaults;
        expected[static_cast<std::size_t>(static_cast<int>(slot) - 701)] = code;
        EXPECT_EQ(codesOf(keys), expected) << name;
    }
    // Slots outside the six are ignored and read as -1.
    KeyBindings keys;
    for (int code : {0, 700, 707}) {
        keys.bindByName(static_cast<KeySlot>(code), "x");
        EXPECT_EQ(keys.keyFor(static_cast<KeySlot>(code)), -1);
    }
    EXPECT_EQ(codesOf(keys), Defaults);
}

TEST_F(KeyBindingsTest, AConfirmedKeySetIsReadByTheNextRun)
{
    {
        KeyBindings keys;
        // The key options dialog's order; two slots may share a key.
        for (const auto& [slot, name] : {std::pair{KeySlot::MoveLeft, "a"},
                                         {KeySlot::MoveRight, "d"},
                                         {KeySlot::TurnLeft, "DOWN"},
                                         {KeySlot::TurnRight, "a"},
                                         {KeySlot::DropPill, "x"},
                                         {KeySlot::Pause, "CTRL"}})
            keys.bindByName(slot, name);
        keys.save();
    }
    const Codes chosen{65, 68, 40, 65, 88, 17};
    EXPECT_EQ(readBytes("settings.dat"), fileOf(chosen));
    EXPECT_EQ(codesOf(KeyBindings{}), chosen);
}

TEST_F(KeyBindingsTest, AFileThatCannotBeOpenedKeepsNewKeysForThisRunOnly)
{
    // A folder by the file's name stops root as well as anyone.
    std::filesystem::create_directory("settings.dat");
    testing::internal::CaptureStderr();
    KeyBindings keys;
    EXPECT_EQ(codesOf(keys), Defaults);
    keys.bindByName(KeySlot::DropPill, "x");
    keys.save();
    keys.save();
    EXPECT_EQ(keys.keyFor(KeySlot::DropPill), 88);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "quindel: cannot write settings.dat (Is a directory): key changes will not be saved\n");
    EXPECT_TRUE(std::filesystem::is_empty("settings.dat"));
}

TEST(VirtualKeys, CharactersToTheKeysThatTypeThem)
{
    for (char c = 'a'; c <= 'z'; ++c) {
        EXPECT_EQ(vkKeyScan(c), 65 + (c - 'a')) << c;
        EXPECT_EQ(vkKeyScan(static_cast<char>(c - 'a' + 'A')), 0x100 | (65 + (c - 'a'))) << c;
    }
    const std::pair<char, std::int16_t> cases[]{
        {'0', 48},    {'9', 57},  {' ', 32},    {'\t', 9},    {'!', 0x131}, {';', 0xBA},
        {':', 0x1BA}, {'\0', -1}, {'\x7F', -1}, {'\x80', -1}, {'\xFF', -1},
    };
    for (const auto& [character, code] : cases)
        EXPECT_EQ(vkKeyScan(character), code) << int{static_cast<unsigned char>(character)};
}

}  // namespace
}  // namespace quindel
