#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include <SDL.h>

#include "core/Capsule.h"
#include "core/Cell.h"
#include "core/Playfield.h"
#include "render/Canvas.h"

namespace quindel {

class HallOfFame;

// Owns every picture of the game and puts every pixel on the canvas, each by
// one opaque rectangle copy. It keeps the board as it was last drawn, so an
// animation frame redraws only the squares that changed, and the score it
// last drew, so an unchanged score is not drawn again.
class Renderer final {
public:
    static constexpr int LevelCount = 20;
    static constexpr int ColorCount = 3;
    static constexpr int VirusPhaseCount = 4;
    static constexpr int PillShapeCount = 5;
    static constexpr int PillPhaseCount = 4;

    static constexpr int SquareSize = 32;
    static constexpr int BoardX = 272;
    static constexpr int BoardY = 44;
    static constexpr int PreviewX = 99;
    static constexpr int PreviewY = 78;
    static constexpr int LevelX = 106;
    static constexpr int LevelY = 210;
    static constexpr int LevelSize = 107;
    static constexpr int OverlayX = 250;
    static constexpr int OverlayY = 200;
    static constexpr int OverlayWidth = 300;
    static constexpr int OverlayHeight = 200;
    // The label on the pause sign the resume keys are written on.
    static constexpr int PauseLabelY = OverlayY + 92;
    static constexpr int PauseLabelWidth = 232;
    static constexpr int CharWidth = 8;
    static constexpr int CharHeight = 14;
    static constexpr int HallNameX = 48;
    static constexpr int HallScoreX = 200;
    static constexpr int HallTop = 420;
    static constexpr int HallRowStep = 17;
    static constexpr int HallBottom = 556;
    static constexpr int DigitWidth = 20;
    static constexpr int DigitHeight = 28;
    static constexpr int ScoreX = 747;
    static constexpr int ScoreY = 531;
    static constexpr int ScoreStep = 21;

    explicit Renderer(Canvas& canvas);

    // Loads all 100 pictures from the linked table. A picture that is missing
    // or does not decode stays empty and its drawings draw nothing; the
    // result tells whether every one loaded.
    bool loadPictures();

    void drawBackground();
    void drawTitleScreen();
    // The pause sign, with the keys that take the game on again written on
    // its label ("PRESS PAUSE OR ESC").
    void drawPauseOverlay(std::string_view resumeText);
    void drawLevelClearOverlay();
    void drawGameOverOverlay();
    // Nothing for an index outside 0..19.
    void drawLevelPicture(std::uint32_t levelIndex);
    void eraseCapsule(const Capsule& capsule);

    void drawBoard(const Playfield& playfield);
    void redrawChangedCells(const Playfield& playfield);
    void drawNextCapsule(const Capsule& capsule);
    void drawFallingCapsule(const Capsule& capsule);
    // The same in a bottle whose top left square is at (x, y).
    void drawFallingCapsuleAt(const Capsule& capsule, int x, int y);

    void drawHallOfFame(const HallOfFame& hallOfFame);
    void drawScore(std::int32_t value, bool force);

    Canvas& canvas() { return target; }
    const Playfield& drawnBoard() const { return board; }
    std::int32_t lastDrawnScore() const { return lastScore; }

    // The pictures of the bottle and the letters, for whoever draws a bottle
    // elsewhere on the canvas (the versus screen); null when not loaded.
    // The square of a cell, null for one the picture set has none for.
    SDL_Surface* spriteForCell(const Cell& cell) const;
    // A capsule half of a colour, joined as the link says, whole.
    SDL_Surface* pillSprite(CellColor color, CellLink link) const;
    SDL_Surface* emptySquare() const { return emptySprite.get(); }
    // The score's digits, 20 x 28 each, and the hall of fame's 0-9 A-Z.
    SDL_Surface* digits() const { return numberStrip.get(); }
    SDL_Surface* letters() const { return charStrip.get(); }

    struct SurfaceFree final {
        void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
    };
    using Picture = std::unique_ptr<SDL_Surface, SurfaceFree>;
    // A linked picture by name, in the canvas's own format; null when it is
    // missing or does not decode.
    static Picture load(std::string_view name);

private:
    void drawCell(const Cell& cell, int column, int row);
    void drawSquare(SDL_Surface* sprite, int column, int row);
    void drawHallRow(int index, const char* name, std::int32_t score);

    Canvas& target;
    Playfield board;
    std::int32_t lastScore = -1;

    Picture background;
    Picture pausePicture;
    Picture titlePicture;
    Picture levelClearPicture;
    Picture gameOverPicture;
    Picture numberStrip;
    Picture emptySprite;
    std::array<Picture, LevelCount> levelPictures;
    Picture charStrip;
    std::array<std::array<Picture, VirusPhaseCount>, ColorCount> virusSprites;
    std::array<std::array<std::array<Picture, PillPhaseCount>, PillShapeCount>, ColorCount> pillSprites;
};

}  // namespace quindel
