#include "store/KeyBindings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

#include <gtest/gtest.h>

#include "WorkingDirectory.h"

namespace quindel {
namespace {

using test::patternBytes;
using test::readBytes;
using test::writeBytes;

constexpr std::array<KeySlot, 6> Slots{KeySlot::MoveLeft, KeySlot::MoveRight, KeySlot::TurnLeft,
                                       KeySlot::TurnRight, KeySlot::DropPill, KeySlot::Pause};
using Codes = std::array<std::int32_t, 6>;
// Arrow left, arrow right, arrow down, arrow up, space, Pause.
constexpr Codes Defaults{37, 39, 40, 38, 32, 19};

Codes codesOf(const KeyBindings& keys)
{
    Codes codes{};
    for (std::size_t i = 0; i < Slots.size(); ++i)
        codes[i] = keys.keyFor(Slots[i]);
    return codes;
}

std::vector<unsigned char> fileOf(const Codes& codes)
{
    std::vector<unsigned char> bytes;
    for (std::int32_t code : codes) {
        const auto value = static_cast<std::uint32_t>(code);
        for (int b = 0; b < 4; ++b)
            bytes.push_back(static_cast<unsigned char>(value >> (8 * b)));
    }
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
    // Nothing but a confirmed key options dialog writes the file.
    ASSERT_TRUE(std::filesystem::is_regular_file("settings.dat"));
    EXPECT_EQ(std::filesystem::file_size("settings.dat"), 0u);
}

TEST_F(KeyBindingsTest, FileOverlaysTheDefaultsByteByByteAndASaveKeepsItsTail)
{
    for (std::size_t size : {0u, 1u, 6u, 23u, 24u, 30u}) {
        SCOPED_TRACE(size);
        const std::vector<unsigned char> file = patternBytes(size, 0x41);
        writeBytes("settings.dat", file);
        std::vector<unsigned char> expected = fileOf(Defaults);
        std::copy_n(file.begin(), std::min<std::size_t>(size, 24), expected.begin());

        KeyBindings keys;
        EXPECT_EQ(fileOf(codesOf(keys)), expected);
        keys.save();
        if (size > 24)
            expected.insert(expected.end(), file.begin() + 24, file.end());
        EXPECT_EQ(readBytes("settings.dat"), expected);
    }
}

TEST_F(KeyBindingsTest, SixByteFileReplacesMoveLeftAndTheLowHalfOfMoveRight)
{
    writeBytes("settings.dat", {'A', 0, 0, 0, 0x34, 0x12});
    KeyBindings keys;
    EXPECT_EQ(codesOf(keys), (Codes{65, 0x1234, 40, 38, 32, 19}));
}

TEST_F(KeyBindingsTest, BindByName)
{
    struct Case {
        const char* name;
        KeySlot slot;
        std::int32_t expected;  // the slot's code afterwards
    };
    const Case cases[]{
        {"LEFT", KeySlot::DropPill, 37},
        {"left", KeySlot::DropPill, 37},
        {"LeFt", KeySlot::DropPill, 37},
        {"ctrl", KeySlot::Pause, 17},
        {"Tab", KeySlot::MoveLeft, 9},
        {"pause", KeySlot::TurnLeft, 19},
        {"up", KeySlot::TurnLeft, 38},
        {"a", KeySlot::MoveLeft, 65},
        {"x", KeySlot::DropPill, 88},
        {"z", KeySlot::Pause, 90},
        // Unknown names of two or more characters change nothing.
        {"F1", KeySlot::DropPill, 32},
        {"LEFTX", KeySlot::MoveLeft, 37},
        {"", KeySlot::MoveLeft, 37},
        // No key types it: stored as -1, which no key press matches.
        {"\xE9", KeySlot::DropPill, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        KeyBindings keys;
        keys.bindByName(c.slot, c.name);
        Codes expected = Defaults;
        expected[static_cast<std::size_t>(static_cast<std::int32_t>(c.slot) - 701)] = c.expected;
        EXPECT_EQ(codesOf(keys), expected);
    }
}

TEST_F(KeyBindingsTest, SlotsOutsideTheSixAreIgnored)
{
    KeyBindings keys;
    for (std::int32_t code : {0, 700, 707, -701}) {
        const auto slot = static_cast<KeySlot>(code);
        keys.bindByName(slot, "x");
        EXPECT_EQ(keys.keyFor(slot), -1) << code;
    }
    EXPECT_EQ(codesOf(keys), Defaults);
}

TEST_F(KeyBindingsTest, AConfirmedKeySetIsReadByTheNextRun)
{
    {
        KeyBindings keys;
        // What the key options dialog hands over, in its order; two slots may
        // share a key.
        keys.bindByName(KeySlot::MoveLeft, "a");
        keys.bindByName(KeySlot::MoveRight, "d");
        keys.bindByName(KeySlot::TurnLeft, "DOWN");
        keys.bindByName(KeySlot::TurnRight, "a");
        keys.bindByName(KeySlot::DropPill, "x");
        keys.bindByName(KeySlot::Pause, "CTRL");
        keys.save();
    }
    const Codes chosen{65, 68, 40, 65, 88, 17};
    EXPECT_EQ(readBytes("settings.dat"), fileOf(chosen));
    EXPECT_EQ(readBytes("settings.dat")[16], 88);

    KeyBindings nextRun;
    EXPECT_EQ(codesOf(nextRun), chosen);
    nextRun.setDefaults();
    EXPECT_EQ(codesOf(nextRun), Defaults);
    nextRun.load();
    EXPECT_EQ(codesOf(nextRun), chosen);
}

TEST_F(KeyBindingsTest, AFileThatCannotBeOpenedKeepsNewKeysForThisRunOnly)
{
    // A folder by the file's name stops root as well as anyone.
    std::filesystem::create_directory("settings.dat");
    KeyBindings keys;
    EXPECT_EQ(codesOf(keys), Defaults);
    keys.bindByName(KeySlot::DropPill, "x");
    keys.save();
    EXPECT_EQ(keys.keyFor(KeySlot::DropPill), 88);
    EXPECT_TRUE(std::filesystem::is_empty("settings.dat"));

    // An explicit path elsewhere works as usual.
    KeyBindings elsewhere{directory.path() / "keys.bin"};
    elsewhere.bindByName(KeySlot::DropPill, "x");
    elsewhere.save();
    EXPECT_EQ(std::filesystem::file_size(directory.path() / "keys.bin"), 24u);
}

}  // namespace
}  // namespace quindel
