#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "store/DataFile.h"
#include "store/KeySlot.h"

namespace quindel {

// The six keys that steer the game, one virtual-key code per KeySlot, kept in
// settings.dat: 24 bytes, the six codes as signed 32-bit little-endian values
// in slot order, no header. Only a confirmed key options dialog saves them.
class KeyBindings final {
public:
    static constexpr int TableSize = KeySlotCount * 4;

    // Defaults, then the file over them.
    explicit KeyBindings(std::filesystem::path file = "settings.dat");

    void setDefaults();
    void load();
    void save();

    // -1, which no key sends, for a code outside 701..706.
    std::int32_t keyFor(KeySlot slot) const;
    // One character is the key that types it; a longer name is one of the
    // KeyNames, any case. Anything else, or a slot outside 701..706, changes
    // nothing.
    void bindByName(KeySlot slot, std::string_view name);

private:
    void setKey(int index, std::int32_t code);

    // Kept as the file's image, so a short file overlays the defaults byte by
    // byte, down to part of a code.
    std::array<unsigned char, TableSize> table{};
    DataFile file;
};

}  // namespace quindel
