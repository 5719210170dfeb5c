#pragma once

#include <optional>

namespace quindel {

// What a player chooses once and finds again at the next start: how the
// window is shown, how loud the game is, how it waits and repeats keys, and
// the last game asked for. Kept in quindel.toml beside settings.dat; the
// hall of fame's and the keys' files never hold any of it.
struct Preferences final {
    static constexpr int MinWidth = 800;
    static constexpr int MinHeight = 619;
    static constexpr int MaxVolume = 10;

    // The window: fullscreen or not, the canvas scaled by whole factors or
    // smoothly, and its size and place when not fullscreen.
    bool fullscreen = false;
    bool integerScaling = false;
    int windowWidth = MinWidth;
    int windowHeight = MinHeight;
    std::optional<int> windowX;
    std::optional<int> windowY;

    // The sound: 0 (off) to 10 each, and everything muted.
    int musicVolume = MaxVolume;
    int effectsVolume = MaxVolume;
    bool muted = false;

    // A running game pauses when the window is left or a menu is open.
    bool pauseWhenInactive = true;
    // Held keys repeat at the game's own pace, not the desktop's.
    bool fastKeyRepeat = true;

    // What "Start new game..." offers first: 0 easy, 1 normal, 2 hard, and
    // the level 1 to 20.
    int difficulty = 1;
    int level = 1;

    bool operator==(const Preferences&) const = default;
};

}  // namespace quindel
