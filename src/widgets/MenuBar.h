#pragma once

#include <optional>
#include <vector>

#include "widgets/MenuTemplate.h"

namespace quindel {

// IDR_MENU drawn with Dear ImGui above the client area. Mnemonics are shown
// underlined; Alt and a menu's letter opens it, an item's letter picks it
// while its menu is open. Must be drawn inside an ImGui frame.
class MenuBar final {
public:
    // The menu's font and the bar's height in the window's original size;
    // the menu and the dialogs grow from these with the window.
    static constexpr int FontPixels = 13;
    static constexpr int Height = 19;

    explicit MenuBar(const MenuTemplate& layout) : layout(layout) {}

    // Draws the bar; the command id of an item chosen in this frame. The
    // caller posts it: a command must not be handled inside the frame.
    std::optional<int> draw(bool enabled);

    // Alt with a letter: opens the menu with that mnemonic; false if none has it.
    bool openByMnemonic(char letter);
    // A letter typed while a menu is open picks the item with that mnemonic.
    void typeWhileOpen(char letter) { pendingLetter = letter; }
    bool isOpen() const { return anyOpen; }
    // An item that is a choice shows a check mark while it is on.
    void setChecked(int id, bool on);

private:
    const MenuTemplate& layout;
    int openRequest = -1;
    char pendingLetter = 0;
    bool anyOpen = false;
    std::vector<int> checkedIds;
};

}  // namespace quindel
