#pragma once

#include <optional>
#include <vector>

#include "core/CellCodes.h"

namespace quindel {

// What a match tells whoever shows it, besides what it lets them look at:
// the sounds of the clearings as their frames are shown, the halves one
// side sends the other, and the rounds as they start and end.
class VersusListener {
public:
    virtual ~VersusListener() = default;

    virtual void clearSound(CellColor color) = 0;
    virtual void halvesSent(int fromSide, const std::vector<CellColor>& halves) = 0;
    virtual void roundStarted(int round) = 0;
    // The winner's side, none for a drawn round (played again); whether
    // that win took the match.
    virtual void roundEnded(std::optional<int> winner, bool matchOver) = 0;
};

}  // namespace quindel
