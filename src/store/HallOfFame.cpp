#include "store/HallOfFame.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <span>

#include "store/LittleEndian.h"

namespace quindel {

namespace {

bool inRange(int index)
{
    return index >= 0 && index < HallOfFame::EntryCount;
}

}  // namespace

HallOfFame::HallOfFame(std::filesystem::path path) : file(std::move(path), "new results")
{
    load();
}

HallOfFame::~HallOfFame()
{
    save();
}

void HallOfFame::setPresets()
{
    setNameAt(0, "KIVOR");
    setScoreAt(0, 13);
    setNameAt(1, "TALEP");
    setScoreAt(1, 11);
    for (int i = 2; i < EntryCount; ++i) {
        setNameAt(i, "NONAME");
        setScoreAt(i, 0);
    }
}

void HallOfFame::load()
{
    // The presets stand wherever the file is missing, short or unreadable.
    setPresets();
    rankUnsaved(file.readInto(table));
}

void HallOfFame::save()
{
    // A table read whole and unchanged since is not written back: another
    // game may have entered a result in the meantime.
    if (fileLacksTable)
        synchronize();
}

void HallOfFame::synchronize()
{
    setPresets();
    if (file.update(table, [this](std::size_t bytesRead) { return rankUnsaved(bytesRead); })) {
        unsavedResults.clear();
        fileLacksTable = false;
    }
}

bool HallOfFame::rankUnsaved(std::size_t bytesRead)
{
    // A result that no longer makes the table (other games scored higher
    // meanwhile) is dropped: it could only sink further.
    bool changed = false;
    std::erase_if(unsavedResults, [this, &changed](const Result& result) {
        const bool entered = rank(result.name, result.score);
        changed = changed || entered;
        return !entered;
    });
    fileLacksTable = changed || bytesRead < TableSize;
    return fileLacksTable;
}

const char* HallOfFame::nameAt(int index) const
{
    if (!inRange(index))
        return nullptr;
    return reinterpret_cast<const char*>(table.data() + index * NameSlotSize);
}

std::string_view HallOfFame::nameView(int index) const
{
    const char* slot = nameAt(index);
    if (slot == nullptr)
        return {};
    // A slot from a foreign file may have no NUL; stop at the slot's end.
    const void* nul = std::memchr(slot, '\0', NameSlotSize);
    const auto length = nul != nullptr ? static_cast<const char*>(nul) - slot : NameSlotSize;
    return {slot, static_cast<std::size_t>(length)};
}

std::int32_t HallOfFame::scoreAt(int index) const
{
    if (!inRange(index))
        return -1;
    return readInt32LE(std::span<const unsigned char, 4>(table.data() + ScoreBytesOffset + 4 * index, 4));
}

void HallOfFame::setScoreAt(int index, std::int32_t value)
{
    writeInt32LE(std::span<unsigned char, 4>(table.data() + ScoreBytesOffset + 4 * index, 4), value);
}

void HallOfFame::setNameAt(int index, std::string_view name)
{
    // Like a bounded string copy: the name ends at its first NUL or its tenth
    // character, and the whole slot behind it is NUL. Taken aside first, since
    // the name may be a view of a slot of this very table.
    std::array<unsigned char, NameSlotSize> slotBytes{};
    for (std::size_t i = 0; i < name.size() && i < static_cast<std::size_t>(NameLength) && name[i] != '\0'; ++i)
        slotBytes[i] = static_cast<unsigned char>(name[i]);
    std::copy(slotBytes.begin(), slotBytes.end(), table.begin() + index * NameSlotSize);
}

void HallOfFame::formatScore(int index, char* buffer) const
{
    const std::int32_t value = scoreAt(index);
    // Digits are taken from the magnitude, so a negative score from a foreign
    // file reads with its minus sign; 64 bits hold the magnitude of INT32_MIN.
    const bool negative = value < 0;
    std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(static_cast<std::int64_t>(value))
                                       : static_cast<std::uint64_t>(value);
    char digits[16]{};
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);

    int n = 0;
    if (negative)
        buffer[n++] = '-';
    // Ten characters and the NUL: the longest negative scores lose their last
    // digit rather than write past the eleventh byte.
    while (count > 0 && n < ScoreTextSize - 1)
        buffer[n++] = digits[--count];
    buffer[n] = '\0';
}

bool HallOfFame::qualifies(std::int32_t newScore) const
{
    return newScore > scoreAt(EntryCount - 1);
}

void HallOfFame::insert(std::string_view name, std::int32_t newScore)
{
    // Taken aside, since the name may be a view of a slot of this very table,
    // which the reading overwrites.
    unsavedResults.push_back({std::string(name), newScore});
    // A name typed in at game over would otherwise live only in memory until
    // the run ends normally; a crash or a kill would lose it.
    synchronize();
}

bool HallOfFame::rank(std::string_view name, std::int32_t newScore)
{
    // Ties go below the entries already there.
    int i = 0;
    while (i < EntryCount && scoreAt(i) >= newScore)
        ++i;
    if (i == EntryCount)
        return false;
    for (int j = EntryCount - 1; j > i; --j) {
        setScoreAt(j, scoreAt(j - 1));
        // Through nameView, so a slot without a NUL moves as at most 10 bytes.
        setNameAt(j, nameView(j - 1));
    }
    setScoreAt(i, newScore);
    setNameAt(i, name);
    return true;
}

void HallOfFame::addScore(std::int32_t points)
{
    const std::int64_t sum = std::int64_t{score} + points;
    score = static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                               std::numeric_limits<std::int32_t>::max()));
}

}  // namespace quindel
