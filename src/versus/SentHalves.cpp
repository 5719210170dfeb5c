#include "versus/SentHalves.h"

#include <algorithm>

#include "core/Playfield.h"

namespace quindel {

std::vector<CellColor> halvesSent(const std::vector<CellColor>& linesCleared)
{
    if (linesCleared.size() < 2)
        return {};
    const std::size_t sent = std::min(linesCleared.size(), MostHalvesSent);
    return {linesCleared.begin(), linesCleared.begin() + static_cast<std::ptrdiff_t>(sent)};
}

std::vector<int> spreadColumns(std::size_t count, int randomDraw)
{
    constexpr int Columns = Playfield::Columns;
    const int n = static_cast<int>(std::min<std::size_t>(count, Columns));
    if (n == 0)
        return {};
    std::vector<int> columns;
    for (int i = 0; i < n; ++i)
        columns.push_back(i * Columns / n);
    // The last column the pattern can start at keeps its last half inside.
    const int shifts = Columns - columns.back();
    const int shift = static_cast<int>(static_cast<unsigned>(randomDraw) % static_cast<unsigned>(shifts));
    for (int& column : columns)
        column += shift;
    return columns;
}

}  // namespace quindel
