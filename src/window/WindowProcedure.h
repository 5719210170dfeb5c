#pragma once

#include <memory>
#include <string>

#include "core/RedrawRequest.h"
#include "messages/Message.h"
#include "window/DialogSet.h"

namespace quindel {

class Canvas;
class Game;
class MainWindow;
class Renderer;

// The main window's procedure: every message of the window goes through
// handle(), which turns it into calls on the Game and the Renderer.
class WindowProcedure final {
public:

    WindowProcedure(MainWindow& window, Game& game, Canvas& canvas);
    ~WindowProcedure();

    void handle(const Message& message);

    Renderer& renderer();
    DialogProcedure* dialogProcedure(int templateId) { return dialogs.find(templateId); }

private:
    void create();
    void destroy();
    void paint(std::int32_t request);
    void keyDown(std::int32_t key);
    void command(int id);
    void tick();
    void moveByKey(void (Game::*move)());
    // What the pause sign says takes the game on again.
    std::string resumeText() const;

    MainWindow& window;
    Game& game;
    // The window's pixels and the one Renderer that draws them, made by the
    // very first message and kept for the window's whole life (the window
    // lives until the run ends).
    Canvas& canvas;
    std::unique_ptr<Renderer> drawing;
    DialogSet dialogs;
};

}  // namespace quindel
