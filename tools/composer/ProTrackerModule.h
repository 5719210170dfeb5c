#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quindel::composer {

// One instrument of a module: signed 8-bit PCM, a default volume and, when
// loopLength is not zero, a sustain loop (all in bytes, kept even).
struct ModSample {
    std::string name;
    std::vector<std::int8_t> data;
    int volume = 64;
    std::size_t loopStart = 0;
    std::size_t loopLength = 0;
};

// One channel of one row. note is 0 for none, else 1 (C-1) to 36 (B-3).
struct ModCell {
    int note = 0;
    int sample = 0;
    int effect = 0;
    int param = 0;
    bool hasEffect() const { return effect != 0 || param != 0; }
};

// A four-channel "M.K." module with 31 sample slots, the format every
// tracker player reads.
class ProTrackerModule final {
public:
    static constexpr int Channels = 4;
    static constexpr int Rows = 64;
    using Pattern = std::array<ModCell, Rows * Channels>;

    explicit ProTrackerModule(std::string title) : songTitle(std::move(title)) {}

    // Returns the sample number (1..31) to put in cells.
    int addSample(ModSample sample);
    int addPattern();
    ModCell& cell(int pattern, int row, int channel);
    void appendOrder(int pattern);

    std::vector<std::uint8_t> bytes() const;

    // The Amiga period of a note (1 = C-1 .. 36 = B-3), finetune 0.
    static int period(int note);
    // The rate at which a sample plays at C-2 (period 428) and C-3.
    static constexpr double RateAtC2 = 7093789.2 / (2.0 * 428.0);
    static constexpr double RateAtC3 = 7093789.2 / (2.0 * 214.0);

private:
    std::string songTitle;
    std::vector<ModSample> sampleList;
    std::vector<Pattern> patternList;
    std::vector<int> orderList;
};

}  // namespace quindel::composer
