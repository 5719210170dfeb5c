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
            if (message.code == MessageCode::Command)
                procedure.command(*this, static_cast<int>(message.wParam));
            continue;
        }
        switch (message.code) {
        case MessageCode::KeyDown:
            key(static_cast<int>(message.wParam));
            break;
        case MessageCode::PadPress:
            key(owner.padKey(static_cast<PadAction>(message.wParam)));
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

void DialogHost::setPosition(int controlId, int value)
{
    if (Control* control = find(controlId))
        control->position = std::clamp(value, control->rangeMin, control->rangeMax);
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

void DialogHost::key(int virtualKey)
{
    if (virtualKey == vk::Return)
        post(OkId);
    else if (virtualKey == vk::Escape)
        cancel();
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
        control->position = static_cast<int>(std::clamp<long long>(*number, control->rangeMin, control->rangeMax));
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
