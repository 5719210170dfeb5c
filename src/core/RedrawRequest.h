#pragma once

#include <cstdint>

namespace quindel {

// The code carried by a paint request. A paint message may carry any value;
// the ones not named here draw nothing.
enum class RedrawRequest : std::int32_t {
    RedrawFull = 0,
    RedrawBoard = 1,
    RedrawLevelClear = 3,
    RedrawGameOver = 4,
    RedrawPause = 5,
};

}  // namespace quindel
