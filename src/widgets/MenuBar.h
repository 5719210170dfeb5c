#pragma once

#include <optional>
#include <vector>

#include "widgets/MenuState.h"
#include "widgets/MenuTemplate.h"

namespace quindel {

// IDR_MENU drawn with Dear ImGui above the client area, and worked by the
// mouse and by the keyboard as a Windows menu bar is: Alt or F10 lights the
// bar, Alt and a letter opens a menu with its first item lit, the arrows go
// over the items and to the next menu, Enter or an item's letter chooses,
// Escape closes one level. Mnemonics are shown underlined. Must be drawn
// inside an ImGui frame.
class MenuBar final {
public:
    // The menu's font and the bar's height in the window's original size;
    // the menu and the dialogs grow from these with the window.
    static constexpr int FontPixels = 13;
    static constexpr int Height = 19;

    explicit MenuBar(const MenuTemplate& layout) : layout(layout), keyboard(layout) {}

    // Draws the bar and the open menu; the command id of an item chosen by
    // the mouse in this frame. The caller posts it: a command must not be
    // handled inside the frame.
    std::optional<int> draw(bool enabled);

    // The keyboard's way in: Alt or F10 alone, Alt with a letter, and any key
    // while the menu is active. Whatever the menu takes reaches nobody else.
    MenuState& state() { return keyboard; }
    const MenuState& state() const { return keyboard; }
    bool isActive() const { return keyboard.isActive(); }
    bool isOpen() const { return keyboard.isOpen(); }
    // An item that is a choice shows a check mark while it is on.
    void setChecked(int id, bool on);

private:
    void drawOpenMenu(float left, float top, std::optional<int>& chosen);

    const MenuTemplate& layout;
    MenuState keyboard;
    std::vector<int> checkedIds;
};

}  // namespace quindel
