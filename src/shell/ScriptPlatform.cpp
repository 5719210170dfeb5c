#include "shell/ScriptPlatform.h"

#include <algorithm>

#include "game/Game.h"
#include "render/Renderer.h"
#include "shell/DialogHost.h"
#include "shell/MainWindow.h"
#include "shell/WindowProcedure.h"
#include "store/HallOfFame.h"
#include "store/KeyBindings.h"

namespace quindel {

namespace {

char colorLetter(CellColor color, bool virus)
{
    switch (color) {
    case CellColor::White:
        return virus ? 'W' : 'w';
    case CellColor::Blue:
        return virus ? 'B' : 'b';
    case CellColor::Green:
        return virus ? 'G' : 'g';
    default:
        return '?';
    }
}

char partnerMark(CellLink link)
{
    switch (link) {
    case CellLink::LeftHalf:
        return '>';
    case CellLink::RightHalf:
        return '<';
    case CellLink::TopHalf:
        return 'v';
    case CellLink::BottomHalf:
        return '^';
    default:
        return '-';
    }
}

int code(CellColor color)
{
    return static_cast<int>(color);
}

}  // namespace

ScriptPlatform::ScriptPlatform(std::istream& script, std::ostream& out, std::ostream& errors, Failure fail)
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
        if (!std::getline(script, line))
            return endOfScript();
        ++lineNumber;
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
        if (control == nullptr && id != DialogHost::CancelId)
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
        printState();
        return std::nullopt;
    case Kind::Board:
        printBoard();
        return std::nullopt;
    case Kind::Hof:
        printHallOfFame();
        return std::nullopt;
    case Kind::Keys:
        printKeys();
        return std::nullopt;
    case Kind::Shot:
        writeShot(*command.text);
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
    return Message{MessageTarget::MainWindow, MessageCode::Command,
                   static_cast<std::uint32_t>(WindowProcedure::CommandExit), 0};
}

void ScriptPlatform::reject(const std::string& reason)
{
    out.flush();
    errors << "script line " << lineNumber << ": " << reason << ": " << line << '\n';
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

void ScriptPlatform::songRequested(int index)
{
    out << "song " << index << '\n';
}

void ScriptPlatform::moveRequested()
{
    out << "move\n";
}

void ScriptPlatform::clearRequested(CellColor color)
{
    out << "clear " << code(color) << '\n';
}

void ScriptPlatform::printState()
{
    const Game& game = *theGame;
    const Capsule& current = game.currentCapsule();
    const Capsule& next = game.nextCapsule();
    out << "state=" << static_cast<int>(game.state()) << " level=" << game.levelIndex()
        << " tick=" << game.tickInterval() << " base=" << game.baseInterval() << " score=" << game.currentScore()
        << " viruses=" << game.cells().virusCount() << " cur=" << current.columnA << ',' << current.rowA << ','
        << code(current.colorA) << ',' << current.columnB << ',' << current.rowB << ',' << code(current.colorB)
        << " next=" << code(next.colorA) << ',' << code(next.colorB) << '\n';
}

void ScriptPlatform::printBoard()
{
    const Playfield& cells = theGame->cells();
    for (int row = 0; row < Playfield::Rows; ++row) {
        for (int column = 0; column < Playfield::Columns; ++column) {
            const Cell& cell = *cells.cellAt(column, row);
            if (column > 0)
                out << ' ';
            switch (cell.kind) {
            case CellKind::Virus:
                out << colorLetter(cell.color, true) << '.';
                break;
            case CellKind::PillHalf:
                out << colorLetter(cell.color, false) << partnerMark(cell.link);
                break;
            default:
                out << "..";
                break;
            }
        }
        out << '\n';
    }
}

void ScriptPlatform::printHallOfFame()
{
    HallOfFame& hall = theGame->hallOfFame();
    for (int i = 0; i < HallOfFame::EntryCount; ++i)
        out << i << ' ' << hall.scoreAt(i) << ' ' << hall.nameView(i) << '\n';
}

void ScriptPlatform::printKeys()
{
    const Game& game = *theGame;
    out << "keys=" << game.moveLeftKey() << ',' << game.moveRightKey() << ',' << game.turnLeftKey() << ','
        << game.turnRightKey() << ',' << game.dropKey() << ',' << game.pauseKey() << '\n';
}

void ScriptPlatform::writeShot(const std::string& file)
{
    if (mainWindow != nullptr)
        mainWindow->renderer().canvas().saveBmp(file);
}

}  // namespace quindel
