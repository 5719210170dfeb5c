#pragma once

#include <cstddef>
#include <vector>

#include "core/CellCodes.h"

namespace quindel {

// A landing whose clearing took two lines or more, over all its passes,
// sends the other bottle that many loose halves, at most four, in the
// colours of its lines in the order they were found; one line sends none.
inline constexpr std::size_t MostHalvesSent = 4;
std::vector<CellColor> halvesSent(const std::vector<CellColor>& linesCleared);

// The columns count halves drop into, left to right: spread evenly over the
// bottle's eight columns (every fourth for two, every second for four), the
// whole pattern shifted by a random draw as far as it still fits. Eight
// halves or more take every column.
std::vector<int> spreadColumns(std::size_t count, int randomDraw);

}  // namespace quindel
