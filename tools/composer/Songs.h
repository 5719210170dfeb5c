#pragma once

#include "SongPlan.h"

namespace quindel::composer {

// The game's five pieces.
SongPlan titleTheme();    // beingboi.mod
SongPlan firstLevels();   // pippirul.mod
SongPlan secondLevels();  // century.mod
SongPlan thirdLevels();   // arkanoid.mod
SongPlan clearJingle();   // cockatoo.mod

}  // namespace quindel::composer
