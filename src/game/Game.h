#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "core/Capsule.h"
#include "core/CellCodes.h"
#include "core/GameState.h"
#include "core/Playfield.h"
#include "core/PlayfieldOwner.h"
#include "core/RedrawRequest.h"
#include "game/GamePaths.h"
#include "game/GameWindow.h"

namespace quindel {

class AudioLayer;
class HallOfFame;
class KeyBindings;
class SoundPlayer;

// The one controller of a run. It owns the bottle, both capsules, the two
// stores, the sound player and the main window, and holds the level, the
// speed and the state. It reads no input and draws nothing: the window
// procedure and the dialogs call it, and it asks its window for paints and
// for the game timer.
class Game final : public PlayfieldOwner {
public:
    static constexpr std::uint32_t FastestInterval = 100;
    static constexpr std::uint32_t StartInterval = 700;
    static constexpr std::uint32_t LastLevelIndex = 19;

    // Makes the main window. It runs as the last step of the construction, so
    // it may already reach the Game through its argument, but the Game has no
    // window yet while it runs.
    using WindowFactory = std::function<std::unique_ptr<GameWindow>(Game&)>;

    Game(AudioLayer& audio, const WindowFactory& makeWindow, const GamePaths& paths = GamePaths{});
    // Frees everything in the order that writes the hall of fame last.
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Pumps messages until the window has been destroyed.
    void run();

    // The falling capsule.
    bool dropCapsule();
    void lockCapsule();
    void moveLeft();
    void moveRight();
    void turnLeft();
    void turnRight();

    // Level and state.
    void startLevel();
    // Starts the level of the level index and plays it: the bottle and the
    // capsule of startLevel, the game timer and the level's song.
    void playLevel();
    bool isLevelCleared() const;
    bool checkGameOver();
    void markLevelClear() { setState(GameState::LevelClear); }
    void finishLevel();
    void setGameOver() { setState(GameState::GameOver); }
    void quit();
    void advanceLevel();
    std::uint32_t levelIndex() const override { return level; }
    void setLevelIndex(std::uint32_t index) { level = index; }
    GameState state() const { return gameState; }
    void setState(GameState value);
    // Told of every change of the state, after it is made (a trace of the
    // run; nothing of the game's own depends on it).
    using StateObserver = std::function<void(GameState)>;
    void setStateObserver(StateObserver observer) { stateObserver = std::move(observer); }
    // Told of every level that starts, with its index and tick interval.
    using LevelObserver = std::function<void(std::uint32_t level, std::uint32_t tick)>;
    void setLevelObserver(LevelObserver observer) { levelObserver = std::move(observer); }
    bool isRunning() const { return running; }

    // Speed.
    void setDifficulty(std::uint32_t ms);
    void speedUp() override;
    std::uint32_t tickInterval() const override { return tick; }
    std::uint32_t baseInterval() const { return base; }
    void startTimer(std::uint32_t ms);
    void killTimer();

    // Score, kept by the hall of fame.
    std::int32_t currentScore() const;
    void addScore(std::int32_t points) override;
    void setScore(std::int32_t value);

    // Keys.
    std::int32_t moveLeftKey() const;
    std::int32_t moveRightKey() const;
    std::int32_t turnLeftKey() const;
    std::int32_t turnRightKey() const;
    std::int32_t dropKey() const;
    std::int32_t pauseKey() const;

    // Sound.
    void playSong(int index);
    void playMoveSound();
    void playClearSound(CellColor color) override;

    // What the window procedure draws from.
    Playfield& cells() { return *playfield; }
    const Playfield& cells() const { return *playfield; }
    const Capsule& currentCapsule() const { return *current; }
    const Capsule& nextCapsule() const { return *next; }
    HallOfFame& hallOfFame() { return *hall; }
    const HallOfFame& hallOfFame() const { return *hall; }
    KeyBindings& keyBindings() { return *keys; }
    SoundPlayer& soundPlayer() { return *sound; }

    // The bottle's requests, passed to the window once it exists.
    void requestRedraw(RedrawRequest request) override;
    void waitFrame(std::uint32_t ms) override;

private:
    std::unique_ptr<Playfield> playfield;
    std::unique_ptr<GameWindow> mainWindow;
    std::unique_ptr<KeyBindings> keys;
    std::unique_ptr<SoundPlayer> sound;
    std::unique_ptr<HallOfFame> hall;
    std::unique_ptr<Capsule> current;
    std::unique_ptr<Capsule> next;
    std::uint32_t level = 0;
    std::uint32_t tick = StartInterval;
    std::uint32_t base = StartInterval;
    bool running = true;
    GameState gameState = GameState::Title;
    StateObserver stateObserver;
    LevelObserver levelObserver;
};

}  // namespace quindel
