#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/Capsule.h"
#include "core/Playfield.h"
#include "render/Renderer.h"

namespace quindel {

class Canvas;

// The versus screen: two bottles side by side with the players' panels
// between them. It draws the whole screen every time it is asked, with the
// squares of the single-player pictures the Renderer lends it and the
// versus pictures of its own.
class VersusRenderer final {
public:
    // The bottles' insides; everything else is placed as the versus
    // background was drawn.
    static constexpr std::array<int, 2> BottleX{24, 520};
    static constexpr int BottleY = 44;
    static constexpr std::array<int, 2> PanelTop{8, 350};

    enum class Plate { PlayerOne, PlayerTwo, Computer };
    enum class Sign { None, RoundWon, RoundLost, Drawn, MatchWon, MatchLost };

    // What one side shows.
    struct Side final {
        const Playfield* bottle = nullptr;
        // None while the bottle shows a clearing or between rounds.
        const Capsule* falling = nullptr;
        const Capsule* preview = nullptr;
        Plate plate = Plate::PlayerOne;
        // The level as the player counts it, 1 to 20.
        int level = 1;
        std::int32_t score = 0;
        int wins = 0;
        Sign sign = Sign::None;
    };
    struct Screen final {
        std::array<Side, 2> sides;
        int round = 1;
        int roundsToWin = 3;
        bool paused = false;
        // Written on the pause sign's label.
        std::string_view resumeText;
    };

    VersusRenderer(Canvas& canvas, Renderer& sprites) : target(canvas), sprites(sprites) {}

    // Loads the versus pictures; false when one is missing (what is missing
    // is not drawn).
    bool loadPictures();
    void draw(const Screen& screen);

private:
    void drawSide(const Side& side, int index, int roundsToWin);
    void drawNumber(std::int32_t value, int rightX, int y);
    void drawText(std::string_view text, int centreX, int y, int widest);

    Canvas& target;
    Renderer& sprites;
    Renderer::Picture background;
    std::array<Renderer::Picture, 3> plates;
    Renderer::Picture winMark;
    Renderer::Picture noWinMark;
    std::array<Renderer::Picture, 5> signs;
    Renderer::Picture pauseSign;
};

}  // namespace quindel
