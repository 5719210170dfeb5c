#include "widgets/DialogHost.h"

#include <gtest/gtest.h>

#include "base/VirtualKeyCodes.h"
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
    bool showsMessageBoxes() const override { return false; }
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

// Stands in for a dialog's procedure: checks the radio button clicked, as
// the new-game dialog does, and keeps every command it gets.
class Recorder final : public DialogProcedure {
public:
    std::vector<int> commands;
    void initDialog(DialogHost&) override {}
    void command(DialogHost& dialog, int id) override
    {
        commands.push_back(id);
        if (id >= 1009 && id <= 1011)
            dialog.checkRadioButton(1009, 1011, id);
    }
    void destroy(DialogHost&) override {}
};

// What one key or pad press does: where the focus is then, and what the
// dialog was told.
struct Press final {
    int key = 0;  // a virtual-key code, or 0 for the pad
    bool shift = false;
    PadAction pad = PadAction::Back;
    int focus = 0;
    std::vector<int> commands;
};

Press key(int code, int focus, std::vector<int> commands = {}, bool shift = false)
{
    return Press{code, shift, PadAction::Back, focus, std::move(commands)};
}

Press pad(PadAction action, int focus, std::vector<int> commands = {})
{
    return Press{0, false, action, focus, std::move(commands)};
}

void play(BareOwner& owner, DialogHost& dialog, Recorder& recorder, const std::vector<Press>& presses)
{
    for (std::size_t i = 0; i < presses.size(); ++i) {
        const Press& press = presses[i];
        recorder.commands.clear();
        if (press.key != 0)
            dialog.key(press.key, press.shift);
        else
            dialog.pad(press.pad);
        while (owner.pump().hasPosted()) {
            const Message message = owner.pump().get();
            recorder.command(dialog, static_cast<int>(message.wParam));
        }
        EXPECT_EQ(dialog.focusedControl(), press.focus) << "press " << i;
        EXPECT_EQ(recorder.commands, press.commands) << "press " << i;
    }
}

TEST_F(DialogHostTest, TheKeyboardMovesTheFocusInTemplateOrderAndWorksWhatItReaches)
{
    Recorder recorder;
    DialogHost dialog(session, *DialogTemplate::find(116), recorder);
    dialog.checkRadioButton(1009, 1011, 1010);
    dialog.setRange(1018, 1, 20);
    dialog.setFocus(1018);
    play(session, dialog, recorder,
         {
             key(vk::Tab, 1), key(vk::Tab, 2),
             // A group of radio buttons is one stop, at its checked button.
             key(vk::Tab, 1010), key(vk::Tab, 1018), key(vk::Tab, 1010, {}, true), key(vk::Tab, 2, {}, true),
             key(vk::Tab, 1010),
             // Arrows go round the group, clicking what they reach.
             key(vk::Down, 1011, {1011}), key(vk::Down, 1009, {1009}), key(vk::Left, 1011, {1011}),
             key(vk::Space, 1011, {1011}), key(vk::Tab, 1018),
             // The track bar steps; Enter away from a button is the default's.
             key(vk::Right, 1018), key(vk::Right, 1018), key(vk::PageDown, 1018), key(vk::Return, 1018, {1}),
             key(vk::Tab, 1), key(vk::Tab, 2), key(vk::Space, 2, {2}), key(vk::Return, 2, {2}),
             key(vk::Escape, 2, {2}),
         });
    EXPECT_TRUE(dialog.isChecked(1011));
    EXPECT_EQ(dialog.position(1018), 8);
    dialog.setFocus(1018);
    dialog.key(vk::End);
    EXPECT_EQ(dialog.position(1018), 20);
    dialog.key(vk::Home);
    EXPECT_EQ(dialog.position(1018), 1);
}

TEST_F(DialogHostTest, APadSpellsANameAndSteersListsAndButtons)
{
    Recorder recorder;
    DialogHost nameEntry(session, *DialogTemplate::find(117), recorder);
    nameEntry.setFocus(1019);
    const std::vector<std::pair<PadAction, const char*>> letters = {
        {PadAction::Up, "A"},   {PadAction::Right, "AA"}, {PadAction::Up, "AB"}, {PadAction::Up, "AC"},
        {PadAction::Down, "AB"}, {PadAction::Left, "A"},   {PadAction::Down, "-"}, {PadAction::Up, "A"},
    };
    for (const auto& [action, text] : letters) {
        nameEntry.pad(action);
        EXPECT_EQ(nameEntry.itemText(1019), text);
    }
    play(session, nameEntry, recorder, {pad(PadAction::A, 1019, {1}), pad(PadAction::B, 1019, {2})});

    DialogHost keys(session, *DialogTemplate::find(118), recorder);
    keys.addString(1029, "a");
    keys.addString(1029, "b");
    keys.setFocus(1029);
    play(session, keys, recorder,
         {pad(PadAction::Down, 1029), pad(PadAction::Down, 1029), pad(PadAction::Right, 1030),
          pad(PadAction::Left, 1029), pad(PadAction::Start, 1029, {1}), pad(PadAction::Left, 1036),
          pad(PadAction::A, 1036, {1036})});
    EXPECT_EQ(keys.selectedText(1029).value_or(""), "b");
}

}  // namespace
}  // namespace quindel::test
