#include <gtest/gtest.h>

#include "widgets/DialogTemplate.h"
#include "widgets/MenuTemplate.h"

namespace quindel {
namespace {

TEST(MenuTemplate, TheMainMenuHasItsFiveCommandsAndTheOptions)
{
    const MenuTemplate& menu = MenuTemplate::mainMenu();
    ASSERT_EQ(menu.popups.size(), 2u);
    EXPECT_EQ(menu.popups[0].title, "&Game");
    EXPECT_EQ(menu.popups[1].title, "&Options");
    std::vector<std::pair<int, std::string>> items;
    for (const auto& popup : menu.popups)
        for (const auto& item : popup.items)
            items.emplace_back(item.id, item.text);
    const std::vector<std::pair<int, std::string>> expected{
        {114, "Start &new game"}, {124, "&Versus game..."},      {113, "&about..."},         {109, "&Exit"},
        {120, "&Settings..."},    {121, "&Highscores"},          {122, "&Fullscreen\\tF11"}, {123, "&Integer scaling"},
        {126, "S&ound..."},       {127, "&Pause when inactive"}, {128, "Fast &key repeat"}};
    EXPECT_EQ(items, expected);
}

TEST(MenuTemplate, MnemonicsAreShownNotPrinted)
{
    struct Case {
        const char* text;
        const char* shown;
        int index;
    };
    const Case cases[] = {
        {"&Game", "Game", 0},          {"Start &new game", "Start new game", 6},
        {"&about...", "about...", 0},  {"Fish && Chips", "Fish & Chips", -1},
        {"R&&D &Lab", "R&D Lab", 4},   {"no mark", "no mark", -1},
        {"trailing&", "trailing", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MenuTemplate::shownText(c.text), c.shown) << c.text;
        EXPECT_EQ(MenuTemplate::mnemonicIndex(c.text), c.index) << c.text;
    }
}

TEST(DialogTemplate, TheFourTemplatesHoldTheirControls)
{
    struct Case {
        int id;
        const char* caption;
        int width;
        int height;
        bool centred;
        std::size_t controls;
    };
    const Case cases[] = {
        {115, "<< Quindel Hall of fame >>", 211, 183, false, 25},
        {116, "Start new game...", 271, 95, true, 9},
        {117, "you entered the highscore list :)", 186, 95, true, 3},
        {118, "Quindel Options", 299, 114, false, 14},
    };
    for (const Case& c : cases) {
        const DialogTemplate* dialog = DialogTemplate::find(c.id);
        ASSERT_NE(dialog, nullptr) << c.id;
        EXPECT_EQ(dialog->caption, c.caption);
        EXPECT_EQ(dialog->width, c.width);
        EXPECT_EQ(dialog->height, c.height);
        EXPECT_EQ(dialog->centred, c.centred) << c.id;
        EXPECT_EQ(dialog->controls.size(), c.controls) << c.id;
        EXPECT_EQ(dialog->fontFace, "MS Shell Dlg");
        EXPECT_EQ(dialog->fontPoints, 8);
    }
    EXPECT_EQ(DialogTemplate::find(119), nullptr);
}

TEST(DialogTemplate, NewGameControlsKeepTheirKindsAndRectangles)
{
    const DialogTemplate& dialog = *DialogTemplate::find(116);
    struct Case {
        int id;
        ControlKind kind;
        DialogRect rect;
        const char* text;
    };
    const Case cases[] = {
        {1, ControlKind::DefaultPushButton, {214, 57, 50, 14}, "Start game"},
        {2, ControlKind::PushButton, {214, 74, 50, 14}, "Cancel"},
        {1009, ControlKind::RadioButton, {23, 40, 31, 10}, "easy"},
        {1010, ControlKind::RadioButton, {23, 49, 37, 10}, "normal"},
        {1011, ControlKind::RadioButton, {23, 58, 31, 10}, "hard"},
        {1017, ControlKind::GroupBox, {15, 24, 77, 49}, "Difficulty"},
        {1018, ControlKind::TrackBar, {99, 28, 141, 23}, "select level"},
    };
    for (const Case& c : cases) {
        const ControlTemplate* control = dialog.control(c.id);
        ASSERT_NE(control, nullptr) << c.id;
        EXPECT_EQ(control->kind, c.kind) << c.id;
        EXPECT_EQ(control->rect.x, c.rect.x) << c.id;
        EXPECT_EQ(control->rect.y, c.rect.y) << c.id;
        EXPECT_EQ(control->rect.width, c.rect.width) << c.id;
        EXPECT_EQ(control->rect.height, c.rect.height) << c.id;
        EXPECT_EQ(control->text, c.text) << c.id;
    }
    EXPECT_NE(dialog.control(1018)->style & StyleAutoTicks, 0u);
    EXPECT_NE(dialog.control(1009)->style & StyleGroup, 0u);
    // The two static texts have no id anyone can address.
    EXPECT_EQ(dialog.control(-1), nullptr);
}

TEST(DialogTemplate, ALineItCannotReadIsSkipped)
{
    const auto dialogs = DialogTemplate::parseAll("CONTROL 1 PUSHBUTTON 1 2 3 4 \"before any dialog\"\n"
                                                  "DIALOG 7 10 20 CENTER \"x\"\n"
                                                  "CONTROL 1 WIDGET 1 2 3 4 \"unknown kind\"\n"
                                                  "CONTROL 2 PUSHBUTTON 1 2\n"
                                                  "CONTROL 3 PUSHBUTTON 1 2 3 4 \"ok\"\n");
    ASSERT_EQ(dialogs.size(), 1u);
    ASSERT_EQ(dialogs[0].controls.size(), 1u);
    EXPECT_EQ(dialogs[0].controls[0].id, 3);
}

}  // namespace
}  // namespace quindel
