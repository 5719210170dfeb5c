#include "script/ScriptPlatform.h"

#include <algorithm>

#include "base/VirtualKeyCodes.h"
#include "widgets/CommandIds.h"
#include "widgets/DialogHost.h"

namespace quindel {

namespace {

void report(const std::function<void()>& print)
{
    if (print)
        print();
}

}  // namespace

ScriptPlatform::ScriptPlatform(ScriptSource& script, std::ostream& out, std::ostream& errors, Failure fail)
    : script(script), out(out), errors(errors), fail(fail)
{}

std::optional<Message> ScriptPlatform::waitEvent(std::optional<std::uint32_t> deadline)
{
    for (;;) {
        // A wait goes on only at the dialog depth it was read at: a dialog
        // that opens during it takes the following lines first.
        if (!waits.empty() && waits.back().dialogDepth == dialogs.size()) {
            const std::uint64_t end = waits.back().end;
            if (deadline) {
                const std::uint64_t due = virtualClock.absolute(*deadline);
                if (due <= end) {
                    virtualClock.advanceTo(due);
                    return std::nullopt;
                }
            }
            virtualClock.advanceTo(end);
            waits.pop_back();
            continue;
        }
        // Whoever feeds the script through a pipe sees the answer to each
        // line before the game waits for the next.
        out.flush();
        const ScriptSource::Status status = script.next(line);
        if (status == ScriptSource::Status::End)
            return endOfScript();
        ++lineNumber;
        if (status == ScriptSource::Status::TooLong)
            reject("longer than " + std::to_string(ScriptSource::MaxLine) + " bytes", false);
        if (status == ScriptSource::Status::Failed)
            reject("cannot be read (" + script.error() + ")", false);
        const ScriptCommand::Parsed parsed = ScriptCommand::parse(line);
        if (!parsed.command)
            reject(parsed.error);
        if (auto message = execute(*parsed.command))
            return message;
    }
}

std::optional<Message> ScriptPlatform::execute(const ScriptCommand& command)
{
    using Kind = ScriptCommand::Kind;
    switch (command.kind) {
    case Kind::Nothing:
        return std::nullopt;
    case Kind::Time:
        virtualClock.setBase(static_cast<std::int64_t>(command.number));
        return std::nullopt;
    case Kind::Key:
        if (!dialogs.empty()) {
            // A script speaks to a dialog with two keys only: Enter clicks
            // its default button, Escape cancels; any other key changes
            // nothing (the dialog's own keyboard rules are the window's).
            if (command.number == vk::Return)
                dialogs.back()->click(OkId);
            else if (command.number == vk::Escape)
                dialogs.back()->cancel();
            return Message{};
        }
        return Message{MessageTarget::MainWindow, MessageCode::KeyDown, static_cast<std::uint32_t>(command.number), 0};
    case Kind::Menu:
        if (!dialogs.empty())
            reject("a menu command while a dialog is open");
        return Message{MessageTarget::MainWindow, MessageCode::Command, static_cast<std::uint32_t>(command.number), 0};
    case Kind::Wait:
        waits.push_back(PendingWait{virtualClock.elapsed() + command.number, dialogs.size()});
        return std::nullopt;
    case Kind::Dialog: {
        if (dialogs.empty())
            reject("no dialog is open");
        DialogHost& dialog = *dialogs.back();
        const int id = static_cast<int>(command.number);
        const DialogHost::Control* control = dialog.find(id);
        if (control == nullptr && id != CancelId)
            reject("the open dialog has no control " + std::to_string(id));
        const bool clickable = control == nullptr || control->layout->kind == ControlKind::PushButton
            || control->layout->kind == ControlKind::DefaultPushButton
            || control->layout->kind == ControlKind::RadioButton;
        if (command.text) {
            if (clickable)
                reject("a value for a button");
            if (!dialog.giveValue(id, *command.text))
                reject("malformed number");
            return std::nullopt;
        }
        dialog.click(id);
        // The click is a posted command: let the dialog's loop take it
        // before the next line is read.
        return Message{};
    }
    case Kind::Dump:
        report(reports.dump);
        return std::nullopt;
    case Kind::Board:
        report(reports.board);
        return std::nullopt;
    case Kind::Hof:
        report(reports.hallOfFame);
        return std::nullopt;
    case Kind::Keys:
        report(reports.keys);
        return std::nullopt;
    case Kind::Shot:
        if (reports.shot && !reports.shot(*command.text))
            reject("cannot write the picture to " + *command.text);
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Message> ScriptPlatform::endOfScript()
{
    if (!dialogs.empty()) {
        DialogHost& dialog = *dialogs.back();
        // Cancel first; a dialog that would not close on it is ended outright.
        if (cancelledAtEnd == &dialog)
            dialog.endDialog();
        else
            dialog.cancel();
        cancelledAtEnd = &dialog;
        return Message{};
    }
    if (exitSent)
        return Message{MessageTarget::MainWindow, MessageCode::Destroy};
    exitSent = true;
    return Message{MessageTarget::MainWindow, MessageCode::Command, static_cast<std::uint32_t>(command::Exit), 0};
}

void ScriptPlatform::reject(const std::string& reason, bool showLine)
{
    out.flush();
    errors << "script line " << lineNumber << ": " << reason;
    if (showLine)
        errors << ": " << line;
    errors << '\n';
    errors.flush();
    fail(2);
    std::abort();  // fail never returns; this keeps the promise if it did
}

void ScriptPlatform::dialogOpened(DialogHost& dialog)
{
    dialogs.push_back(&dialog);
}

void ScriptPlatform::dialogClosed(DialogHost& dialog)
{
    std::erase(dialogs, &dialog);
    // A wait read inside the dialog that is gone cannot outlive it.
    for (PendingWait& wait : waits)
        wait.dialogDepth = std::min(wait.dialogDepth, dialogs.size());
}

}  // namespace quindel
