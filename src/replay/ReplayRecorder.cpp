#include "replay/ReplayRecorder.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "base/UtcTime.h"
#include "base/VirtualKeyCodes.h"
#include "game/Game.h"
#include "messages/Clock.h"
#include "messages/Deadline.h"
#include "replay/LatchedTimeSource.h"
#include "replay/ReplaySink.h"
#include "widgets/CommandIds.h"
#include "widgets/DialogHost.h"
#include "window/GameSetup.h"
#include "window/MainWindow.h"
#include "window/PadKeys.h"

namespace quindel {

namespace {

std::string hex(std::string_view bytes)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

template <std::size_t Size>
std::string hex(const std::array<unsigned char, Size>& bytes)
{
    return hex(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// A value `dialog ID VALUE` carries as it is: printable, not empty, and
// with nothing at its ends the line's reading would trim away.
bool plainValue(std::string_view value)
{
    if (value.empty() || value.front() == ' ' || value.back() == ' ')
        return false;
    return std::all_of(value.begin(), value.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

std::string valueLine(int id, std::string_view value)
{
    if (plainValue(value))
        return "dialog " + std::to_string(id) + " " + std::string(value);
    return "dialog-hex " + std::to_string(id) + " " + hex(value);
}

// The line that opens a dialog in the scripted run. The name entry opens
// by itself at the end of the game. A dialog that run cannot show (About,
// a message box) pauses the game and gives it back as the hall of fame's
// does, so the hall of fame stands in for it.
std::string openingLine(int templateId)
{
    switch (templateId) {
    case dialog::NewGame:
        return "menu " + std::to_string(command::NewGame);
    case dialog::KeyOptions:
        return "menu " + std::to_string(command::Settings);
    case dialog::NameEntry:
        return {};
    default:
        return "menu " + std::to_string(command::Highscores);
    }
}

bool replayedAsItself(int templateId)
{
    return templateId == dialog::NewGame || templateId == dialog::KeyOptions || templateId == dialog::NameEntry
        || templateId == dialog::HallOfFame;
}

std::string dateOf(std::int64_t wallMs)
{
    const std::time_t seconds = static_cast<std::time_t>(wallMs / 1000);
    const std::tm utc = utcOf(seconds);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d UTC", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, static_cast<int>(wallMs % 1000));
    return text;
}

std::int64_t floorDiv(std::int64_t value, std::int64_t by)
{
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

}  // namespace

ReplayRecorder::ReplayRecorder(Game& game, Clock& clock, LatchedTimeSource& seconds, ReplaySink& sink, WallClock wall)
    : game(game), clock(clock), seconds(seconds), sink(sink), wall(std::move(wall))
{}

ReplayRecorder::~ReplayRecorder()
{
    finish();
}

void ReplayRecorder::emit(std::string line)
{
    if (!frames.empty()) {
        frames.back().lines.push_back(std::move(line));
        return;
    }
    line += '\n';
    sink.write(line);
}

std::uint64_t ReplayRecorder::virtualNow() const
{
    return event.open && !event.written ? event.at + event.frames : written;
}

std::uint64_t ReplayRecorder::placeNow() const
{
    const std::int32_t passed = millisecondsUntil(clock.now(), anchorLive);
    std::uint64_t at = anchorVirtual + static_cast<std::uint64_t>(std::max(passed, 0));
    const std::uint64_t now = virtualNow();
    at = std::max(at, now);
    // The live tick has not come yet, however overdue: the replay's must
    // not come first either.
    if (timerRunning && at >= deadline)
        at = deadline > now ? deadline - 1 : now;
    return at;
}

void ReplayRecorder::openEvent(std::uint64_t at, std::string line)
{
    event = Event{true, false, at, 0, std::move(line)};
    anchorLive = clock.now();
    anchorVirtual = at;
}

void ReplayRecorder::ensureEvent()
{
    if (!event.open)
        openEvent(placeNow());
}

void ReplayRecorder::writeEvent()
{
    if (!event.open || event.written)
        return;
    if (const auto second = seconds.latched()) {
        // Whatever it seeds is seeded with base + whole seconds of the clock.
        const std::int64_t needed = *second - floorDiv(static_cast<std::int64_t>(event.at), 1000);
        if (needed != base && needed >= 0) {
            emit("time " + std::to_string(needed));
            base = needed;
        }
    }
    if (event.at > written)
        emit("wait " + std::to_string(event.at - written));
    written = event.at;
    if (!event.line.empty())
        emit(event.line);
    written += event.frames;
    event.written = true;
}

void ReplayRecorder::closeEvent()
{
    writeEvent();
    event = Event{};
}

void ReplayRecorder::messageArrived(const Message& message)
{
    seconds.release();
    if (!recording)
        return;
    switch (message.code) {
    case MessageCode::Timer:
        if (message.wParam == MainWindow::GameTimerId)
            openEvent(timerRunning ? std::max(deadline, virtualNow()) : placeNow());
        break;
    case MessageCode::KeyDown:
    case MessageCode::PadPress: {
        // A pad's press is the key bound to its action now, as the window
        // takes it. An action bound to a key no keyboard sends reaches the
        // replay as nothing: a key line carries only what a keyboard can.
        const std::int32_t key = message.code == MessageCode::KeyDown
            ? static_cast<std::int32_t>(message.wParam & 0xFFFF)
            : keyForPad(static_cast<PadAction>(message.wParam), game);
        // The desktop's repeat of a key the window lets pass does nothing,
        // where the replay's key would act.
        const bool repeat = message.code == MessageCode::KeyDown && (message.lParam & keyflag::Repeat) != 0;
        if (repeat && takesKey && !takesKey(key, true))
            break;
        if (key > 0 && key <= 0xFFFF)
            openEvent(placeNow(), "key " + std::to_string(key));
        break;
    }
    case MessageCode::Command: {
        const auto id = static_cast<int>(message.wParam & 0xFFFF);
        if (id == command::Exit) {
            finish();
            break;
        }
        // The dialog a command opens opens when the command came.
        ensureEvent();
        if (id == command::WatchLastGame) {
            writeEvent();
            openFrame(false, openingLine(dialog::HallOfFame));
        }
        break;
    }
    case MessageCode::Destroy:
        finish();
        break;
    case MessageCode::ActivateApp:
    case MessageCode::EnterMenuLoop:
        // A running game the window pauses when left or when a menu opens
        // is paused in the replay by Escape at that moment, which no
        // binding takes and which pauses it just so.
        if (game.state() == GameState::Playing && frames.empty()) {
            openEvent(placeNow());
            mayPause = true;
        }
        break;
    default:
        break;
    }
}

void ReplayRecorder::messageHandled(const Message& message)
{
    if (!recording) {
        seconds.release();
        return;
    }
    if (message.code == MessageCode::Command && (message.wParam & 0xFFFF) == command::WatchLastGame && !frames.empty()
        && !frames.back().asItself)
        closeFrame(nullptr, OkId);
    if (mayPause && game.state() == GameState::Paused) {
        if (event.open && !event.written)
            event.line = "key " + std::to_string(vk::Escape);
        else
            emit("key " + std::to_string(vk::Escape));
    }
    mayPause = false;
    closeEvent();
    seconds.release();
    if (frames.empty() && game.state() == GameState::GameOver)
        finish();
}

void ReplayRecorder::timerStarted(std::uint32_t ms)
{
    timerRunning = true;
    period = ms;
    if (!recording)
        return;
    ensureEvent();
    const std::uint64_t now = virtualNow();
    deadline = now + ms;
    anchorLive = clock.now();
    anchorVirtual = now;
}

void ReplayRecorder::timerKilled()
{
    timerRunning = false;
}

void ReplayRecorder::frameWaited(std::uint32_t ms)
{
    if (!recording)
        return;
    if (event.open && !event.written)
        event.frames += ms;
    else
        written += ms;
}

void ReplayRecorder::dialogOpened(int templateId)
{
    // What opened it is written first, with the second it seeded with.
    if (recording) {
        writeEvent();
        openFrame(replayedAsItself(templateId), openingLine(templateId));
    }
    seconds.release();
}

void ReplayRecorder::dialogClosed(int templateId, const DialogHost& dialog)
{
    if (!recording) {
        if (templateId == dialog::NewGame && dialog.result() == OkId)
            start(dialog);
        seconds.release();
        return;
    }
    if (frames.empty())
        return;
    if (templateId == dialog::NewGame && dialog.result() == OkId) {
        // A new game in place of this one: this one's replay ends before the
        // dialog that ended it.
        frames.clear();
        event = Event{};
        finish();
        start(dialog);
        seconds.release();
        return;
    }
    const int result = dialog.result() == 0 ? CancelId : dialog.result();
    closeFrame(frames.back().asItself ? &dialog : nullptr, frames.back().asItself ? result : OkId);
    seconds.release();
}

void ReplayRecorder::openFrame(bool asItself, std::string line)
{
    Frame frame;
    frame.asItself = asItself;
    frame.outer = event;
    if (!line.empty())
        frame.lines.push_back(std::move(line));
    frames.push_back(std::move(frame));
    event = Event{};
}

void ReplayRecorder::closeFrame(const DialogHost* dialog, int result)
{
    if (dialog != nullptr)
        valueLines(*dialog);
    // The command that closes it, on the replay's clock when it came.
    ensureEvent();
    event.line = "dialog " + std::to_string(result);
    closeEvent();
    Frame frame = std::move(frames.back());
    frames.pop_back();
    event = frame.outer;
    for (std::string& line : frame.lines)
        emit(std::move(line));
}

void ReplayRecorder::valueLines(const DialogHost& dialog)
{
    // What the player left in the dialog, given just before it closes: all
    // that the dialog's procedure reads when it does.
    for (const ControlTemplate& layout : dialog.layout().controls) {
        const DialogHost::Control* control = dialog.find(layout.id);
        if (control == nullptr)
            continue;
        switch (layout.kind) {
        case ControlKind::RadioButton:
            if (control->checked)
                emit("dialog " + std::to_string(layout.id));
            break;
        case ControlKind::TrackBar:
            emit("dialog " + std::to_string(layout.id) + " " + std::to_string(control->position));
            break;
        case ControlKind::EditField:
            if ((layout.style & StyleReadOnly) == 0)
                emit(valueLine(layout.id, control->text));
            break;
        case ControlKind::ListBox:
            if (const auto selected = dialog.selectedText(layout.id))
                emit(valueLine(layout.id, *selected));
            break;
        default:
            break;
        }
    }
}

void ReplayRecorder::start(const DialogHost& dialog)
{
    // The seeds of the new game's level were read as its Start was
    // handled; the replay starts that second at the same point of its clock
    // as the calendar's, so the seconds go on turning together.
    const std::int64_t now = wall();
    const std::int64_t second = seconds.latched().value_or(floorDiv(now, 1000));
    const auto phase = static_cast<std::uint64_t>(now - floorDiv(now, 1000) * 1000);
    sink.begin(now);
    recording = true;
    written = 0;
    base = second;
    frames.clear();
    event = Event{};
    const Capsule& preview = game.nextCapsule();
    sink.write("# A game of Quindel started " + dateOf(now) + ".\n"
               + "# quindel --script FILE plays it again, quindel --replay FILE shows it.\n");
    emit("time " + std::to_string(second));
    emit("preview " + std::to_string(static_cast<int>(preview.colorA)) + " "
         + std::to_string(static_cast<int>(preview.colorB)));
    emit("highscore " + hex(GameSetup::hallOfFameBytes(game.hallOfFame())));
    emit("settings " + hex(GameSetup::keyBindingBytes(game.keyBindings())));
    emit(openingLine(dialog::NewGame));
    valueLines(dialog);
    if (phase > 0)
        emit("wait " + std::to_string(phase));
    emit("dialog " + std::to_string(OkId));
    written = phase;
    deadline = phase + period;
    anchorLive = clock.now();
    anchorVirtual = phase;
}

void ReplayRecorder::finish()
{
    if (!recording)
        return;
    // Whatever is still open is left as the live game left it: the end of
    // the script cancels a dialog and exits, as the game did.
    closeEvent();
    frames.clear();
    emit("dump");
    emit("hof");
    sink.end();
    recording = false;
}

}  // namespace quindel
