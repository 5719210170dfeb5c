#include "store/KeyBindings.h"

#include <span>

#include "store/LittleEndian.h"
#include "store/VirtualKeys.h"

namespace quindel {

namespace {

char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    return true;
}

}  // namespace

KeyBindings::KeyBindings(std::filesystem::path path) : file(std::move(path), "key changes")
{
    load();
}

void KeyBindings::setDefaults()
{
    // Arrows left and right move, arrow down and up turn, space drops.
    setKey(0, vk::Left);
    setKey(1, vk::Right);
    setKey(2, vk::Down);
    setKey(3, vk::Up);
    setKey(4, vk::Space);
    setKey(5, vk::Pause);
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
        if (sameNameIgnoringCase(name, key.name)) {
            setKey(index, key.code);
            return;
        }
    }
}

}  // namespace quindel
