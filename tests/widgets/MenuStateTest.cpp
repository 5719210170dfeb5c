#include "widgets/MenuState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/VirtualKeyCodes.h"

namespace quindel {
namespace {

// One step a player takes: a key (by code), Alt with a letter, Alt or F10
// alone, or a click.
struct Step final {
    enum class Kind { Key, AltLetter, Toggle, ClickTitle, ClickItem } kind;
    int value = 0;
};

Step key(int code)
{
    return {Step::Kind::Key, code};
}
Step alt(char letter)
{
    return {Step::Kind::AltLetter, letter};
}
const Step toggle{Step::Kind::Toggle, 0};
Step clickTitle(int menu)
{
    return {Step::Kind::ClickTitle, menu};
}
Step clickItem(int item)
{
    return {Step::Kind::ClickItem, item};
}

TEST(MenuState, TheKeyboardWorksTheMenuAsOnWindows)
{
    using Mode = MenuState::Mode;
    struct Case final {
        const char* name;
        std::vector<Step> steps;
        Mode mode;
        int menu;
        int item;
        std::vector<int> commands;
    };
    const Case cases[] = {
        {"Alt alone lights the first menu", {toggle}, Mode::Bar, 0, -1, {}},
        {"and again puts it out", {toggle, toggle}, Mode::Closed, 0, -1, {}},
        {"Alt+G opens Game on its first item", {alt('g')}, Mode::Open, 0, 0, {}},
        {"Alt+O opens Options", {alt('O')}, Mode::Open, 1, 0, {}},
        {"Alt with no menu's letter", {alt('x')}, Mode::Closed, 0, -1, {}},
        {"Enter chooses the lit item", {alt('g'), key(vk::Return)}, Mode::Closed, 0, -1, {114}},
        {"Down goes on and wraps",
         {alt('g'), key(vk::Down), key(vk::Down), key(vk::Down), key(vk::Down)},
         Mode::Open,
         0,
         0,
         {}},
        {"Up wraps to the last", {alt('g'), key(vk::Up)}, Mode::Open, 0, 3, {}},
        {"Right opens the next menu", {alt('g'), key(vk::Down), key(vk::Right)}, Mode::Open, 1, 0, {}},
        {"Left wraps to the last menu", {alt('g'), key(vk::Left)}, Mode::Open, 1, 0, {}},
        {"an item's letter chooses it", {alt('o'), key('H')}, Mode::Closed, 1, -1, {121}},
        {"Escape closes one level", {alt('o'), key(vk::Escape)}, Mode::Bar, 1, -1, {}},
        {"and then the bar", {alt('o'), key(vk::Escape), key(vk::Escape)}, Mode::Closed, 1, -1, {}},
        {"the lit bar: Right, then Down opens", {toggle, key(vk::Right), key(vk::Down)}, Mode::Open, 1, 0, {}},
        {"the lit bar: Enter opens", {toggle, key(vk::Return)}, Mode::Open, 0, 0, {}},
        {"the lit bar: a letter opens its menu", {toggle, key('O')}, Mode::Open, 1, 0, {}},
        {"any other key is the menu's and does nothing", {alt('g'), key(vk::Space), key('Q')}, Mode::Open, 0, 0, {}},
        {"a click opens a menu with nothing lit", {clickTitle(1)}, Mode::Open, 1, -1, {}},
        {"a second click closes it", {clickTitle(1), clickTitle(1)}, Mode::Closed, 1, -1, {}},
        {"a click on an item chooses it", {clickTitle(0), clickItem(3)}, Mode::Closed, 0, -1, {109}},
        {"Enter with nothing lit chooses nothing", {clickTitle(0), key(vk::Return)}, Mode::Open, 0, -1, {}},
    };
    for (const Case& c : cases) {
        MenuState state(MenuTemplate::mainMenu());
        std::vector<int> commands;
        for (const Step& step : c.steps) {
            MenuState::Result result;
            switch (step.kind) {
            case Step::Kind::Key:
                result = state.key(step.value);
                EXPECT_TRUE(result.taken) << c.name;
                break;
            case Step::Kind::AltLetter:
                result = state.altLetter(static_cast<char>(step.value));
                break;
            case Step::Kind::Toggle:
                state.toggleBar();
                break;
            case Step::Kind::ClickTitle:
                state.clickTitle(step.value);
                break;
            case Step::Kind::ClickItem:
                result = state.clickItem(step.value);
                break;
            }
            if (result.command)
                commands.push_back(*result.command);
        }
        EXPECT_EQ(state.mode(), c.mode) << c.name;
        if (c.mode != Mode::Closed) {
            EXPECT_EQ(state.menu(), c.menu) << c.name;
            EXPECT_EQ(state.item(), c.item) << c.name;
        }
        EXPECT_EQ(commands, c.commands) << c.name;
    }
    // Closed, the menu takes no key: it goes on to the game.
    MenuState closed(MenuTemplate::mainMenu());
    EXPECT_FALSE(closed.key(vk::Left).taken);
}

}  // namespace
}  // namespace quindel
