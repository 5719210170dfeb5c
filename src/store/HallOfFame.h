#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "store/DataFile.h"

namespace quindel {

// The eight best results of all runs, best first, kept in highscore.dat, and
// the score of the game that is running, so that scoring, the score display,
// the game-over test and the name entry all share one number.
//
// highscore.dat is the table itself, 120 bytes with no header: eight 11-byte
// name slots, then eight signed 32-bit little-endian scores.
class HallOfFame final {
public:
    static constexpr int EntryCount = 8;
    static constexpr int NameSlotSize = 11;
    static constexpr int NameLength = 10;  // the eleventh byte of a slot is its NUL
    static constexpr int ScoreBytesOffset = EntryCount * NameSlotSize;
    static constexpr int TableSize = ScoreBytesOffset + EntryCount * 4;
    // Ten digits and a NUL, or with a minus sign what fits of them.
    static constexpr int ScoreTextSize = 11;

    // Presets, then the file over them.
    explicit HallOfFame(std::filesystem::path file = "highscore.dat");
    // Writes the table back at the end of the run.
    ~HallOfFame();
    // One table per file: a copy would write the file a second time.
    HallOfFame(const HallOfFame&) = delete;
    HallOfFame& operator=(const HallOfFame&) = delete;

    // The 11-byte slot, null out of range. A slot read from a file may lack
    // its NUL, so readers take at most 10 (display) or 11 bytes of it.
    const char* nameAt(int index) const;
    // The name up to its NUL, at most 11 bytes; empty out of range.
    std::string_view nameView(int index) const;
    // -1 out of range.
    std::int32_t scoreAt(int index) const;
    // The decimal text of scoreAt(index) into a buffer of at least 11 bytes.
    void formatScore(int index, char* buffer) const;

    // Only a score above the eighth place enters; equal is not enough.
    bool qualifies(std::int32_t score) const;
    // Ranks the result below every entry with the same score, the name cut
    // to 10 characters, and saves the table at once when it changed.
    void insert(std::string_view name, std::int32_t score);

    std::int32_t currentScore() const { return score; }
    void setScore(std::int32_t value) { score = value; }
    // Saturates at the ends of the 32-bit range instead of wrapping.
    void addScore(std::int32_t points);

    void load();
    void save();

private:
    void setPresets();
    void setNameAt(int index, std::string_view name);
    void setScoreAt(int index, std::int32_t value);

    std::array<unsigned char, TableSize> table{};
    std::int32_t score = 0;
    DataFile file;
};

}  // namespace quindel
