#include "render/VersusRenderer.h"

#include <algorithm>

namespace quindel {

namespace {

constexpr int PlateX = 316;
constexpr int PlateWidth = 168;
constexpr int PlateHeight = 32;
constexpr int MarkSize = 28;
constexpr int MarkGap = 4;
constexpr int SignWidth = 240;
constexpr int SignHeight = 178;
constexpr int PauseHeight = 121;
constexpr int PauseLabelTop = 92;
constexpr int PauseLabelWidth = 216;

}  // namespace

bool VersusRenderer::loadPictures()
{
    bool all = true;
    auto take = [&all](Renderer::Picture& slot, std::string_view name) {
        slot = Renderer::load(name);
        all = all && slot != nullptr;
    };
    take(background, "IDB_VS_BACKGROUND");
    take(plates[0], "IDB_VS_PLAYER1");
    take(plates[1], "IDB_VS_PLAYER2");
    take(plates[2], "IDB_VS_COMPUTER");
    take(winMark, "IDB_VS_WIN");
    take(noWinMark, "IDB_VS_NOWIN");
    take(signs[0], "IDB_VS_ROUNDWON");
    take(signs[1], "IDB_VS_ROUNDLOST");
    take(signs[2], "IDB_VS_DRAW");
    take(signs[3], "IDB_VS_MATCHWON");
    take(signs[4], "IDB_VS_MATCHLOST");
    take(pauseSign, "IDB_VS_PAUSE");
    return all;
}

void VersusRenderer::draw(const Screen& screen)
{
    target.copy(background.get(), 0, 0, Canvas::Width, Canvas::Height, 0, 0);
    for (int index = 0; index < 2; ++index)
        drawSide(screen.sides[static_cast<std::size_t>(index)], index, screen.roundsToWin);
    drawNumber(screen.round, 457 + Renderer::DigitWidth / 2, 286);
    if (!screen.paused)
        return;
    // The pause covers both bottles: nobody sees the other's while it lasts,
    // and nobody plans ahead on their own.
    for (int index = 0; index < 2; ++index) {
        const int x = BottleX[static_cast<std::size_t>(index)] + 8;
        const int y = BottleY + (Playfield::Rows * Renderer::SquareSize - PauseHeight) / 2;
        for (int row = 0; row < Playfield::Rows; ++row)
            for (int column = 0; column < Playfield::Columns; ++column)
                target.copy(sprites.emptySquare(), 0, 0, Renderer::SquareSize, Renderer::SquareSize,
                            BottleX[static_cast<std::size_t>(index)] + Renderer::SquareSize * column,
                            BottleY + Renderer::SquareSize * row);
        target.copy(pauseSign.get(), 0, 0, SignWidth, PauseHeight, x, y);
        drawText(screen.resumeText, x + SignWidth / 2, y + PauseLabelTop, PauseLabelWidth);
    }
}

void VersusRenderer::drawSide(const Side& side, int index, int roundsToWin)
{
    const int left = BottleX[static_cast<std::size_t>(index)];
    const int top = PanelTop[static_cast<std::size_t>(index)];
    const int square = Renderer::SquareSize;
    if (side.bottle != nullptr) {
        for (int row = 0; row < Playfield::Rows; ++row) {
            for (int column = 0; column < Playfield::Columns; ++column) {
                // A cell without a picture keeps the empty bottle's square.
                SDL_Surface* sprite = sprites.spriteForCell(*side.bottle->cellAt(column, row));
                target.copy(sprite != nullptr ? sprite : sprites.emptySquare(), 0, 0, square, square,
                            left + square * column, BottleY + square * row);
            }
        }
    }
    if (side.falling != nullptr)
        sprites.drawFallingCapsuleAt(*side.falling, left, BottleY);
    target.copy(plates[static_cast<std::size_t>(side.plate)].get(), 0, 0, PlateWidth, PlateHeight, PlateX, top + 8);
    if (side.preview != nullptr) {
        // The preview lies, half A on the left, as in single play.
        if (SDL_Surface* a = sprites.pillSprite(side.preview->colorA, CellLink::LeftHalf))
            target.copy(a, 0, 0, square, square, 328, top + 69);
        if (SDL_Surface* b = sprites.pillSprite(side.preview->colorB, CellLink::RightHalf))
            target.copy(b, 0, 0, square, square, 328 + square, top + 69);
    }
    drawNumber(side.level, side.level >= 10 ? 448 + Renderer::DigitWidth : 448 + Renderer::DigitWidth / 2, top + 71);
    drawNumber(side.score, 472, top + 137);
    const int marks = std::clamp(roundsToWin, 1, 5);
    int x = 400 - (marks * MarkSize + (marks - 1) * MarkGap) / 2;
    for (int k = 0; k < marks; ++k, x += MarkSize + MarkGap)
        target.copy(k < side.wins ? winMark.get() : noWinMark.get(), 0, 0, MarkSize, MarkSize, x, top + 191);
    if (side.sign != Sign::None) {
        const int y = BottleY + (Playfield::Rows * square - SignHeight) / 2;
        target.copy(signs[static_cast<std::size_t>(side.sign) - 1].get(), 0, 0, SignWidth, SignHeight, left + 8, y);
    }
}

void VersusRenderer::drawNumber(std::int32_t value, int rightX, int y)
{
    // Right-aligned: the last digit ends at rightX. A negative value shows
    // its digits only.
    std::uint32_t rest = value < 0 ? 0U - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    int x = rightX - Renderer::DigitWidth;
    do {
        target.copy(sprites.digits(), Renderer::DigitWidth * static_cast<int>(rest % 10), 0, Renderer::DigitWidth,
                    Renderer::DigitHeight, x, y);
        rest /= 10;
        x -= Renderer::ScoreStep;
    } while (rest > 0);
}

void VersusRenderer::drawText(std::string_view text, int centreX, int y, int widest)
{
    const auto shown = std::min<std::size_t>(text.size(), static_cast<std::size_t>(widest / Renderer::CharWidth));
    int x = centreX - static_cast<int>(shown) * Renderer::CharWidth / 2;
    for (std::size_t i = 0; i < shown; ++i, x += Renderer::CharWidth) {
        const char ch = text[i];
        int glyph = -1;
        if (ch >= '0' && ch <= '9')
            glyph = ch - '0';
        else if (ch >= 'A' && ch <= 'Z')
            glyph = ch - 'A' + 10;
        if (glyph >= 0)
            target.copy(sprites.letters(), Renderer::CharWidth * glyph, 0, Renderer::CharWidth, Renderer::CharHeight, x,
                        y);
    }
}

}  // namespace quindel
