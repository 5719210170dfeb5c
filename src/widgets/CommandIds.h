#pragma once

namespace quindel {

// The menu's command ids, as IDR_MENU in resources/ui/menu.rc sends them.
namespace command {
inline constexpr int Exit = 109;
inline constexpr int About = 113;
inline constexpr int NewGame = 114;
inline constexpr int Settings = 120;
inline constexpr int Highscores = 121;
inline constexpr int Fullscreen = 122;
inline constexpr int IntegerScaling = 123;
inline constexpr int VersusGame = 124;
inline constexpr int Sound = 126;
inline constexpr int PauseWhenInactive = 127;
inline constexpr int FastKeyRepeat = 128;
}  // namespace command

// The dialog templates of resources/ui/dialogs.rc.
namespace dialog {
inline constexpr int HallOfFame = 115;
inline constexpr int NewGame = 116;
inline constexpr int NameEntry = 117;
inline constexpr int KeyOptions = 118;
inline constexpr int Sound = 129;
inline constexpr int About = 130;
inline constexpr int Versus = 131;
}  // namespace dialog

// The two buttons every dialog has: Enter presses the first, Escape and the
// close box the second.
inline constexpr int OkId = 1;
inline constexpr int CancelId = 2;

}  // namespace quindel
