#pragma once

#include <array>
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

    // What "Versus game..." offers first: the computer or a second player,
    // the computer's strength 1 to 3, each side's level 1 to 20, the speed
    // 0 easy, 1 medium, 2 hard, and the round wins that take the match.
    bool versusComputer = true;
    int versusStrength = 2;
    int versusLevelOne = 5;
    int versusLevelTwo = 5;
    int versusSpeed = 1;
    int versusRounds = 3;
    // Player two's six keys, as virtual-key codes in the order of
    // settings.dat's slots: move left and right, turn left and right, drop
    // and pause. Their defaults lie under the left hand, away from player
    // one's arrows and space bar.
    static constexpr std::array<int, 6> PlayerTwoDefaults{'A', 'D', 'S', 'W', 'X', 'Q'};
    std::array<int, 6> playerTwoKeys = PlayerTwoDefaults;

    bool operator==(const Preferences&) const = default;
};

}  // namespace quindel
