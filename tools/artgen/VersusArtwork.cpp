#include "VersusArtwork.h"

#include <array>
#include <cmath>
#include <numbers>

#include "Artwork.h"
#include "Shapes.h"
#include "StrokeFont.h"

namespace quindel::artgen {

namespace {

constexpr float Pi = std::numbers::pi_v<float>;
constexpr Rgb White = rgb(255, 255, 255);
constexpr Rgb Shadow = rgb(16, 18, 48);

// Each player's colour: player one blue, player two green, the computer
// violet, all dark enough for white letters at 4.5:1 and more.
struct PlateColours final {
    Rgb top;
    Rgb bottom;
};
constexpr std::array<PlateColours, 3> plateColours{{
    {rgb(64, 104, 210), rgb(34, 62, 160)},
    {rgb(38, 132, 62), rgb(22, 92, 46)},
    {rgb(110, 82, 200), rgb(66, 46, 148)},
}};

void label(Image& image, const char* text, float centreX, float top, float scale = 2.0f)
{
    const float x = centreX - StrokeFont::textWidth(text, scale) / 2.0f;
    image.fill(StrokeFont::textShape(text, x, top, scale, scale * 1.04f, 2.3f), everywhere(image), Artwork::Ink);
}

std::vector<Point> star(float cx, float cy, float outer, float inner)
{
    std::vector<Point> corners;
    for (int k = 0; k < 10; ++k) {
        const float a = static_cast<float>(k) * Pi / 5.0f - Pi / 2.0f;
        const float r = k % 2 == 0 ? outer : inner;
        corners.push_back(Point{cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return corners;
}

// One player's panel, from its top: name plate, next capsule and level,
// score, round wins.
void playerPanel(Image& image, float top)
{
    Artwork::paintPanel(image, VersusArtwork::PanelLeft, top, VersusArtwork::PanelRight,
                        top + VersusArtwork::PanelHeight, 14);
    // The plate's well takes a name plate drawn by the game, 8 below the
    // panel's top; the next capsule's 64 x 32 at 328, 69 from the top; the
    // level's digits in 414..482 at 71; the score's, ending at 472, at 137;
    // the round wins' marks at 191.
    Artwork::paintWell(image, VersusArtwork::PlateX, top + 8, VersusArtwork::PlateX + VersusArtwork::PlateWidth,
                       top + 8 + VersusArtwork::PlateHeight, Artwork::TextFill);
    label(image, "NEXT", 360, top + 46);
    Artwork::paintWell(image, 318, top + 62, 402, top + 108, Artwork::BottleFill);
    label(image, "LEVEL", 448, top + 46);
    Artwork::paintWell(image, 414, top + 62, 482, top + 108, Artwork::LevelFill);
    label(image, "SCORE", 400, top + 114);
    Artwork::paintWell(image, 318, top + 130, 482, top + 172, Artwork::TextFill);
    Artwork::paintWell(image, 318, top + 182, 482, top + 228, Artwork::TextFill);
}

Image sign(int height, Rgb top, Rgb bottom)
{
    // Shown inside a bottle, so its corners are the empty bottle's.
    Image image(VersusArtwork::SignWidth, height, Artwork::BottleFill);
    Artwork::signFrame(image, top, bottom);
    return image;
}

void pressEnter(Image& image)
{
    const Box all = everywhere(image);
    const Shape strip = roundBox(26, 132, 214, 164, 16);
    image.fill(strip, all, Artwork::Ink, 0.55f);
    Artwork::signText(image, "PRESS ENTER", 139, 2.7f, 3.1f, 2.6f, Artwork::Caption);
}

void sparkles(Image& image, Rgb colour)
{
    for (const auto& p : std::array<Point, 4>{{{22, 24}, {218, 24}, {20, 108}, {220, 108}}}) {
        std::vector<Point> points;
        for (int k = 0; k < 8; ++k) {
            const float a = static_cast<float>(k) * Pi / 4.0f;
            const float r = k % 2 == 0 ? 8.0f : 2.4f;
            points.push_back(Point{p.x + r * std::cos(a), p.y + r * std::sin(a)});
        }
        image.fill(polygon(points), everywhere(image), colour);
    }
}

}  // namespace

Image VersusArtwork::background()
{
    Image image(800, 600, rgb(0, 0, 0));
    Artwork::paintBackdrop(image);
    Artwork::paintBottle(image, LeftBottleX, BottleY);
    Artwork::paintBottle(image, RightBottleX, BottleY);
    playerPanel(image, TopPanelY);
    playerPanel(image, BottomPanelY);

    // The round between the two players' panels: its number's digits in
    // the well at 432..482, 286.
    Artwork::paintPanel(image, PanelLeft, 262, PanelRight, 338, 14);
    label(image, "ROUND", 366, 288, 3.2f);
    Artwork::paintWell(image, 432, 276, 482, 324, Artwork::LevelFill);
    return image;
}

Image VersusArtwork::namePlate(int who)
{
    static constexpr const char* names[] = {"PLAYER 1", "PLAYER 2", "COMPUTER"};
    const PlateColours& colours = plateColours[static_cast<std::size_t>(std::clamp(who, 0, 2))];
    Image image(PlateWidth, PlateHeight, Artwork::TextFill);
    const Box all = everywhere(image);
    const float w = static_cast<float>(PlateWidth);
    const float h = static_cast<float>(PlateHeight);
    image.fill(roundBox(-1, -1, w + 1, h + 1, 0), all, linearGradient({0, 0}, colours.top, {0, h}, colours.bottom));
    image.fill(roundBox(2, 2, w - 2, h * 0.45f, 4), all, White, 0.12f);
    // An arrow towards the player's bottle: player one's on the left,
    // player two's (or the computer's) on the right.
    const bool left = who == 0;
    const float tip = left ? 7.0f : w - 7.0f;
    const float back = left ? 21.0f : w - 21.0f;
    const Shape arrow = offset(polygon({{tip, h / 2}, {back, 8}, {back, h - 8}}), 1.0f);
    image.fill(moved(arrow, 1.0f, 1.5f), all, Shadow, 0.4f);
    image.fill(arrow, all, Artwork::Caption);
    const char* name = names[static_cast<std::size_t>(std::clamp(who, 0, 2))];
    const float sx = 2.7f;
    const float textWidth = StrokeFont::textWidth(name, sx);
    const float x = (left ? (w + 24.0f) : (w - 24.0f)) / 2.0f - textWidth / 2.0f;
    const Shape text = StrokeFont::textShape(name, x, 8, sx, 2.75f, 2.6f);
    image.fill(moved(text, 1.0f, 1.2f), all, Shadow, 0.6f);
    image.fill(text, all, White);
    return image;
}

Image VersusArtwork::winMark(bool won)
{
    Image image(MarkSize, MarkSize, Artwork::TextFill);
    const Box all = everywhere(image);
    const Shape shape = offset(polygon(star(14, 14.8f, 12.5f, 5.6f)), 0.6f);
    if (!won) {
        // A round still to win: the star's place, faint.
        image.outline(shape, all, 1.4f, rgb(150, 140, 100));
        return image;
    }
    image.fill(moved(shape, 1.0f, 1.4f), all, Shadow, 0.3f);
    image.fill(shape, all, linearGradient({0, 2}, rgb(255, 226, 96), {0, 27}, rgb(222, 140, 16)));
    image.outline(shape, all, 1.5f, rgb(120, 70, 10));
    image.fill(intersect(offset(shape, -2.5f), [](float, float y) { return y - 12.0f; }), all, White, 0.35f);
    return image;
}

Image VersusArtwork::roundWonSign()
{
    // The green of the level's clearing: this bottle is clear.
    Image image = sign(178, rgb(44, 132, 66), rgb(20, 84, 48));
    Artwork::signText(image, "ROUND", 16, 6.0f, 7.0f, 7.5f, White);
    Artwork::signText(image, "WON!", 72, 6.0f, 7.0f, 7.5f, White);
    sparkles(image, rgb(255, 246, 190));
    pressEnter(image);
    return image;
}

Image VersusArtwork::roundLostSign()
{
    // The red of a game that is over.
    Image image = sign(178, rgb(176, 52, 84), rgb(96, 24, 60));
    Artwork::signText(image, "ROUND", 16, 6.0f, 7.0f, 7.5f, White);
    Artwork::signText(image, "LOST", 72, 6.0f, 7.0f, 7.5f, White);
    pressEnter(image);
    return image;
}

Image VersusArtwork::drawnSign()
{
    // Neither won: the pause's violet, the same on both bottles.
    Image image = sign(178, rgb(118, 96, 214), rgb(62, 48, 150));
    Artwork::signText(image, "DRAW!", 16, 6.0f, 7.0f, 7.5f, White);
    Artwork::signText(image, "AGAIN", 72, 6.0f, 7.0f, 7.5f, White);
    pressEnter(image);
    return image;
}

Image VersusArtwork::matchWonSign()
{
    // Gold, dark enough for white letters.
    Image image = sign(178, rgb(184, 112, 14), rgb(122, 64, 6));
    const Box all = everywhere(image);
    Artwork::signText(image, "MATCH", 16, 6.0f, 7.0f, 7.5f, White);
    Artwork::signText(image, "WON!", 72, 6.0f, 7.0f, 7.5f, White);
    for (const float x : {34.0f, 206.0f}) {
        const Shape s = offset(polygon(star(x, 100, 15, 6.6f)), 0.6f);
        image.fill(s, all, rgb(255, 240, 170));
        image.outline(s, all, 1.4f, Artwork::Ink);
    }
    pressEnter(image);
    return image;
}

Image VersusArtwork::matchLostSign()
{
    Image image = sign(178, rgb(120, 40, 96), rgb(62, 20, 60));
    Artwork::signText(image, "MATCH", 16, 6.0f, 7.0f, 7.5f, White);
    Artwork::signText(image, "LOST", 72, 6.0f, 7.0f, 7.5f, White);
    // The viruses had the last laugh.
    Artwork::paintVirus(image, 32, 100, 0.9f, 0, 0);
    Artwork::paintVirus(image, 208, 100, 0.9f, 2, 0);
    pressEnter(image);
    return image;
}

Image VersusArtwork::pauseSign()
{
    Image image = sign(121, rgb(118, 96, 214), rgb(62, 48, 150));
    const Box all = everywhere(image);
    for (float x : {22.0f, 40.0f}) {
        const Shape bar = roundBox(x, 26, x + 12, 70, 6);
        image.fill(bar, all, linearGradient({x, 0}, Artwork::lightTint(1), {x + 12, 0}, Artwork::baseTint(1)));
        image.outline(bar, all, 2.0f, Artwork::Ink);
    }
    const Shape word = StrokeFont::textShape("PAUSE", 68, 24, 5.6f, 8.2f, 7.5f);
    image.fill(moved(word, 2.0f, 3.0f), all, Shadow, 0.45f);
    image.fill(word, all, White);
    image.outline(word, all, 1.8f, Artwork::Ink);
    // The label the game writes the resume keys on, in the hall of fame's
    // letters.
    const Shape paper = roundBox(12, 87, 228, 111, 6);
    image.fill(paper, all, Artwork::TextFill);
    image.outline(paper, all, 1.5f, Artwork::Ink, 0.8f);
    return image;
}

}  // namespace quindel::artgen
