#pragma once

#include <functional>

#include "prefs/Preferences.h"

namespace quindel {

// The preferences as the window works with them: their values (the
// defaults when nobody keeps them, as in the scripted run) and whoever keeps
// them between starts, told when the player changed one.
class PlayerSettings final {
public:
    using Keeper = std::function<void(const Preferences&)>;

    const Preferences& values() const { return current; }
    // The preferences a start begins with, and who keeps them from now on.
    void keepWith(const Preferences& start, Keeper keep)
    {
        current = start;
        keeper = std::move(keep);
    }
    // Changes them and lets the keeper know.
    void change(const std::function<void(Preferences&)>& edit)
    {
        edit(current);
        if (keeper)
            keeper(current);
    }
    bool kept() const { return static_cast<bool>(keeper); }

private:
    Preferences current;
    Keeper keeper;
};

}  // namespace quindel
