#include "widgets/DialogHost.h"

#include <gtest/gtest.h>

#include "messages/Clock.h"
#include "messages/MessagePump.h"
#include "widgets/DialogOwner.h"
#include "widgets/DialogProcedure.h"
#include "widgets/DialogTemplate.h"
#include "widgets/UiPlatform.h"

namespace quindel::test {
namespace {

class NoProcedure final : public DialogProcedure {
public:
    void initDialog(DialogHost&) override {}
    void command(DialogHost&, int) override {}
    void destroy(DialogHost&) override {}
};

// A window for a dialog to be opened over, with nothing behind it: the
// controls' rules need no game, no platform and no loop.
class BareOwner final : public DialogOwner, public UiPlatform, public Clock {
public:
    MessagePump& pump() override { return messages; }
    UiPlatform& platform() override { return *this; }
    void forward(const Message&) override {}

    std::optional<Message> waitEvent(std::optional<std::uint32_t>) override { return std::nullopt; }
    Clock& clock() override { return *this; }
    void attach(MessagePump&) override {}
    void present() override {}
    void showMessageBox(std::string_view, std::string_view) override {}
    void dialogOpened(DialogHost&) override {}
    void dialogClosed(DialogHost&) override {}

    std::uint32_t now() const override { return 0; }
    void waitUntil(std::uint32_t) override {}

private:
    MessagePump messages{*this, *this};
};

class DialogHostTest : public ::testing::Test {
protected:
    BareOwner session;
    NoProcedure procedure;
};

TEST_F(DialogHostTest, ASortedListOrdersIgnoringCaseAndSelectsByPrefix)
{
    DialogHost dialog(session, *DialogTemplate::find(118), procedure);
    for (char c = 'a'; c <= 'z'; ++c)
        dialog.addString(1029, std::string(1, c));
    for (const char* name : {"UP", "DOWN", "LEFT", "RIGHT", "CTRL", "SPACE", "PAUSE", "TAB"})
        dialog.addString(1029, name);
    const std::vector<std::string> sorted{
        "a", "b", "c",     "CTRL", "d", "DOWN",  "e", "f",     "g", "h",   "i", "j",  "k", "l", "LEFT", "m", "n",
        "o", "p", "PAUSE", "q",    "r", "RIGHT", "s", "SPACE", "t", "TAB", "u", "UP", "v", "w", "x",    "y", "z"};
    EXPECT_EQ(dialog.find(1029)->items, sorted);

    struct Case {
        const char* prefix;
        const char* selected;  // null: none, the old selection kept
    };
    const Case cases[] = {{"S", "s"}, {"SPACE", "SPACE"}, {"ctrl", "CTRL"}, {"A", "a"},
                          {"U", "u"}, {"UP", "UP"},       {"F1", nullptr},  {"", "a"}};
    for (const Case& c : cases) {
        dialog.find(1029)->selection = -1;
        const int index = dialog.selectString(1029, c.prefix);
        if (c.selected == nullptr) {
            EXPECT_EQ(index, -1) << c.prefix;
            EXPECT_FALSE(dialog.selectedText(1029)) << c.prefix;
        } else {
            EXPECT_EQ(dialog.selectedText(1029).value_or("<none>"), c.selected) << c.prefix;
        }
    }
    // A value names an item whole, any case; an unknown one keeps the selection.
    dialog.giveValue(1029, "space");
    EXPECT_EQ(dialog.selectedText(1029).value_or(""), "SPACE");
    dialog.giveValue(1029, "spac");
    EXPECT_EQ(dialog.selectedText(1029).value_or(""), "SPACE");
}

TEST_F(DialogHostTest, ControlsKeepTheirRulesWhateverIsGiven)
{
    DialogHost newGame(session, *DialogTemplate::find(116), procedure);
    newGame.setRange(1018, 1, 20);
    struct Case {
        const char* value;
        bool taken;
        int position;
    };
    const Case cases[] = {{"5", true, 5},     {"0", true, 1},   {"-3", true, 1},
                          {"+20", true, 20},  {"21", true, 20}, {"99999999999999999999", true, 20},
                          {"abc", false, 20}, {"", false, 20},  {"7x", false, 20},
                          {"-", false, 20},   {"4", true, 4}};
    for (const Case& c : cases) {
        EXPECT_EQ(newGame.giveValue(1018, c.value), c.taken) << c.value;
        EXPECT_EQ(newGame.position(1018), c.position) << c.value;
    }
    newGame.checkRadioButton(1009, 1011, 1011);
    EXPECT_TRUE(newGame.isChecked(1011));
    EXPECT_FALSE(newGame.isChecked(1010));
    newGame.checkRadioButton(1009, 1011, 1009);
    EXPECT_TRUE(newGame.isChecked(1009));
    EXPECT_FALSE(newGame.isChecked(1011));

    DialogHost nameEntry(session, *DialogTemplate::find(117), procedure);
    nameEntry.giveValue(1019, "abc xyz 12");
    EXPECT_EQ(nameEntry.itemText(1019), "ABC XYZ 12");
    DialogHost hallOfFame(session, *DialogTemplate::find(115), procedure);
    hallOfFame.setItemText(1020, "KIVOR");
    hallOfFame.typeText(1020, "x");  // read-only
    EXPECT_EQ(hallOfFame.itemText(1020), "KIVOR");
}

}  // namespace
}  // namespace quindel::test
