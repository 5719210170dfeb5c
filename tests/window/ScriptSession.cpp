#include "ScriptSession.h"

#include "window/GamePrinter.h"

namespace quindel::test {

namespace {

[[noreturn]] void throwRejection(int status)
{
    throw ScriptRejected{status};
}

}  // namespace

ScriptSession::ScriptSession(const std::vector<unsigned char>& settings)
{
    if (!settings.empty())
        writeBytes(workDirectory / "settings.dat", settings);
    run = std::make_unique<ScriptRun>(source, out, errors, throwRejection, audio,
                                      GamePaths{workDirectory / "highscore.dat", workDirectory / "settings.dat"});
}

ScriptSession::~ScriptSession() = default;

void ScriptSession::feed(const std::string& lines)
{
    // The reader may have met the end already; more lines make it go on.
    script.clear();
    script.seekp(0, std::ios::end);
    script << lines;
}

void ScriptSession::key(int virtualKey)
{
    window().sendMessage(
        Message{MessageTarget::MainWindow, MessageCode::KeyDown, static_cast<std::uint32_t>(virtualKey), 0});
}

void ScriptSession::tick()
{
    window().sendMessage(Message{MessageTarget::MainWindow, MessageCode::Timer, MainWindow::GameTimerId, 0});
}

void ScriptSession::command(int id)
{
    window().sendMessage(Message{MessageTarget::MainWindow, MessageCode::Command, static_cast<std::uint32_t>(id), 0});
}

void ScriptSession::runToEnd()
{
    run->run();
}

std::vector<std::string> ScriptSession::take()
{
    const std::string all = out.str();
    std::vector<std::string> lines;
    std::istringstream fresh(all.substr(taken));
    taken = all.size();
    for (std::string line; std::getline(fresh, line);)
        lines.push_back(line);
    return lines;
}

std::string ScriptSession::dump()
{
    take();
    run->printer().printState();
    const auto lines = take();
    return lines.empty() ? std::string{} : lines.back();
}

bool ScriptSession::timerRunning() const
{
    return run->window().pump().timerSet().isRunning(MainWindow::GameTimerId);
}

std::uint32_t ScriptSession::timerPeriod() const
{
    return run->window().pump().timerSet().periodOf(MainWindow::GameTimerId).value_or(0);
}

}  // namespace quindel::test
