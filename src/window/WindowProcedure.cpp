#include "window/WindowProcedure.h"

#include "base/VirtualKeyCodes.h"
#include "game/Game.h"
#include "render/Renderer.h"
#include "sound/Song.h"
#include "sound/SoundPlayer.h"
#include "store/HallOfFame.h"
#include "store/KeySlot.h"
#include "widgets/CommandIds.h"
#include "widgets/UiPlatform.h"
#include "window/MainWindow.h"
#include "window/NewGameDialog.h"
#include "window/PadKeys.h"
#include "window/VersusDialog.h"
#include "window/VersusScreen.h"

namespace quindel {

WindowProcedure::WindowProcedure(MainWindow& window, Game& game, Canvas& canvas)
    : window(window), game(game), canvas(canvas), dialogs(game, settings),
      versus(std::make_unique<VersusScreen>(window, game, settings))
{}

const VersusMatch* WindowProcedure::versusMatch() const
{
    return versus->active() ? &versus->match() : nullptr;
}

void WindowProcedure::showDialog(int templateId)
{
    const bool matchWaits = versus->pauseForDialog();
    window.showDialog(templateId);
    if (game.state() == GameState::Playing)
        versus->leave();
    else if (matchWaits)
        versus->resumeAfterDialog();
}

void WindowProcedure::keepPreferences(const Preferences& start, PlayerSettings::Keeper keeper)
{
    settings.keepWith(start, std::move(keeper));
    const Preferences& p = settings.values();
    dialogs.newGame().offer(NewGameDialog::EasyId + p.difficulty, p.level);
    dialogs.newGame().onStarted([this](int radioId, int level) {
        settings.change([radioId, level](Preferences& kept) {
            kept.difficulty = radioId - NewGameDialog::EasyId;
            kept.level = level;
        });
        // The next opening in this run offers the same.
        dialogs.newGame().offer(radioId, level);
    });
    applyPreferences();
}

void WindowProcedure::applyPreferences()
{
    const Preferences& p = settings.values();
    SoundPlayer& sound = game.soundPlayer();
    sound.setMusicVolume(p.musicVolume);
    sound.setEffectsVolume(p.effectsVolume);
    sound.setMuted(p.muted);
    UiPlatform& platform = window.platform();
    platform.setMenuChecked(command::PauseWhenInactive, p.pauseWhenInactive);
    platform.setMenuChecked(command::FastKeyRepeat, p.fastKeyRepeat);
    platform.setOwnKeyRepeat(p.fastKeyRepeat);
}

WindowProcedure::~WindowProcedure() = default;

Renderer& WindowProcedure::renderer()
{
    if (!drawing)
        drawing = std::make_unique<Renderer>(canvas);
    return *drawing;
}

void WindowProcedure::handle(const Message& message)
{
    // Whatever the message, the Renderer exists from the first one on.
    renderer();
    switch (message.code) {
    case MessageCode::Create:
        create();
        break;
    case MessageCode::Destroy:
        destroy();
        break;
    case MessageCode::Paint:
        if (versus->active())
            versus->paint();
        else
            paint(static_cast<std::int32_t>(message.wParam));
        break;
    case MessageCode::KeyDown:
        if (versus->active()) {
            versus->keyDown(static_cast<std::int32_t>(message.wParam & 0xFFFF),
                            (message.lParam & keyflag::Repeat) != 0);
            break;
        }
        keyDown(static_cast<std::int32_t>(message.wParam & 0xFFFF), (message.lParam & keyflag::Repeat) != 0);
        break;
    case MessageCode::SysKeyDown:
        sysKeyDown(static_cast<std::int32_t>(message.wParam & 0xFFFF), message.lParam);
        break;
    case MessageCode::ActivateApp:
        if (message.wParam == 0)
            inactive();
        break;
    case MessageCode::EnterMenuLoop:
        inactive();
        break;
    case MessageCode::PadPress:
        if (versus->active()) {
            versus->padPress(static_cast<PadAction>(message.wParam), message.lParam);
            break;
        }
        keyDown(keyForPad(static_cast<PadAction>(message.wParam), game));
        break;
    case MessageCode::Command:
        command(static_cast<int>(message.wParam & 0xFFFF));
        break;
    case MessageCode::Timer:
        if (message.wParam == MainWindow::GameTimerId)
            tick();
        else if (message.wParam == VersusScreen::TimerId)
            versus->timer();
        break;
    default:
        break;
    }
}

void WindowProcedure::create()
{
    drawing->loadPictures();
    versus->create(canvas, *drawing);
    game.playSong(Song::Title);
    applyPreferences();
}

void WindowProcedure::inactive()
{
    if (versus->active()) {
        versus->inactive(settings.values().pauseWhenInactive);
        return;
    }
    if (settings.values().pauseWhenInactive && game.state() == GameState::Playing)
        pauseGame();
}

void WindowProcedure::pauseGame()
{
    game.setState(GameState::Paused);
    window.killTimer();
    window.sendPaint(RedrawRequest::RedrawPause);
}

void WindowProcedure::resumeGame()
{
    game.setState(GameState::Playing);
    game.startTimer(game.tickInterval());
    window.sendPaint(RedrawRequest::RedrawFull);
}

void WindowProcedure::sysKeyDown(std::int32_t key, std::int32_t flags)
{
    // Ctrl+M mutes and unmutes everything; a Ctrl combination never reaches
    // the game, so it takes no binding.
    if ((flags & keyflag::Control) != 0 && key == 'M') {
        const bool muted = !game.soundPlayer().muted();
        game.soundPlayer().setMuted(muted);
        settings.change([muted](Preferences& p) { p.muted = muted; });
    }
}

void WindowProcedure::destroy()
{
    game.quit();
    window.pump().postQuit();
}

void WindowProcedure::paint(std::int32_t request)
{
    Renderer& draw = *drawing;
    switch (static_cast<RedrawRequest>(request)) {
    case RedrawRequest::RedrawFull:
        switch (game.state()) {
        case GameState::Title:
            draw.drawTitleScreen();
            return;
        case GameState::LevelClear:
            window.sendPaint(RedrawRequest::RedrawLevelClear);
            return;
        case GameState::GameOver:
            window.sendPaint(RedrawRequest::RedrawGameOver);
            return;
        case GameState::Paused:
            window.sendPaint(RedrawRequest::RedrawPause);
            return;
        default:
            draw.drawBackground();
            draw.drawLevelPicture(game.levelIndex());
            draw.drawNextCapsule(game.nextCapsule());
            draw.drawBoard(game.cells());
            draw.drawFallingCapsule(game.currentCapsule());
            draw.drawHallOfFame(game.hallOfFame());
            draw.drawScore(game.currentScore(), true);
            return;
        }
    case RedrawRequest::RedrawBoard:
        draw.redrawChangedCells(game.cells());
        draw.drawScore(game.currentScore(), false);
        return;
    case RedrawRequest::RedrawLevelClear:
        draw.drawBackground();
        draw.drawLevelPicture(game.levelIndex());
        draw.drawLevelClearOverlay();
        draw.drawHallOfFame(game.hallOfFame());
        draw.drawScore(game.currentScore(), true);
        return;
    case RedrawRequest::RedrawGameOver:
        draw.drawBackground();
        draw.drawLevelPicture(game.levelIndex());
        draw.drawGameOverOverlay();
        draw.drawHallOfFame(game.hallOfFame());
        draw.drawScore(game.currentScore(), true);
        return;
    case RedrawRequest::RedrawPause:
        draw.drawBackground();
        draw.drawLevelPicture(game.levelIndex());
        draw.drawHallOfFame(game.hallOfFame());
        draw.drawScore(game.currentScore(), true);
        draw.drawPauseOverlay(resumeText());
        return;
    }
    // Codes 2, 6 and any other value draw nothing.
}

std::string WindowProcedure::resumeText() const
{
    // Whatever key the player bound to pause, and Escape, which always does.
    const std::string pauseKey = keyLabel(game.pauseKey());
    if (pauseKey.empty() || game.pauseKey() == vk::Escape)
        return "PRESS ESC";
    return "PRESS " + pauseKey + " OR ESC";
}

void WindowProcedure::keyDown(std::int32_t key, bool repeat)
{
    // The game's own repeat is for moving and dropping; a held turn, pause
    // or Enter acts once. The desktop's repeat, when the player wants it
    // back, comes as it always came.
    if (repeat && settings.values().fastKeyRepeat && key != game.moveLeftKey() && key != game.moveRightKey()
        && key != game.dropKey())
        return;
    if (key == vk::Return && game.state() == GameState::LevelClear) {
        game.advanceLevel();
        game.playLevel();
    }
    // The title and the game-over picture ask for a new game; Enter gives it.
    if (key == vk::Return && (game.state() == GameState::Title || game.state() == GameState::GameOver)) {
        window.showDialog(dialog::NewGame);
        return;
    }
    // The first binding that matches decides alone, so a key bound twice
    // acts only as the first of its actions in this order.
    if (key == game.moveLeftKey()) {
        moveByKey(&Game::moveLeft);
    } else if (key == game.moveRightKey()) {
        moveByKey(&Game::moveRight);
    } else if (key == game.turnRightKey()) {
        moveByKey(&Game::turnRight);
    } else if (key == game.turnLeftKey()) {
        moveByKey(&Game::turnLeft);
    } else if (key == game.dropKey()) {
        // A whole tick at once, which also restarts the timer's full period.
        if (game.state() == GameState::Playing)
            window.sendMessage(Message{MessageTarget::MainWindow, MessageCode::Timer, MainWindow::GameTimerId, 0});
    } else if (key == game.pauseKey() || key == vk::Escape) {
        // Escape, which no binding takes, pauses too: most keyboards of
        // today have no Pause key.
        if (game.state() == GameState::Paused)
            resumeGame();
        else if (game.state() == GameState::Playing)
            pauseGame();
    }
}

void WindowProcedure::moveByKey(void (Game::*move)())
{
    if (game.state() != GameState::Playing)
        return;
    // A blocked move still sounds and redraws the capsule where it is.
    game.playMoveSound();
    drawing->eraseCapsule(game.currentCapsule());
    (game.*move)();
    drawing->drawFallingCapsule(game.currentCapsule());
    window.platform().present();
}

void WindowProcedure::command(int id)
{
    switch (id) {
    case command::NewGame:
        showDialog(dialog::NewGame);
        break;
    case command::VersusGame:
        showDialog(dialog::Versus);
        if (const std::optional<VersusSettings> chosen = dialogs.versus().takeStarted())
            versus->start(*chosen);
        break;
    case command::Exit:
        // Ends the run as the close box does; the window itself stays until
        // the process ends.
        window.sendMessage(Message{MessageTarget::MainWindow, MessageCode::Destroy});
        break;
    case command::About:
        showDialog(dialog::About);
        break;
    case command::Settings:
        showDialog(dialog::KeyOptions);
        break;
    case command::Highscores:
        showDialog(dialog::HallOfFame);
        break;
    case command::Fullscreen:
        window.platform().toggleFullscreen();
        break;
    case command::IntegerScaling:
        window.platform().toggleIntegerScaling();
        break;
    case command::Sound:
        showDialog(dialog::Sound);
        break;
    case command::PauseWhenInactive:
        settings.change([](Preferences& p) { p.pauseWhenInactive = !p.pauseWhenInactive; });
        applyPreferences();
        break;
    case command::FastKeyRepeat:
        settings.change([](Preferences& p) { p.fastKeyRepeat = !p.fastKeyRepeat; });
        applyPreferences();
        break;
    default:
        break;
    }
}

void WindowProcedure::tick()
{
    // Stopped first and started again at the end, so the period counts from
    // the end of this tick and ticks never overlap.
    window.killTimer();
    if (game.state() != GameState::Playing)
        return;
    Renderer& draw = *drawing;
    draw.eraseCapsule(game.currentCapsule());
    if (game.dropCapsule()) {
        draw.redrawChangedCells(game.cells());
        draw.drawFallingCapsule(game.currentCapsule());
    } else {
        game.lockCapsule();
        game.cells().resolve();
        // Level clear is asked first: the landing that takes the last virus
        // wins even when it also blocks the entry.
        if (game.isLevelCleared()) {
            game.playSong(Song::Jingle);
            game.markLevelClear();
            game.finishLevel();
            window.sendPaint(RedrawRequest::RedrawLevelClear);
        } else if (game.checkGameOver()) {
            game.playSong(Song::Jingle);
            game.setGameOver();
            window.sendPaint(RedrawRequest::RedrawGameOver);
            if (game.hallOfFame().qualifies(game.currentScore()))
                window.showDialog(dialog::NameEntry);
        } else {
            draw.drawNextCapsule(game.nextCapsule());
            draw.redrawChangedCells(game.cells());
            draw.drawFallingCapsule(game.currentCapsule());
            draw.drawScore(game.currentScore(), false);
        }
    }
    window.platform().present();
    if (game.state() == GameState::Playing)
        game.startTimer(game.tickInterval());
}

}  // namespace quindel
