#include "window/VersusDialog.h"

#include <algorithm>
#include <string>

#include "base/VirtualKeyCodes.h"
#include "store/KeySlot.h"
#include "widgets/DialogHost.h"
#include "window/KeyOptionsDialog.h"
#include "window/NewGameDialog.h"
#include "window/PlayerSettings.h"

namespace quindel {

namespace {

// The key a list's item stands for: a letter's own code, or a named key's.
std::optional<int> codeOfName(const std::string& name)
{
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z')
        return name[0] - 'a' + 'A';
    for (const KeyName& key : KeyNames)
        if (key.name == name)
            return key.code;
    return std::nullopt;
}

}  // namespace

void VersusDialog::initDialog(DialogHost& dialog)
{
    // A single game waits under the dialog, and goes on if it is cancelled.
    pause.pauseForDialog();
    const Preferences& p = settings.values();
    dialog.checkRadioButton(SecondPlayerId, ComputerId, p.versusComputer ? ComputerId : SecondPlayerId);
    dialog.checkRadioButton(EasyId, HardId, EasyId + std::clamp(p.versusSpeed, 0, 2));
    const auto bar = [&dialog](int id, int low, int high, const char* format, int value) {
        dialog.setRange(id, low, high);
        dialog.setTrackFormat(id, format);
        dialog.setPosition(id, value);
    };
    bar(StrengthBarId, 1, 3, "strength %d", p.versusStrength);
    bar(LevelOneBarId, 1, 20, "level %d", p.versusLevelOne);
    bar(LevelTwoBarId, 1, 20, "level %d", p.versusLevelTwo);
    bar(RoundsBarId, 1, VersusSettings::MostRoundsToWin, "%d to win", p.versusRounds);
    // Player two's keys are chosen from the same names as player one's.
    for (std::size_t slot = 0; slot < PlayerTwoLists.size(); ++slot) {
        KeyOptionsDialog::fillKeyList(dialog, PlayerTwoLists[slot]);
        dialog.selectString(PlayerTwoLists[slot], KeyOptionsDialog::displayName(p.playerTwoKeys[slot]));
    }
    dialog.setFocus(LevelOneBarId);
}

VersusSettings VersusDialog::chosen(const DialogHost& dialog)
{
    VersusSettings match;
    match.computerOpponent = dialog.isChecked(ComputerId);
    match.strength = dialog.position(StrengthBarId);
    match.levels = {static_cast<std::uint32_t>(dialog.position(LevelOneBarId) - 1),
                    static_cast<std::uint32_t>(dialog.position(LevelTwoBarId) - 1)};
    // The same three speeds as a single game's.
    const int speed = dialog.isChecked(EasyId) ? NewGameDialog::EasyId
        : dialog.isChecked(HardId)             ? NewGameDialog::HardId
                                               : NewGameDialog::NormalId;
    match.interval = NewGameDialog::intervalOf(speed);
    match.roundsToWin = dialog.position(RoundsBarId);
    return match;
}

void VersusDialog::command(DialogHost& dialog, int controlId)
{
    switch (controlId) {
    case SecondPlayerId:
    case ComputerId:
        dialog.checkRadioButton(SecondPlayerId, ComputerId, controlId);
        break;
    case EasyId:
    case MediumId:
    case HardId:
        dialog.checkRadioButton(EasyId, HardId, controlId);
        break;
    case OkId: {
        const VersusSettings match = chosen(dialog);
        const int speed = dialog.isChecked(EasyId) ? 0 : dialog.isChecked(HardId) ? 2 : 1;
        // A list left without a selection keeps its key.
        std::array<int, 6> keys = settings.values().playerTwoKeys;
        for (std::size_t slot = 0; slot < PlayerTwoLists.size(); ++slot)
            if (const std::optional<std::string> name = dialog.selectedText(PlayerTwoLists[slot]))
                keys[slot] = codeOfName(*name).value_or(keys[slot]);
        settings.change([&match, speed, &keys](Preferences& p) {
            p.playerTwoKeys = keys;
            p.versusComputer = match.computerOpponent;
            p.versusStrength = match.strength;
            p.versusLevelOne = static_cast<int>(match.levels[0]) + 1;
            p.versusLevelTwo = static_cast<int>(match.levels[1]) + 1;
            p.versusSpeed = speed;
            p.versusRounds = match.roundsToWin;
        });
        started = match;
        pause.resumeAfterDialog(dialog);
        break;
    }
    case CancelId:
        pause.resumeAfterDialog(dialog);
        break;
    default:
        break;
    }
}

bool VersusDialog::keyPressed(DialogHost& dialog, int virtualKey)
{
    const int focused = dialog.focusedControl();
    const bool onList = std::find(PlayerTwoLists.begin(), PlayerTwoLists.end(), focused) != PlayerTwoLists.end();
    const bool letter = virtualKey >= 'A' && virtualKey <= 'Z';
    const bool named = keyNameOf(virtualKey).has_value() && virtualKey != vk::Tab;
    if (!onList || !(letter || named))
        return false;
    dialog.selectString(focused, KeyOptionsDialog::displayName(virtualKey));
    return true;
}

void VersusDialog::destroy(DialogHost& dialog)
{
    pause.resumeAfterDialog(dialog);
}

}  // namespace quindel
