#include "ScriptSession.h"

#include <cstdlib>
#include <fstream>

#include "core/TimeSource.h"
#include "sound/SoundPlayer.h"

namespace quindel::test {

namespace {

[[noreturn]] void throwRejection(int status)
{
    throw ScriptRejected{status};
}

std::filesystem::path makeDirectory()
{
    std::string name = (std::filesystem::temp_directory_path() / "quindel-shell-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr)
        std::abort();
    return name;
}

}  // namespace

ScriptSession::ScriptSession(const std::vector<unsigned char>& settings)
    : workDirectory(makeDirectory()), scriptPlatform(script, out, errors, throwRejection)
{
    if (!settings.empty()) {
        std::ofstream file(workDirectory / "settings.dat", std::ios::binary);
        file.write(reinterpret_cast<const char*>(settings.data()), static_cast<std::streamsize>(settings.size()));
    }
    setTimeSource(&scriptPlatform.time());
    GamePaths paths;
    paths.highscore = workDirectory / "highscore.dat";
    paths.settings = workDirectory / "settings.dat";
    theRun = std::make_unique<Game>(
        audio,
        [this](Game& created) {
            created.soundPlayer().setObserver(&scriptPlatform);
            auto window = std::make_unique<MainWindow>(created, scriptPlatform);
            mainWindow = window.get();
            return window;
        },
        paths);
}

ScriptSession::~ScriptSession()
{
    theRun.reset();
    setTimeSource(nullptr);
    std::error_code ignored;
    std::filesystem::remove_all(workDirectory, ignored);
}

void ScriptSession::feed(const std::string& lines)
{
    // The reader may have met the end already; more lines make it go on.
    script.clear();
    script.seekp(0, std::ios::end);
    script << lines;
}

void ScriptSession::key(int virtualKey)
{
    mainWindow->sendMessage(
        Message{MessageTarget::MainWindow, MessageCode::KeyDown, static_cast<std::uint32_t>(virtualKey), 0});
}

void ScriptSession::tick()
{
    mainWindow->sendMessage(Message{MessageTarget::MainWindow, MessageCode::Timer, MainWindow::GameTimerId, 0});
}

void ScriptSession::command(int id)
{
    mainWindow->sendMessage(
        Message{MessageTarget::MainWindow, MessageCode::Command, static_cast<std::uint32_t>(id), 0});
}

void ScriptSession::runToEnd()
{
    theRun->run();
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
    scriptPlatform.printState();
    const auto lines = take();
    return lines.empty() ? std::string{} : lines.back();
}

bool ScriptSession::timerRunning() const
{
    return mainWindow->pump().timerSet().isRunning(MainWindow::GameTimerId);
}

std::uint32_t ScriptSession::timerPeriod() const
{
    return mainWindow->pump().timerSet().periodOf(MainWindow::GameTimerId).value_or(0);
}

}  // namespace quindel::test
