#pragma once

#include <cstdint>

namespace quindel {

enum class GameState : std::int32_t {
    Title = 601,
    Playing = 602,
    LevelClear = 603,
    GameOver = 604,
    Paused = 605,
};

}  // namespace quindel
