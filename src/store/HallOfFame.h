#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "store/DataFile.h"

namespace quindel {

// The eight best results of all runs, best first, kept in highscore.dat, and
// the score of the game that is running, so that scoring, the score display,
// the game-over test and the name entry all share one number.
//
// highscore.dat is the table itself, 120 bytes with no header: eight 11-byte
// name slots, then eight signed 32-bit little-endian scores.
//
// Another game may be open on the same file. So an insert reads the file
// afresh and ranks the new result among what is there now, under one lock with
// its save, and the save at the end of the run writes only what this run has
// not yet got into the file: neither game writes over the other's results.
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
    // Saves at the end of the run what the file still lacks.
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
    // Reads the file again, ranks the result below every entry with the
    // same score, the name cut to 10 characters, and saves the table at once
    // when it changed. A result that cannot be saved stays in the table for
    // the rest of the run.
    void insert(std::string_view name, std::int32_t score);

    std::int32_t currentScore() const { return score; }
    void setScore(std::int32_t value) { score = value; }
    // Saturates at the ends of the 32-bit range instead of wrapping.
    void addScore(std::int32_t points);

    // The presets, the file over them, and this run's unsaved results.
    void load();
    // Writes the table when the file lacks part of it: a short or missing
    // file (the presets fill it) or a result whose save failed.
    void save();

private:
    struct Result final {
        std::string name;
        std::int32_t score = 0;
    };

    // Ranks the results not yet saved into a table just read, given how many
    // bytes the file held; true when the file lacks part of the table now.
    bool rankUnsaved(std::size_t bytesRead);
    // Whether the result entered the table.
    bool rank(std::string_view name, std::int32_t score);
    void synchronize();
    void setPresets();
    void setNameAt(int index, std::string_view name);
    void setScoreAt(int index, std::int32_t value);

    std::array<unsigned char, TableSize> table{};
    std::int32_t score = 0;
    DataFile file;
    std::vector<Result> unsavedResults;
    bool fileLacksTable = false;
};

}  // namespace quindel
