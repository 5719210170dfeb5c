#include "window/KeyOptionsDialog.h"

#include <algorithm>

#include "base/VirtualKeyCodes.h"
#include "game/Game.h"
#include "store/KeyBindings.h"
#include "widgets/DialogHost.h"

namespace quindel {

std::string KeyOptionsDialog::displayName(std::int32_t code)
{
    if (const auto name = keyNameOf(code))
        return std::string(*name);
    // Always one character, even a NUL: a code no key sends (0, or the -1 of
    // a letter the layout cannot type) then begins no item and leaves its
    // list without a selection, instead of landing on "a".
    return std::string(1, static_cast<char>(static_cast<std::uint32_t>(code) & 0xFF));
}

void KeyOptionsDialog::fillKeyList(DialogHost& dialog, int list)
{
    for (char letter = 'a'; letter <= 'z'; ++letter)
        dialog.addString(list, std::string(1, letter));
    for (const KeyName& key : KeyNames)
        dialog.addString(list, key.name);
}

void KeyOptionsDialog::initDialog(DialogHost& dialog)
{
    pause.pauseForDialog();
    const KeyBindings& keys = game.keyBindings();
    // A one-letter name lands on its letter, not on a longer name that begins
    // with it ("S" on "s", not "SPACE"), since the letter sorts first.
    for (const ListSlot& entry : Lists) {
        fillKeyList(dialog, entry.list);
        dialog.selectString(entry.list, displayName(keys.keyFor(entry.slot)));
    }
    dialog.setFocus(MoveLeftList);
}

void KeyOptionsDialog::command(DialogHost& dialog, int controlId)
{
    switch (controlId) {
    case DefaultId:
        // Only shown; nothing is bound until OK.
        selectDefaults(dialog);
        break;
    case OkId:
        bindAndSave(dialog);
        break;
    case CancelId:
        pause.resumeAfterDialog(dialog);
        break;
    default:
        break;
    }
}

bool KeyOptionsDialog::keyPressed(DialogHost& dialog, int virtualKey)
{
    const int focused = dialog.focusedControl();
    const bool onList = std::any_of(Lists.begin(), Lists.end(), [focused](const ListSlot& entry) {
        return entry.list == focused;
    });
    const bool letter = virtualKey >= 'A' && virtualKey <= 'Z';
    const bool named = keyNameOf(virtualKey).has_value() && virtualKey != vk::Tab;
    if (!onList || !(letter || named))
        return false;
    dialog.selectString(focused, displayName(virtualKey));
    return true;
}

void KeyOptionsDialog::destroy(DialogHost& dialog)
{
    pause.resumeAfterDialog(dialog);
}

void KeyOptionsDialog::selectDefaults(DialogHost& dialog)
{
    for (const ListSlot& entry : Lists)
        dialog.selectString(entry.list, displayName(DefaultKeys[static_cast<std::size_t>(keySlotIndex(entry.slot))]));
}

void KeyOptionsDialog::bindAndSave(DialogHost& dialog)
{
    KeyBindings& keys = game.keyBindings();
    struct Binding final {
        KeySlot slot;
        int list;
    };
    constexpr Binding order[] = {
        {KeySlot::MoveLeft, MoveLeftList},   {KeySlot::MoveRight, MoveRightList}, {KeySlot::TurnLeft, TurnLeftList},
        {KeySlot::TurnRight, TurnRightList}, {KeySlot::DropPill, DropPillList},   {KeySlot::Pause, PauseList},
    };
    // A list left without a selection (its code named no item) keeps the
    // slot's code as it is, as a name bindByName does not know would.
    for (const Binding& binding : order)
        if (const auto name = dialog.selectedText(binding.list))
            keys.bindByName(binding.slot, *name);
    keys.save();
    pause.resumeAfterDialog(dialog);
}

}  // namespace quindel
