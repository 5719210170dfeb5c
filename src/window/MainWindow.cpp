#include "window/MainWindow.h"

#include "game/Game.h"
#include "messages/Clock.h"
#include "widgets/DialogHost.h"
#include "widgets/DialogProcedure.h"
#include "widgets/DialogTemplate.h"
#include "widgets/UiPlatform.h"
#include "window/PadKeys.h"
#include "window/WindowProcedure.h"

namespace quindel {

MainWindow::MainWindow(Game& game, UiPlatform& platform, Canvas& canvas)
    : owner(game), system(platform), messagePump(platform.clock(), platform)
{
    procedure = std::make_unique<WindowProcedure>(*this, game, canvas);
    system.attach(messagePump);
    // As the window system does on creating and showing a window: the
    // creation message, then the first paint.
    sendMessage(Message{MessageTarget::MainWindow, MessageCode::Create});
    sendMessage(Message{MessageTarget::MainWindow, MessageCode::Paint,
                        static_cast<std::uint32_t>(RedrawRequest::RedrawFull), 0});
}

MainWindow::~MainWindow()
{
    owner.setStateObserver(nullptr);
    owner.setLevelObserver(nullptr);
}

void MainWindow::sendPaint(RedrawRequest request)
{
    sendMessage(Message{MessageTarget::MainWindow, MessageCode::Paint, static_cast<std::uint32_t>(request), 0});
}

void MainWindow::startTimer(std::uint32_t ms)
{
    if (trace != nullptr) {
        timerStarted = std::chrono::steady_clock::now();
        timerPeriod = ms;
    }
    messagePump.setTimer(GameTimerId, ms);
}

void MainWindow::killTimer()
{
    messagePump.killTimer(GameTimerId);
}

void MainWindow::waitFrame(std::uint32_t ms)
{
    system.clock().waitFor(ms);
}

void MainWindow::pumpMessages()
{
    for (;;) {
        const Message message = messagePump.get();
        if (message.code == MessageCode::Quit)
            return;
        if (trace != nullptr && message.code == MessageCode::Timer && message.wParam == GameTimerId) {
            const auto late = std::chrono::steady_clock::now() - timerStarted - std::chrono::milliseconds(timerPeriod);
            *trace << "tick-late-us " << std::chrono::duration_cast<std::chrono::microseconds>(late).count()
                   << " period " << timerPeriod << std::endl;
        }
        // A dialog's leftover commands find no dialog once it has closed.
        if (message.target == MessageTarget::MainWindow)
            sendMessage(message);
    }
}

void MainWindow::sendMessage(const Message& message)
{
    const bool paint = message.code == MessageCode::Paint;
    if (paint)
        ++paintDepth;
    if (trace != nullptr)
        traceFocus(message);
    procedure->handle(message);
    if (paint && --paintDepth == 0)
        system.present();
}

void MainWindow::showDialog(int templateId)
{
    lastRequested = templateId;
    const DialogTemplate* layout = DialogTemplate::find(templateId);
    DialogProcedure* dialogProcedure = procedure->dialogProcedure(templateId);
    if (layout == nullptr || dialogProcedure == nullptr)
        return;
    if (layout->messageBox && !system.showsMessageBoxes())
        return;
    DialogHost host(*this, *layout, *dialogProcedure);
    DialogHost* outer = dialog;
    dialog = &host;
    if (trace != nullptr)
        *trace << "dialog-open " << templateId << std::endl;
    host.run();
    if (trace != nullptr)
        *trace << "dialog-close " << templateId << ' ' << host.result() << std::endl;
    dialog = outer;
}

namespace {

const char* stateName(GameState state)
{
    switch (state) {
    case GameState::Title:
        return "Title";
    case GameState::Playing:
        return "Playing";
    case GameState::LevelClear:
        return "LevelClear";
    case GameState::GameOver:
        return "GameOver";
    case GameState::Paused:
        return "Paused";
    }
    return "Unknown";
}

}  // namespace

void MainWindow::traceFocus(const Message& message)
{
    if (message.code == MessageCode::ActivateApp)
        *trace << "active " << (message.wParam != 0 ? 1 : 0) << std::endl;
    else if (message.code == MessageCode::EnterMenuLoop)
        *trace << "menu-open" << std::endl;
    else if (message.code == MessageCode::ExitMenuLoop)
        *trace << "menu-close" << std::endl;
}

void MainWindow::setTrace(std::ostream* stream)
{
    trace = stream;
    if (trace == nullptr) {
        owner.setStateObserver(nullptr);
        owner.setLevelObserver(nullptr);
        return;
    }
    owner.setLevelObserver([this](std::uint32_t level, std::uint32_t tick) {
        if (trace != nullptr)
            *trace << "level " << level + 1 << " tick " << tick << std::endl;
    });
    *trace << "state " << stateName(owner.state()) << std::endl;
    owner.setStateObserver([this](GameState state) {
        if (trace != nullptr)
            *trace << "state " << stateName(state) << std::endl;
    });
}

void MainWindow::keepPreferences(const Preferences& start, std::function<void(const Preferences&)> keeper)
{
    procedure->keepPreferences(start, std::move(keeper));
}

std::int32_t MainWindow::padKey(PadAction action)
{
    return keyForPad(action, owner);
}

const VersusMatch* MainWindow::versusMatch() const
{
    return procedure->versusMatch();
}

Renderer& MainWindow::renderer()
{
    return procedure->renderer();
}

}  // namespace quindel
