#include "widgets/MenuState.h"

#include "base/Ascii.h"
#include "base/VirtualKeyCodes.h"

namespace quindel {

namespace {

char mnemonicOf(std::string_view text)
{
    const int index = MenuTemplate::mnemonicIndex(text);
    if (index < 0)
        return 0;
    return ascii::toUpper(MenuTemplate::shownText(text)[static_cast<std::size_t>(index)]);
}

}  // namespace

int MenuState::itemCount() const
{
    return static_cast<int>(layout.popups[static_cast<std::size_t>(menuIndex)].items.size());
}

void MenuState::open(int menu, int item)
{
    state = Mode::Open;
    menuIndex = menu;
    itemIndex = item < itemCount() ? item : -1;
}

void MenuState::close()
{
    state = Mode::Closed;
    itemIndex = -1;
}

void MenuState::toggleBar()
{
    if (state != Mode::Closed || menuCount() == 0) {
        close();
        return;
    }
    state = Mode::Bar;
    menuIndex = 0;
    itemIndex = -1;
}

MenuState::Result MenuState::altLetter(char letter)
{
    for (int i = 0; i < menuCount(); ++i)
        if (mnemonicOf(layout.popups[static_cast<std::size_t>(i)].title) == ascii::toUpper(letter)) {
            open(i, 0);
            return Result{true, std::nullopt};
        }
    return Result{};
}

MenuState::Result MenuState::choose(int item)
{
    if (state != Mode::Open || item < 0 || item >= itemCount())
        return Result{true, std::nullopt};
    const int command = layout.popups[static_cast<std::size_t>(menuIndex)].items[static_cast<std::size_t>(item)].id;
    close();
    return Result{true, command};
}

MenuState::Result MenuState::key(int virtualKey)
{
    if (state == Mode::Closed)
        return Result{};
    const int menus = menuCount();
    switch (virtualKey) {
    case vk::Escape:
        // One level at a time: an open menu closes back to the lit bar.
        if (state == Mode::Open) {
            state = Mode::Bar;
            itemIndex = -1;
        } else {
            close();
        }
        return Result{true, std::nullopt};
    case vk::Left:
    case vk::Right: {
        const int step = virtualKey == vk::Left ? menus - 1 : 1;
        menuIndex = (menuIndex + step) % menus;
        if (state == Mode::Open)
            open(menuIndex, 0);
        return Result{true, std::nullopt};
    }
    case vk::Up:
    case vk::Down: {
        if (state == Mode::Bar) {
            open(menuIndex, 0);
            return Result{true, std::nullopt};
        }
        const int count = itemCount();
        if (count == 0)
            return Result{true, std::nullopt};
        if (itemIndex < 0)
            itemIndex = virtualKey == vk::Down ? 0 : count - 1;
        else
            itemIndex = (itemIndex + (virtualKey == vk::Down ? 1 : count - 1)) % count;
        return Result{true, std::nullopt};
    }
    case vk::Return:
        if (state == Mode::Bar) {
            open(menuIndex, 0);
            return Result{true, std::nullopt};
        }
        return choose(itemIndex);
    default:
        break;
    }
    if (virtualKey >= 'A' && virtualKey <= 'Z') {
        const char letter = static_cast<char>(virtualKey);
        if (state == Mode::Bar) {
            // The lit bar opens a menu by its letter, as Alt with it would.
            altLetter(letter);
            return Result{true, std::nullopt};
        }
        const auto& items = layout.popups[static_cast<std::size_t>(menuIndex)].items;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (mnemonicOf(items[i].text) == letter)
                return choose(static_cast<int>(i));
    }
    // Every other key goes nowhere while the menu has the keyboard.
    return Result{true, std::nullopt};
}

void MenuState::clickTitle(int menu)
{
    if (menu < 0 || menu >= menuCount())
        return;
    if (state == Mode::Open && menuIndex == menu)
        close();
    else
        open(menu, -1);
}

void MenuState::hoverTitle(int menu)
{
    if (state == Mode::Open && menu != menuIndex && menu >= 0 && menu < menuCount())
        open(menu, -1);
}

void MenuState::hoverItem(int item)
{
    if (state == Mode::Open && item >= 0 && item < itemCount())
        itemIndex = item;
}

MenuState::Result MenuState::clickItem(int item)
{
    return choose(item);
}

}  // namespace quindel
