#pragma once

#include <ostream>

#include "pilot/PilotSource.h"

namespace quindel {

// quindel --autoplay: games of the computer player through the real game
// (window procedure, dialogs, rules) on the scripted run's virtual clock,
// headless and silent, its data files in a scratch folder. One line per
// game, `game=K levels=CLEARED score=SCORE capsules=C`, then the means.
class Autoplay final {
public:
    // The exit status: 0, or 1 when no scratch folder could be made.
    static int run(const PilotSource::Settings& settings, std::ostream& out, std::ostream& errors);
};

}  // namespace quindel
