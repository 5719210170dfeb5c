#pragma once

#include <cstdint>
#include <string_view>

namespace quindel {

// Where a recorded game's lines go: the replays folder, or a test's memory.
class ReplaySink {
public:
    virtual ~ReplaySink() = default;
    // A new game's replay, started at this calendar time (ms since 1970).
    virtual void begin(std::int64_t wallMs) = 0;
    // Whole lines, each with its end, as the game goes.
    virtual void write(std::string_view lines) = 0;
    // The game is over; nothing more comes until the next begin.
    virtual void end() = 0;
};

}  // namespace quindel
