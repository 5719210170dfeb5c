#include "render/Renderer.h"

#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>

#include "render/PictureData.h"
#include "store/HallOfFame.h"

namespace quindel {

namespace {

constexpr const char* colourWords[Renderer::ColorCount] = {"WHITE", "BLUE", "GREEN"};

std::optional<int> colourIndex(CellColor color)
{
    if (!isRealColor(color))
        return std::nullopt;
    return static_cast<int>(color) - static_cast<int>(CellColor::White);
}

// Normal 0, Burst1..3 1..3; Marked and anything else have no picture, so a
// marked cell keeps showing its last picture until its burst starts.
std::optional<int> burstIndex(CellPhase phase)
{
    switch (phase) {
    case CellPhase::Normal:
        return 0;
    case CellPhase::Burst1:
        return 1;
    case CellPhase::Burst2:
        return 2;
    case CellPhase::Burst3:
        return 3;
    default:
        return std::nullopt;
    }
}

// The shape digit runs clockwise from the top, not in the order of the link codes.
std::optional<int> shapeIndex(CellLink link)
{
    switch (link) {
    case CellLink::Single:
        return 0;
    case CellLink::TopHalf:
        return 1;
    case CellLink::RightHalf:
        return 2;
    case CellLink::BottomHalf:
        return 3;
    case CellLink::LeftHalf:
        return 4;
    default:
        return std::nullopt;
    }
}

bool sameLook(const Cell& a, const Cell& b)
{
    return a.kind == b.kind && a.phase == b.phase && a.link == b.link && a.color == b.color;
}

// The magnitude as unsigned, so even the most negative score has digits.
std::uint32_t magnitude(std::int32_t value)
{
    return value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
}

}  // namespace

Renderer::Renderer(Canvas& canvas) : target(canvas) {}

Renderer::Picture Renderer::load(std::string_view name)
{
    const std::optional<PictureData> data = findPicture(name);
    if (!data || data->size > static_cast<std::size_t>(INT32_MAX))
        return nullptr;
    SDL_RWops* stream = SDL_RWFromConstMem(data->bytes, static_cast<int>(data->size));
    if (!stream)
        return nullptr;
    Picture decoded(SDL_LoadBMP_RW(stream, 1));
    if (!decoded)
        return nullptr;
    // Kept in the canvas's own format, so every copy is a plain row copy.
    Picture converted(SDL_ConvertSurfaceFormat(decoded.get(), SDL_PIXELFORMAT_XRGB8888, 0));
    if (converted)
        SDL_SetSurfaceBlendMode(converted.get(), SDL_BLENDMODE_NONE);
    return converted;
}

bool Renderer::loadPictures()
{
    bool all = true;
    auto take = [&all](Picture& slot, const std::string& name) {
        slot = load(name);
        all = all && slot != nullptr;
    };
    take(background, "IDB_BACKGROUND");
    take(pausePicture, "IDB_PAUSE");
    take(titlePicture, "IDB_TITLESCREEN");
    take(levelClearPicture, "IDB_LEVELCLEAR");
    take(gameOverPicture, "IDB_GAMEOVER");
    take(numberStrip, "IDB_NUMBERS");
    take(emptySprite, "IDB_EMPTY");
    for (int i = 0; i < LevelCount; ++i)
        take(levelPictures[static_cast<std::size_t>(i)], "IDB_LEVEL" + std::to_string(i + 1));
    take(charStrip, "IDB_CHARS");
    for (int c = 0; c < ColorCount; ++c) {
        for (int p = 0; p < VirusPhaseCount; ++p) {
            take(virusSprites[static_cast<std::size_t>(c)][static_cast<std::size_t>(p)],
                 std::string("IDB_VIRUS_") + colourWords[c] + std::to_string(p));
        }
        for (int s = 0; s < PillShapeCount; ++s) {
            for (int p = 0; p < PillPhaseCount; ++p) {
                take(pillSprites[static_cast<std::size_t>(c)][static_cast<std::size_t>(s)][static_cast<std::size_t>(p)],
                     std::string("IDB_PILL_") + colourWords[c] + std::to_string(s) + "_" + std::to_string(p + 1));
            }
        }
    }
    return all;
}

void Renderer::drawBackground()
{
    target.copy(background.get(), 0, 0, Canvas::Width, Canvas::Height, 0, 0);
}

void Renderer::drawTitleScreen()
{
    target.copy(titlePicture.get(), 0, 0, Canvas::Width, Canvas::Height, 0, 0);
}

// The overlay pictures are smaller than the rectangle; the canvas clips the
// copy to the picture, so the rest keeps what was drawn before.
void Renderer::drawPauseOverlay(std::string_view resumeText)
{
    target.copy(pausePicture.get(), 0, 0, OverlayWidth, OverlayHeight, OverlayX, OverlayY);
    // Centred on the sign's label, in the hall of fame's letters; a space,
    // or anything the letters do not have, leaves the label's paper.
    const auto shown = std::min<std::size_t>(resumeText.size(), PauseLabelWidth / CharWidth);
    int x = OverlayX + (OverlayWidth - static_cast<int>(shown) * CharWidth) / 2;
    for (std::size_t i = 0; i < shown; ++i, x += CharWidth) {
        const char c = resumeText[i];
        int glyph = -1;
        if (c >= '0' && c <= '9')
            glyph = c - '0';
        else if (c >= 'A' && c <= 'Z')
            glyph = c - 'A' + 10;
        if (glyph >= 0)
            target.copy(charStrip.get(), CharWidth * glyph, 0, CharWidth, CharHeight, x, PauseLabelY);
    }
}

void Renderer::drawLevelClearOverlay()
{
    target.copy(levelClearPicture.get(), 0, 0, OverlayWidth, OverlayHeight, OverlayX, OverlayY);
}

void Renderer::drawGameOverOverlay()
{
    target.copy(gameOverPicture.get(), 0, 0, OverlayWidth, OverlayHeight, OverlayX, OverlayY);
}

void Renderer::drawLevelPicture(std::uint32_t levelIndex)
{
    if (levelIndex >= LevelCount)
        return;
    target.copy(levelPictures[levelIndex].get(), 0, 0, LevelSize, LevelSize, LevelX, LevelY);
}

void Renderer::drawSquare(SDL_Surface* sprite, int column, int row)
{
    target.copy(sprite, 0, 0, SquareSize, SquareSize, BoardX + SquareSize * column, BoardY + SquareSize * row);
}

void Renderer::eraseCapsule(const Capsule& capsule)
{
    drawSquare(emptySprite.get(), capsule.columnA, capsule.rowA);
    drawSquare(emptySprite.get(), capsule.columnB, capsule.rowB);
}

SDL_Surface* Renderer::spriteForCell(const Cell& cell) const
{
    if (cell.kind == CellKind::Empty)
        return emptySprite.get();
    const std::optional<int> colour = colourIndex(cell.color);
    const std::optional<int> phase = burstIndex(cell.phase);
    if (!colour || !phase)
        return nullptr;
    const auto c = static_cast<std::size_t>(*colour);
    const auto p = static_cast<std::size_t>(*phase);
    if (cell.kind == CellKind::Virus)
        return virusSprites[c][p].get();
    if (cell.kind == CellKind::PillHalf) {
        const std::optional<int> shape = shapeIndex(cell.link);
        return shape ? pillSprites[c][static_cast<std::size_t>(*shape)][p].get() : nullptr;
    }
    return nullptr;
}

SDL_Surface* Renderer::pillSprite(CellColor color, CellLink link) const
{
    const std::optional<int> colour = colourIndex(color);
    const std::optional<int> shape = shapeIndex(link);
    if (!colour || !shape)
        return nullptr;
    return pillSprites[static_cast<std::size_t>(*colour)][static_cast<std::size_t>(*shape)][0].get();
}

void Renderer::drawCell(const Cell& cell, int column, int row)
{
    // A cell without a picture is not drawn at all: its square keeps what it showed.
    if (SDL_Surface* sprite = spriteForCell(cell))
        drawSquare(sprite, column, row);
}

void Renderer::drawBoard(const Playfield& playfield)
{
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row)
            drawCell(*playfield.cellAt(column, row), column, row);
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row)
            board.copyCell(*playfield.cellAt(column, row), column, row);
}

void Renderer::redrawChangedCells(const Playfield& playfield)
{
    for (int column = 0; column < Playfield::Columns; ++column) {
        for (int row = 0; row < Playfield::Rows; ++row) {
            const Cell& live = *playfield.cellAt(column, row);
            if (!sameLook(live, *board.cellAt(column, row)))
                drawCell(live, column, row);
        }
    }
    // Recorded whether drawn or not, so a marked cell is drawn once its burst starts.
    for (int column = 0; column < Playfield::Columns; ++column)
        for (int row = 0; row < Playfield::Rows; ++row)
            board.copyCell(*playfield.cellAt(column, row), column, row);
}

void Renderer::drawNextCapsule(const Capsule& capsule)
{
    // The preview always lies, half A on the left, wherever the capsule is.
    if (SDL_Surface* left = pillSprite(capsule.colorA, CellLink::LeftHalf))
        target.copy(left, 0, 0, SquareSize, SquareSize, PreviewX, PreviewY);
    if (SDL_Surface* right = pillSprite(capsule.colorB, CellLink::RightHalf))
        target.copy(right, 0, 0, SquareSize, SquareSize, PreviewX + SquareSize, PreviewY);
}

void Renderer::drawFallingCapsule(const Capsule& capsule)
{
    drawFallingCapsuleAt(capsule, BoardX, BoardY);
}

void Renderer::drawFallingCapsuleAt(const Capsule& capsule, int x, int y)
{
    const auto square = [this, x, y](SDL_Surface* sprite, int column, int row) {
        target.copy(sprite, 0, 0, SquareSize, SquareSize, x + SquareSize * column, y + SquareSize * row);
    };
    const bool aFirst = capsule.rowA == capsule.rowB ? capsule.columnA < capsule.columnB : capsule.rowA > capsule.rowB;
    const int firstColumn = aFirst ? capsule.columnA : capsule.columnB;
    const int firstRow = aFirst ? capsule.rowA : capsule.rowB;
    const CellColor firstColor = aFirst ? capsule.colorA : capsule.colorB;
    const int secondColumn = aFirst ? capsule.columnB : capsule.columnA;
    const int secondRow = aFirst ? capsule.rowB : capsule.rowA;
    const CellColor secondColor = aFirst ? capsule.colorB : capsule.colorA;
    if (capsule.rowA == capsule.rowB) {
        // Lying: the left half, then the right one.
        if (SDL_Surface* s = pillSprite(firstColor, CellLink::LeftHalf))
            square(s, firstColumn, firstRow);
        if (SDL_Surface* s = pillSprite(secondColor, CellLink::RightHalf))
            square(s, secondColumn, secondRow);
    } else if (capsule.columnA == capsule.columnB) {
        // Standing: the lower half, then the upper one.
        if (SDL_Surface* s = pillSprite(firstColor, CellLink::BottomHalf))
            square(s, firstColumn, firstRow);
        if (SDL_Surface* s = pillSprite(secondColor, CellLink::TopHalf))
            square(s, secondColumn, secondRow);
    }
}

void Renderer::drawHallRow(int index, const char* name, std::int32_t score)
{
    const int top = HallTop + HallRowStep * index;
    if (name) {
        // Every one of the ten places is looked at, even past the name's end, but
        // never the slot's eleventh byte: a foreign file may leave out the NUL.
        for (int k = 0; k < 10; ++k) {
            const auto ch = static_cast<unsigned char>(name[k]);
            if (ch >= 'A' && ch <= 'Z') {
                target.copy(charStrip.get(), CharWidth * (ch - 55), 0, CharWidth, CharHeight, HallNameX + CharWidth * k,
                            top);
            }
        }
    }
    // A negative score, which only a foreign file can hold, shows its digits without a sign.
    std::uint32_t rest = magnitude(score);
    int x = HallScoreX;
    do {
        target.copy(charStrip.get(), CharWidth * static_cast<int>(rest % 10), 0, CharWidth, CharHeight, x, top);
        rest /= 10;
        x -= CharWidth;
    } while (rest > 0);
}

void Renderer::drawHallOfFame(const HallOfFame& hallOfFame)
{
    for (int i = 0; i < 8 && HallTop + HallRowStep * i < HallBottom; ++i)
        drawHallRow(i, hallOfFame.nameAt(i), hallOfFame.scoreAt(i));
}

void Renderer::drawScore(std::int32_t value, bool force)
{
    if (value == lastScore && !force)
        return;
    lastScore = value;
    // Old digits are not erased: a shorter number leaves the older ones to its left.
    std::uint32_t rest = magnitude(value);
    int x = ScoreX;
    do {
        target.copy(numberStrip.get(), DigitWidth * static_cast<int>(rest % 10), 0, DigitWidth, DigitHeight, x, ScoreY);
        rest /= 10;
        x -= ScoreStep;
    } while (rest > 0);
}

}  // namespace quindel
