#pragma once

#include <optional>

#include "widgets/MenuTemplate.h"

namespace quindel {

// Where the menu bar is, as Windows keeps it for the keyboard: closed; the
// bar lit on one menu's title (Alt or F10 alone); or one menu open with one
// item lit. Keys and clicks move it and may choose a command. It draws
// nothing: MenuBar shows it.
class MenuState final {
public:
    enum class Mode { Closed, Bar, Open };

    // What a key or click did: whether the menu took it (no window below
    // sees it then) and the command it chose, if any.
    struct Result final {
        bool taken = false;
        std::optional<int> command;
    };

    explicit MenuState(const MenuTemplate& layout) : layout(layout) {}

    Mode mode() const { return state; }
    bool isActive() const { return state != Mode::Closed; }
    bool isOpen() const { return state == Mode::Open; }
    int menu() const { return menuIndex; }
    // The lit item of the open menu; -1 when none is (opened by the mouse).
    int item() const { return itemIndex; }

    // Alt pressed and let go with nothing between, or F10: lights the bar,
    // or puts it out again.
    void toggleBar();
    // Alt with a letter: opens the menu it marks, its first item lit.
    Result altLetter(char letter);
    // A key while the bar is lit or a menu is open, by its virtual-key code;
    // a letter by its upper-case code. Not taken while the menu is closed.
    Result key(int virtualKey);
    void close();

    // The mouse on a menu's title: a click opens it (or closes it when it is
    // open); passing over another title while one is open opens that one.
    void clickTitle(int menu);
    void hoverTitle(int menu);
    // The mouse over an item lights it; a click chooses it.
    void hoverItem(int item);
    Result clickItem(int item);

private:
    void open(int menu, int item);
    int menuCount() const { return static_cast<int>(layout.popups.size()); }
    int itemCount() const;
    Result choose(int item);

    const MenuTemplate& layout;
    Mode state = Mode::Closed;
    int menuIndex = 0;
    int itemIndex = -1;
};

}  // namespace quindel
