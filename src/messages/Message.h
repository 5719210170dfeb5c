#pragma once

#include <cstdint>

namespace quindel {

// The message codes of the window system the game was written for, with
// their Windows values, so a recorded stream of messages reads like one.
enum class MessageCode : std::uint32_t {
    Null = 0x0000,  // nothing to do; lets a modal loop look at its state
    Create = 0x0001,
    Destroy = 0x0002,
    Paint = 0x000F,
    ActivateApp = 0x001C,  // wParam 0: the window lost the keyboard or was minimised; 1: it has it again
    Quit = 0x0012,
    KeyDown = 0x0100,
    SysKeyDown = 0x0104,  // a key with Alt held: the menu's, never the game's
    InitDialog = 0x0110,
    Command = 0x0111,
    Timer = 0x0113,
    EnterMenuLoop = 0x0211,  // a menu of the menu bar opened
    ExitMenuLoop = 0x0212,   // and closed again
    // Not a Windows message: a gamepad's action (wParam a PadAction), which
    // the window turns into the key bound to it at that moment.
    PadPress = 0x0400,
};

// Which window a message is for: the main window, or the dialog that is open.
enum class MessageTarget : std::int32_t {
    MainWindow = 0,
    Dialog = 1,
};

// What a key message's lParam tells besides the key: Shift held with it, and
// a press that is the desktop's repeat of a key held down (Windows keeps
// that in bit 30 too).
namespace keyflag {
inline constexpr std::int32_t Shift = 1 << 0;
inline constexpr std::int32_t Control = 1 << 1;
inline constexpr std::int32_t Repeat = 1 << 30;
}  // namespace keyflag

// One message: a code and its two parameters, as the window procedure gets it.
struct Message final {
    MessageTarget target = MessageTarget::MainWindow;
    MessageCode code = MessageCode::Null;
    std::uint32_t wParam = 0;
    std::int32_t lParam = 0;
};

}  // namespace quindel
