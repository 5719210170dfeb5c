#include "window/GameSetup.h"

#include <algorithm>
#include <span>

#include "game/Game.h"
#include "store/DataFile.h"
#include "store/LittleEndian.h"

namespace quindel {

namespace {

// Written as the game writes the file: at offset 0, locked and flushed.
bool writeWhole(const std::filesystem::path& file, std::string_view bytes, std::size_t size)
{
    if (bytes.size() != size)
        return false;
    DataFile data(file, "the recorded game's start");
    return data.writeFrom(std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

}  // namespace

bool GameSetup::setHallOfFame(std::string_view bytes)
{
    if (!writeWhole(paths.highscore, bytes, HallOfFame::TableSize))
        return false;
    game.hallOfFame().load();
    return true;
}

bool GameSetup::setKeyBindings(std::string_view bytes)
{
    if (!writeWhole(paths.settings, bytes, KeyBindings::TableSize))
        return false;
    game.keyBindings().load();
    return true;
}

void GameSetup::setPreview(CellColor a, CellColor b)
{
    game.setNextCapsule(a, b);
}

GameSetup::HallOfFameBytes GameSetup::hallOfFameBytes(const HallOfFame& hall)
{
    // A slot's eleven bytes as they stand, whatever follows its NUL.
    HallOfFameBytes bytes{};
    for (int i = 0; i < HallOfFame::EntryCount; ++i) {
        const char* slot = hall.nameAt(i);
        std::copy(slot, slot + HallOfFame::NameSlotSize, bytes.begin() + i * HallOfFame::NameSlotSize);
        writeInt32LE(std::span<unsigned char, 4>(bytes.data() + HallOfFame::ScoreBytesOffset + 4 * i, 4),
                     hall.scoreAt(i));
    }
    return bytes;
}

GameSetup::KeyBindingBytes GameSetup::keyBindingBytes(const KeyBindings& keys)
{
    KeyBindingBytes bytes{};
    for (int i = 0; i < KeySlotCount; ++i)
        writeInt32LE(std::span<unsigned char, 4>(bytes.data() + 4 * i, 4),
                     keys.keyFor(static_cast<KeySlot>(static_cast<int>(KeySlot::MoveLeft) + i)));
    return bytes;
}

}  // namespace quindel
