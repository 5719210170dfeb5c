#include "widgets/DialogHost.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "base/Ascii.h"
#include "base/VirtualKeyCodes.h"
#include "messages/MessagePump.h"
#include "widgets/DialogOwner.h"
#include "widgets/DialogProcedure.h"
#include "widgets/DialogView.h"
#include "widgets/UiPlatform.h"

namespace quindel {

namespace {

// A track bar value may carry a sign and any number of digits; out-of-range
// values are clamped, so the reading saturates instead of failing.
std::optional<long long> readSignedSaturating(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        if (value < std::numeric_limits<int>::max())
            value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// The names go into highscore.dat byte for byte, so a field takes only what
// one byte holds and any font shows: printable ASCII.
bool isPrintableAscii(char c)
{
    return c >= 0x20 && c <= 0x7E;
}

// Advances in pixels of a plain 8-point dialog font, for the run without a
// window: narrow strokes, ordinary letters, and the widest capitals.
float fixedTextWidth(std::string_view text)
{
    float width = 0.0f;
    for (const char c : text)
        if (std::string_view("iljI.,:;'|!").find(c) != std::string_view::npos)
            width += 3.0f;
        else if (std::string_view("ftr ()[]-\"/").find(c) != std::string_view::npos)
            width += 4.0f;
        else if (std::string_view("mwMW@%").find(c) != std::string_view::npos)
            width += 10.0f;
        else if (c >= 'A' && c <= 'Z')
            width += 8.0f;
        else
            width += 6.0f;
    return width;
}

}  // namespace

DialogHost::DialogHost(DialogOwner& owner, const DialogTemplate& layout, DialogProcedure& procedure)
    : owner(owner), dialogLayout(layout), procedure(procedure)
{
    for (const ControlTemplate& control : layout.controls) {
        Control state;
        state.layout = &control;
        if (control.kind != ControlKind::EditField && control.kind != ControlKind::ListBox)
            state.text = control.text;
        controlStates.push_back(std::move(state));
    }
}

void DialogHost::run()
{
    UiPlatform& platform = owner.platform();
    MessagePump& pump = owner.pump();
    platform.dialogOpened(*this);
    procedure.initDialog(*this);
    platform.present();
    bool destroyAfterwards = false;
    bool quitAfterwards = false;
    while (!ended) {
        const Message message = pump.get();
        if (message.target == MessageTarget::Dialog) {
            if (message.code == MessageCode::Command) {
                lastCommand = static_cast<int>(message.wParam);
                procedure.command(*this, lastCommand);
                if (ended && endedBy == 0)
                    endedBy = lastCommand;
            }
            continue;
        }
        switch (message.code) {
        case MessageCode::KeyDown:
            key(static_cast<int>(message.wParam), (message.lParam & keyflag::Shift) != 0);
            break;
        case MessageCode::PadPress:
            pad(static_cast<PadAction>(message.wParam));
            break;
        case MessageCode::Destroy:
            // The main window is closing under the dialog: close the dialog
            // first, as if cancelled, then let the window go.
            destroyAfterwards = true;
            cancel();
            break;
        case MessageCode::Quit:
            quitAfterwards = true;
            cancel();
            break;
        case MessageCode::Paint:
        case MessageCode::Timer:
            owner.forward(message);
            break;
        default:
            // Menu commands and system keys wait: the menu is not reachable
            // while a modal dialog is open.
            break;
        }
    }
    procedure.destroy(*this);
    platform.dialogClosed(*this);
    platform.present();
    if (destroyAfterwards)
        pump.post(Message{MessageTarget::MainWindow, MessageCode::Destroy});
    if (quitAfterwards)
        pump.postQuit();
}

DialogHost::Control* DialogHost::find(int controlId)
{
    if (controlId == -1)
        return nullptr;
    for (Control& control : controlStates)
        if (control.layout->id == controlId)
            return &control;
    return nullptr;
}

const DialogHost::Control* DialogHost::find(int controlId) const
{
    return const_cast<DialogHost*>(this)->find(controlId);
}

void DialogHost::checkRadioButton(int firstId, int lastId, int checkId)
{
    for (Control& control : controlStates) {
        const int id = control.layout->id;
        if (id >= firstId && id <= lastId && control.layout->kind == ControlKind::RadioButton)
            control.checked = id == checkId;
    }
}

bool DialogHost::isChecked(int controlId) const
{
    const Control* control = find(controlId);
    return control != nullptr && control->checked;
}

void DialogHost::setRange(int controlId, int low, int high)
{
    Control* control = find(controlId);
    if (control == nullptr)
        return;
    control->rangeMin = low;
    control->rangeMax = std::max(low, high);
    control->position = std::clamp(control->position, control->rangeMin, control->rangeMax);
}

int DialogHost::position(int controlId) const
{
    const Control* control = find(controlId);
    return control != nullptr ? control->position : 0;
}

void DialogHost::slide(int controlId, int value)
{
    Control* control = find(controlId);
    if (control == nullptr)
        return;
    const int before = control->position;
    setPosition(controlId, value);
    if (control->position != before)
        procedure.valueChanged(*this, controlId);
}

void DialogHost::setPosition(int controlId, int value)
{
    if (Control* control = find(controlId))
        control->position = std::clamp(value, control->rangeMin, control->rangeMax);
}

void DialogHost::setTrackFormat(int controlId, std::string format)
{
    if (Control* control = find(controlId))
        control->trackFormat = std::move(format);
}

void DialogHost::setItemText(int controlId, std::string_view text)
{
    Control* control = find(controlId);
    if (control == nullptr)
        return;
    control->text = text;
    // An upper-case field turns whatever it is given, not only what is typed.
    if (control->layout->kind == ControlKind::EditField && (control->layout->style & StyleUpperCase) != 0)
        std::transform(control->text.begin(), control->text.end(), control->text.begin(), ascii::toUpper);
}

std::string DialogHost::itemText(int controlId) const
{
    const Control* control = find(controlId);
    return control != nullptr ? control->text : std::string{};
}

void DialogHost::addString(int controlId, std::string_view text)
{
    Control* control = find(controlId);
    if (control == nullptr || control->layout->kind != ControlKind::ListBox)
        return;
    auto at = control->items.end();
    if ((control->layout->style & StyleSort) != 0)
        at = std::upper_bound(control->items.begin(), control->items.end(), text,
                              [](std::string_view a, const std::string& b) { return ascii::lessIgnoringCase(a, b); });
    const auto index = static_cast<int>(at - control->items.begin());
    control->items.insert(at, std::string(text));
    if (control->selection >= index)
        ++control->selection;
}

int DialogHost::selectString(int controlId, std::string_view prefix)
{
    Control* control = find(controlId);
    if (control == nullptr)
        return -1;
    for (std::size_t i = 0; i < control->items.size(); ++i)
        if (ascii::startsIgnoringCase(control->items[i], prefix)) {
            control->selection = static_cast<int>(i);
            return control->selection;
        }
    return -1;
}

std::optional<std::string> DialogHost::selectedText(int controlId) const
{
    const Control* control = find(controlId);
    if (control == nullptr || control->selection < 0 || control->selection >= static_cast<int>(control->items.size()))
        return std::nullopt;
    return control->items[static_cast<std::size_t>(control->selection)];
}

void DialogHost::click(int controlId)
{
    if (controlId == CancelId) {
        cancel();
        return;
    }
    const Control* control = find(controlId);
    if (control == nullptr)
        return;
    switch (control->layout->kind) {
    case ControlKind::DefaultPushButton:
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
        post(controlId);
        break;
    default:
        break;
    }
}

namespace {

bool takesFocus(const DialogHost::Control& control)
{
    switch (control.layout->kind) {
    case ControlKind::StaticText:
    case ControlKind::GroupBox:
        return false;
    case ControlKind::RadioButton:
        // A group of radio buttons is one stop, at its checked button.
        return control.checked;
    default:
        return (control.layout->style & StyleTabStop) != 0;
    }
}

bool typesText(const DialogHost::Control& control)
{
    return control.layout->kind == ControlKind::EditField && (control.layout->style & StyleReadOnly) == 0;
}

bool isPushButton(const DialogHost::Control& control)
{
    return control.layout->kind == ControlKind::PushButton || control.layout->kind == ControlKind::DefaultPushButton;
}

// The letters a pad's player steps through in a name: what the keyboard
// would type most, in the order an arcade's name entry offers them.
constexpr std::string_view PadLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .-";

}  // namespace

int DialogHost::nextFocus(bool backwards) const
{
    const auto count = static_cast<int>(controlStates.size());
    int at = -1;
    for (int i = 0; i < count; ++i)
        if (controlStates[static_cast<std::size_t>(i)].layout->id == focusId)
            at = i;
    for (int step = 1; step <= count; ++step) {
        const int index = ((at < 0 ? (backwards ? 0 : -1) : at) + (backwards ? -step : step) + 2 * count) % count;
        const Control& candidate = controlStates[static_cast<std::size_t>(index)];
        if (takesFocus(candidate))
            return candidate.layout->id;
    }
    return focusId;
}

void DialogHost::moveFocus(bool backwards)
{
    setFocus(nextFocus(backwards));
}

void DialogHost::stepRadio(int step)
{
    // The group: from the radio button that starts it to the next start.
    std::vector<int> group;
    bool inFocusedGroup = false;
    for (const Control& control : controlStates) {
        if (control.layout->kind != ControlKind::RadioButton) {
            if (inFocusedGroup)
                break;
            group.clear();
            continue;
        }
        if ((control.layout->style & StyleGroup) != 0) {
            if (inFocusedGroup)
                break;
            group.clear();
        }
        group.push_back(control.layout->id);
        inFocusedGroup = inFocusedGroup || control.layout->id == focusId;
    }
    if (!inFocusedGroup || group.empty())
        return;
    const auto at = std::find(group.begin(), group.end(), focusId) - group.begin();
    const auto count = static_cast<std::ptrdiff_t>(group.size());
    const int reached = group[static_cast<std::size_t>((at + step + count) % count)];
    setFocus(reached);
    // The dialog is told as by a click, and checks the button itself.
    click(reached);
}

void DialogHost::stepTrackBar(Control& control, int virtualKey)
{
    const int id = control.layout->id;
    switch (virtualKey) {
    case vk::Left:
    case vk::Up:
        slide(id, control.position - 1);
        break;
    case vk::Right:
    case vk::Down:
        slide(id, control.position + 1);
        break;
    case vk::PageUp:
        slide(id, control.position - 5);
        break;
    case vk::PageDown:
        slide(id, control.position + 5);
        break;
    case vk::Home:
        slide(id, control.rangeMin);
        break;
    case vk::End:
        slide(id, control.rangeMax);
        break;
    default:
        break;
    }
}

void DialogHost::stepList(Control& control, int virtualKey)
{
    const int last = static_cast<int>(control.items.size()) - 1;
    if (last < 0)
        return;
    int selection = control.selection;
    switch (virtualKey) {
    case vk::Up:
        selection = selection < 0 ? 0 : selection - 1;
        break;
    case vk::Down:
        selection = selection + 1;
        break;
    case vk::PageUp:
        selection = selection - 3;
        break;
    case vk::PageDown:
        selection = selection < 0 ? 2 : selection + 3;
        break;
    case vk::Home:
        selection = 0;
        break;
    case vk::End:
        selection = last;
        break;
    default:
        return;
    }
    control.selection = std::clamp(selection, 0, last);
}

void DialogHost::pressDefault()
{
    // A push button with the focus answers Enter; else the default one.
    const Control* focused = find(focusId);
    if (focused != nullptr && isPushButton(*focused)) {
        click(focused->layout->id);
        return;
    }
    for (const Control& control : controlStates)
        if (control.layout->kind == ControlKind::DefaultPushButton) {
            click(control.layout->id);
            return;
        }
    post(OkId);
}

void DialogHost::key(int virtualKey, bool shift)
{
    if (procedure.keyPressed(*this, virtualKey))
        return;
    Control* focused = find(focusId);
    switch (virtualKey) {
    case vk::Return:
        pressDefault();
        return;
    case vk::Escape:
        cancel();
        return;
    case vk::Tab:
        moveFocus(shift);
        return;
    default:
        break;
    }
    // What an edit field types with is the field's (the window's text input
    // puts it there).
    if (focused == nullptr || typesText(*focused))
        return;
    switch (focused->layout->kind) {
    case ControlKind::RadioButton:
        if (virtualKey == vk::Left || virtualKey == vk::Up)
            stepRadio(-1);
        else if (virtualKey == vk::Right || virtualKey == vk::Down)
            stepRadio(1);
        else if (virtualKey == vk::Space)
            click(focusId);
        break;
    case ControlKind::TrackBar:
        stepTrackBar(*focused, virtualKey);
        break;
    case ControlKind::ListBox:
        stepList(*focused, virtualKey);
        break;
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton:
        if (virtualKey == vk::Space)
            click(focusId);
        else if (virtualKey == vk::Left || virtualKey == vk::Up)
            moveFocus(true);
        else if (virtualKey == vk::Right || virtualKey == vk::Down)
            moveFocus(false);
        break;
    default:
        break;
    }
}

void DialogHost::padLetter(Control& field, PadAction action)
{
    std::string& text = field.text;
    const auto letterAt = [](char c) {
        const std::size_t at = PadLetters.find(ascii::toUpper(c));
        return at == std::string_view::npos ? std::size_t{0} : at;
    };
    switch (action) {
    case PadAction::Up:
    case PadAction::Down: {
        if (text.empty()) {
            typeText(field.layout->id, std::string(1, PadLetters.front()));
            break;
        }
        const std::size_t count = PadLetters.size();
        const std::size_t now = letterAt(text.back());
        const char next = PadLetters[(now + (action == PadAction::Up ? 1 : count - 1)) % count];
        text.pop_back();
        typeText(field.layout->id, std::string(1, next));
        break;
    }
    case PadAction::Right:
        // A new letter starts where the last one stood in the alphabet's
        // beginning; one that would not fit is not added.
        typeText(field.layout->id, std::string(1, PadLetters.front()));
        break;
    case PadAction::Left:
        if (!text.empty())
            text.pop_back();
        break;
    default:
        return;
    }
    ++field.textRevision;
}

void DialogHost::pad(PadAction action)
{
    Control* focused = find(focusId);
    switch (action) {
    case PadAction::B:
        cancel();
        return;
    case PadAction::Start:
        pressDefault();
        return;
    case PadAction::A:
        if (focused != nullptr && (isPushButton(*focused) || focused->layout->kind == ControlKind::RadioButton))
            click(focusId);
        else
            pressDefault();
        return;
    case PadAction::Back:
        return;
    default:
        break;
    }
    const bool forward = action == PadAction::Right || action == PadAction::Down;
    if (focused != nullptr && typesText(*focused)) {
        padLetter(*focused, action);
        return;
    }
    const bool vertical = action == PadAction::Up || action == PadAction::Down;
    if (focused != nullptr) {
        switch (focused->layout->kind) {
        case ControlKind::ListBox:
            if (vertical) {
                stepList(*focused, forward ? vk::Down : vk::Up);
                return;
            }
            break;
        case ControlKind::RadioButton:
            if (vertical) {
                stepRadio(forward ? 1 : -1);
                return;
            }
            break;
        case ControlKind::TrackBar:
            if (!vertical) {
                stepTrackBar(*focused, forward ? vk::Right : vk::Left);
                return;
            }
            break;
        default:
            break;
        }
    }
    moveFocus(!forward);
}

bool DialogHost::giveValue(int controlId, std::string_view value)
{
    Control* control = find(controlId);
    if (control == nullptr)
        return true;
    switch (control->layout->kind) {
    case ControlKind::TrackBar: {
        const auto number = readSignedSaturating(value);
        if (!number)
            return false;
        slide(controlId, static_cast<int>(std::clamp<long long>(*number, control->rangeMin, control->rangeMax)));
        break;
    }
    case ControlKind::EditField:
        // Nothing can be typed into a read-only field, so it keeps its text.
        if ((control->layout->style & StyleReadOnly) != 0)
            break;
        control->text.clear();
        typeText(controlId, value);
        break;
    case ControlKind::ListBox:
        for (std::size_t i = 0; i < control->items.size(); ++i)
            if (ascii::equalIgnoringCase(control->items[i], value)) {
                control->selection = static_cast<int>(i);
                break;
            }
        break;
    default:
        break;
    }
    return true;
}

void DialogHost::typeText(int controlId, std::string_view text)
{
    Control* control = find(controlId);
    if (control == nullptr || control->layout->kind != ControlKind::EditField
        || (control->layout->style & StyleReadOnly) != 0)
        return;
    for (const char c : text)
        if (const auto taken = typedChar(controlId, c))
            control->text += *taken;
}

std::optional<char> DialogHost::typedChar(int controlId, char c) const
{
    const Control* control = find(controlId);
    if (control == nullptr || !isPrintableAscii(c))
        return std::nullopt;
    if ((control->layout->style & StyleUpperCase) != 0)
        c = ascii::toUpper(c);
    if (!textFits(controlId, control->text + c))
        return std::nullopt;
    return c;
}

bool DialogHost::textFits(int controlId, std::string_view text) const
{
    const Control* control = find(controlId);
    if (control == nullptr || (control->layout->style & StyleAutoHScroll) != 0)
        return true;
    const float room =
        static_cast<float>(DialogView::unitsToPixelsX(control->layout->rect.width)) - 2.0f * DialogView::EditMargin;
    const float width = textWidth ? textWidth(text) : fixedTextWidth(text);
    return width <= room;
}

std::optional<int> DialogHost::takeFocusRequest()
{
    if (!focusPending)
        return std::nullopt;
    focusPending = false;
    return focusId;
}

void DialogHost::post(int controlId)
{
    owner.pump().post(Message{MessageTarget::Dialog, MessageCode::Command, static_cast<std::uint32_t>(controlId), 0});
}

}  // namespace quindel
