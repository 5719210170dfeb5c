#pragma once

#include <ostream>

namespace quindel {

class VersusMatch;

// What the scripted run prints of a versus match: `dump` gives a line for
// each side, `p1 ` and `p2 ` followed by the single game's fields and the
// side's round wins; `board` gives sixteen lines of both bottles side by
// side, player one's eight tokens, ` | `, player two's eight.
class VersusPrinter final {
public:
    VersusPrinter(const VersusMatch& match, std::ostream& out) : match(match), out(out) {}

    void printState();
    void printBoard();

private:
    const VersusMatch& match;
    std::ostream& out;
};

}  // namespace quindel
