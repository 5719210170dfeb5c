#include "store/KeyBindings.h"

#include <span>

#include "base/Ascii.h"
#include "store/LittleEndian.h"
#include "store/VirtualKeys.h"

namespace quindel {

KeyBindings::KeyBindings(std::filesystem::path path) : file(std::move(path), "key changes")
{
    load();
}

void KeyBindings::setDefaults()
{
    for (int index = 0; index < KeySlotCount; ++index)
        setKey(index, DefaultKeys[static_cast<std::size_t>(index)]);
}

void KeyBindings::load()
{
    setDefaults();
    file.readInto(table);
}

void KeyBindings::save()
{
    // A failed save keeps the new keys for this run only.
    file.writeFrom(table);
}

std::int32_t KeyBindings::keyFor(KeySlot slot) const
{
    const int index = keySlotIndex(slot);
    if (index < 0)
        return -1;
    return readInt32LE(std::span<const unsigned char, 4>(table.data() + 4 * index, 4));
}

void KeyBindings::setKey(int index, std::int32_t code)
{
    writeInt32LE(std::span<unsigned char, 4>(table.data() + 4 * index, 4), code);
}

void KeyBindings::bindByName(KeySlot slot, std::string_view name)
{
    const int index = keySlotIndex(slot);
    if (index < 0)
        return;
    if (name.size() == 1) {
        // Widened with its sign: a character no key types is stored as -1.
        setKey(index, vkKeyScan(name[0]));
        return;
    }
    for (const KeyName& key : KeyNames) {
        if (ascii::equalIgnoringCase(name, key.name)) {
            setKey(index, key.code);
            return;
        }
    }
}

}  // namespace quindel
