#pragma once

#include <string>
#include <vector>

#include "TempFolder.h"

namespace quindel::test {

// Where a game stood at its end: the state line, the hall of fame's eight
// lines and highscore.dat's bytes.
struct GameEnd final {
    std::string state;
    std::vector<std::string> hallOfFame;
    Bytes highscore;
};

// A recorded game played again by the scripted run in a fresh, empty
// folder, as `quindel --script` plays it: where it ends by its own last
// `dump` and `hof`, and what the folder's highscore.dat holds afterwards.
GameEnd replayed(const std::string& script);

}  // namespace quindel::test
