#include "playback/GuestPlatform.h"

#include <algorithm>

#include "base/VirtualKeyCodes.h"
#include "core/RedrawRequest.h"
#include "messages/Deadline.h"
#include "messages/MessagePump.h"
#include "messages/PadInput.h"
#include "sdl/SdlPlatform.h"
#include "window/MainWindow.h"

namespace quindel {

GuestPlatform::GuestPlatform(SdlPlatform& window, ScriptSource& script, Mode mode, std::ostream& errors,
                             MessagePump* outerPump)
    : window(window), mode(mode), outerPump(outerPump), scripted(script, silent, errors, nullptr)
{
    realAnchor = window.clock().now();
    pressesAtStart = window.pressCount();
    scripted.time().setPace([this](std::uint64_t from, std::uint64_t to) { pace(from, to); });
}

GuestPlatform::~GuestPlatform()
{
    for (const Message& message : outerPosts)
        outerPump->post(message);
}

std::optional<Message> GuestPlatform::waitEvent(std::optional<std::uint32_t> deadline)
{
    if (paintPending) {
        paintPending = false;
        return Message{MessageTarget::MainWindow, MessageCode::Paint,
                       static_cast<std::uint32_t>(RedrawRequest::RedrawFull), 0};
    }
    waiting = true;
    const std::optional<Message> message = scripted.waitEvent(deadline);
    waiting = false;
    return message;
}

void GuestPlatform::present()
{
    if (overlay)
        overlay();
    window.present();
}

void GuestPlatform::dialogOpened(DialogHost& dialog)
{
    scripted.dialogOpened(dialog);
    // The demo's player never enters a name: its dialog is not shown.
    if (mode == Mode::Replay)
        window.dialogOpened(dialog);
}

void GuestPlatform::dialogClosed(DialogHost& dialog)
{
    scripted.dialogClosed(dialog);
    if (mode == Mode::Replay)
        window.dialogClosed(dialog);
}

std::uint64_t GuestPlatform::positionNow(std::uint64_t from, std::uint64_t to) const
{
    if (paused)
        return pausedAt;
    const std::int32_t passed = millisecondsUntil(window.clock().now(), realAnchor);
    const std::uint64_t position = virtualAnchor + static_cast<std::uint64_t>(std::max(passed, 0)) * factor;
    return std::clamp(position, from, std::max(from, to));
}

void GuestPlatform::pace(std::uint64_t from, std::uint64_t to)
{
    // Once ended, whatever is left (the last frames of a clearing, the end
    // of the script) passes at once.
    while (!ended) {
        std::optional<std::uint32_t> due;
        if (!paused) {
            const std::uint64_t ahead =
                to > virtualAnchor ? (to - virtualAnchor) / static_cast<std::uint64_t>(factor) : 0;
            const std::uint32_t at = realAnchor + static_cast<std::uint32_t>(ahead);
            if (isAtOrBefore(at, window.clock().now()))
                return;
            due = at;
        }
        if (const std::optional<Message> event = window.waitEvent(due))
            take(*event, from, to);
    }
}

void GuestPlatform::hold(std::uint32_t ms)
{
    const std::uint32_t until = window.clock().now() + ms;
    while (!ended && isEarlier(window.clock().now(), until))
        if (const std::optional<Message> event = window.waitEvent(until))
            take(*event, 0, 0);
}

void GuestPlatform::take(const Message& event, std::uint64_t from, std::uint64_t to)
{
    switch (event.code) {
    case MessageCode::Destroy:
        stop(Ending::Closed);
        return;
    case MessageCode::ActivateApp:
        // Nobody is watching a demo in a window left or minimised.
        if (mode == Mode::Demo && event.wParam == 0) {
            stop(Ending::Left);
            return;
        }
        break;
    case MessageCode::Paint:
        // Between two of the game's events the window can draw at once; in
        // the middle of one (a clearing's frame) it draws when it is over.
        if (waiting && guest != nullptr)
            guest->sendMessage(event);
        else
            paintPending = true;
        break;
    case MessageCode::KeyDown:
    case MessageCode::SysKeyDown:
    case MessageCode::PadPress:
        if (mode == Mode::Demo) {
            stop(Ending::Stopped);
            return;
        }
        if (event.code == MessageCode::KeyDown) {
            const auto key = static_cast<std::int32_t>(event.wParam & 0xFFFF);
            if (key == '1' || key == '2' || key == '4')
                setSpeed(key - '0', from, to);
            else if (key == vk::Pause)
                togglePause(from, to);
            else if (key == vk::Escape)
                stop(Ending::Stopped);
        } else if (event.code == MessageCode::PadPress) {
            const auto action = static_cast<PadAction>(event.wParam);
            if (action == PadAction::Start)
                togglePause(from, to);
            else if (action == PadAction::B)
                stop(Ending::Stopped);
        }
        break;
    default:
        break;
    }
    // A click ends the demo as a key does.
    if (mode == Mode::Demo && window.pressCount() != pressesAtStart)
        stop(Ending::Stopped);
    takeOuterPosts();
}

void GuestPlatform::takeOuterPosts()
{
    if (outerPump == nullptr)
        return;
    bool command = false;
    while (outerPump->hasPosted()) {
        outerPosts.push_back(outerPump->get());
        command = command || outerPosts.back().code == MessageCode::Command;
    }
    if (command)
        stop(Ending::Stopped);
}

void GuestPlatform::setSpeed(int value, std::uint64_t from, std::uint64_t to)
{
    if (!paused) {
        virtualAnchor = positionNow(from, to);
        realAnchor = window.clock().now();
    }
    factor = value;
}

void GuestPlatform::togglePause(std::uint64_t from, std::uint64_t to)
{
    if (!paused) {
        pausedAt = positionNow(from, to);
        paused = true;
        return;
    }
    paused = false;
    virtualAnchor = pausedAt;
    realAnchor = window.clock().now();
}

void GuestPlatform::stop(Ending why)
{
    if (ended)
        return;
    ended = true;
    end = why;
    paused = false;
    scripted.stop();
}

}  // namespace quindel
