#pragma once

#include <memory>
#include <string>

#include "core/RedrawRequest.h"
#include "messages/Message.h"
#include "window/DialogSet.h"
#include "window/PlayerSettings.h"

namespace quindel {

class Canvas;
class Game;
class MainWindow;
class Renderer;
class VersusMatch;
class VersusScreen;

// The main window's procedure: every message of the window goes through
// handle(), which turns it into calls on the Game and the Renderer.
class WindowProcedure final {
public:
    WindowProcedure(MainWindow& window, Game& game, Canvas& canvas);
    ~WindowProcedure();

    void handle(const Message& message);

    Renderer& renderer();
    DialogProcedure* dialogProcedure(int templateId) { return dialogs.find(templateId); }
    // The preferences a start begins with, and who keeps them: the volumes,
    // the new game's first choices and the Options menu's check marks follow
    // them from now on.
    void keepPreferences(const Preferences& start, PlayerSettings::Keeper keeper);
    const Preferences& preferences() const { return settings.values(); }
    // The versus match on the screen; null while none is.
    const VersusMatch* versusMatch() const;

private:
    void create();
    void destroy();
    void paint(std::int32_t request);
    void keyDown(std::int32_t key, bool repeat = false);
    void sysKeyDown(std::int32_t key, std::int32_t flags);
    // The window left, minimised, or a menu opened: a running game waits for
    // its player, unless the player asked otherwise.
    void inactive();
    void pauseGame();
    void resumeGame();
    // The preferences' effects on the sound, the platform and the dialogs.
    void applyPreferences();
    void command(int id);
    void tick();
    void moveByKey(void (Game::*move)());
    // What the pause sign says takes the game on again.
    std::string resumeText() const;
    // A dialog over whatever runs: a versus match waits for it, and ends
    // when the dialog started a single game.
    void showDialog(int templateId);

    MainWindow& window;
    Game& game;
    // The window's pixels and the one Renderer that draws them, made by the
    // very first message and kept for the window's whole life (the window
    // lives until the run ends).
    Canvas& canvas;
    std::unique_ptr<Renderer> drawing;
    PlayerSettings settings;
    DialogSet dialogs;
    std::unique_ptr<VersusScreen> versus;
};

}  // namespace quindel
