#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace quindel::composer {

// One pass through a four-channel ProTracker module as a player walks it
// (order list, pattern breaks, position jumps, speed and tempo), until it
// comes back to a row it has played: how long that takes, and how much of it
// is new material. Material is counted in bars of 16 rows: a bar is new when
// its notes, instruments and effects on the first three channels (tune, bass
// and harmony) were not heard earlier in the pass. The fourth channel, the
// drums, is left out: a new drum pattern under the same tune is not a new tune.
class ModulePass final {
public:
    double seconds = 0.0;
    double distinctSeconds = 0.0;
    int bars = 0;
    int distinctBars = 0;

    // Empty for bytes that are not an "M.K." module.
    static std::optional<ModulePass> walk(std::span<const std::uint8_t> module);
};

}  // namespace quindel::composer
