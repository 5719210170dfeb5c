#include "game/Game.h"

#include "sound/Song.h"
#include "sound/SoundPlayer.h"
#include "store/HallOfFame.h"
#include "store/KeyBindings.h"
#include "store/KeySlot.h"

namespace quindel {

Game::Game(AudioLayer& audio, const WindowFactory& makeWindow, const GamePaths& paths)
{
    // The order matters: each capsule seeds the generator as it is made, the
    // window's creation already plays the title song and draws the title.
    current = std::make_unique<Capsule>();
    next = std::make_unique<Capsule>();
    playfield = std::make_unique<Playfield>();
    keys = std::make_unique<KeyBindings>(paths.settings);
    hall = std::make_unique<HallOfFame>(paths.highscore);
    sound = std::make_unique<SoundPlayer>(audio);
    level = 0;
    tick = StartInterval;
    base = StartInterval;
    gameState = GameState::Title;
    running = true;
    playfield->setOwner(this);
    mainWindow = makeWindow(*this);
}

Game::~Game()
{
    // The window goes first so that nothing can reach a half-torn-down game;
    // the hall of fame goes last of all, writing highscore.dat on its way.
    mainWindow.reset();
    playfield->clearOwner();
    playfield.reset();
    keys.reset();
    current.reset();
    next.reset();
    sound.reset();
    hall.reset();
}

void Game::run()
{
    while (running && mainWindow)
        mainWindow->pumpMessages();
}

bool Game::dropCapsule()
{
    return quindel::dropCapsule(*current, *playfield);
}

void Game::lockCapsule()
{
    quindel::lockCapsule(current, next, *playfield);
}

void Game::moveLeft()
{
    quindel::moveLeft(*current, *playfield);
}

void Game::moveRight()
{
    quindel::moveRight(*current, *playfield);
}

void Game::turnLeft()
{
    quindel::turnLeft(*current, *playfield);
}

void Game::turnRight()
{
    quindel::turnRight(*current, *playfield);
}

void Game::startLevel()
{
    // The next capsule stays: the preview the player saw is what comes.
    current = std::make_unique<Capsule>();
    playfield->placeViruses(level);
    if (levelObserver)
        levelObserver(level, tick);
    setState(GameState::Playing);
    requestRedraw(RedrawRequest::RedrawFull);
}

void Game::playLevel()
{
    startLevel();
    startTimer(tick);
    playSong(Song::forLevel(level));
}

void Game::setState(GameState value)
{
    const bool changed = value != gameState;
    // The music waits with the game and goes on where it stopped.
    if (changed && value == GameState::Paused)
        sound->pauseMusic();
    else if (changed && gameState == GameState::Paused)
        sound->resumeMusic();
    gameState = value;
    if (changed && stateObserver)
        stateObserver(value);
}

bool Game::isLevelCleared() const
{
    return playfield->virusCount() == 0;
}

bool Game::checkGameOver()
{
    if (!playfield->entryBlocked())
        return false;
    setState(GameState::GameOver);
    return true;
}

void Game::finishLevel()
{
    setState(GameState::LevelClear);
    // Every level starts at the speed of the difficulty again.
    setDifficulty(base);
}

void Game::quit()
{
    running = false;
    setState(GameState::GameOver);
}

void Game::advanceLevel()
{
    // After the last level there is no end by winning: level 20 again.
    if (level < LastLevelIndex)
        ++level;
}

void Game::setDifficulty(std::uint32_t ms)
{
    if (ms < FastestInterval)
        return;
    tick = ms;
    base = ms;
}

void Game::speedUp()
{
    if (tick > FastestInterval)
        --tick;
}

void Game::startTimer(std::uint32_t ms)
{
    if (mainWindow)
        mainWindow->startTimer(ms);
}

void Game::killTimer()
{
    if (mainWindow)
        mainWindow->killTimer();
}

std::int32_t Game::currentScore() const
{
    return hall->currentScore();
}

void Game::addScore(std::int32_t points)
{
    hall->addScore(points);
}

void Game::setScore(std::int32_t value)
{
    hall->setScore(value);
}

std::int32_t Game::moveLeftKey() const
{
    return keys->keyFor(KeySlot::MoveLeft);
}

std::int32_t Game::moveRightKey() const
{
    return keys->keyFor(KeySlot::MoveRight);
}

std::int32_t Game::turnLeftKey() const
{
    return keys->keyFor(KeySlot::TurnLeft);
}

std::int32_t Game::turnRightKey() const
{
    return keys->keyFor(KeySlot::TurnRight);
}

std::int32_t Game::dropKey() const
{
    return keys->keyFor(KeySlot::DropPill);
}

std::int32_t Game::pauseKey() const
{
    return keys->keyFor(KeySlot::Pause);
}

void Game::playSong(int index)
{
    sound->playSong(index);
}

void Game::playMoveSound()
{
    sound->playMoveSound();
}

void Game::playClearSound(CellColor color)
{
    sound->playClearSound(color);
}

void Game::requestRedraw(RedrawRequest request)
{
    // While the window is being made there is nothing to send to yet; its
    // creation draws the title by itself.
    if (mainWindow)
        mainWindow->sendPaint(request);
}

void Game::waitFrame(std::uint32_t ms)
{
    if (mainWindow)
        mainWindow->waitFrame(ms);
}

}  // namespace quindel
