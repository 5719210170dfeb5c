#pragma once

#include "Image.h"

namespace quindel::artgen {

// Every picture of the game, drawn from shapes. Colour index 0 white, 1 blue,
// 2 green; virus phase 0 whole, 1 to 3 the burst; capsule-half shape 0 single,
// 1 top, 2 right, 3 bottom, 4 left; pill phase 1 normal, 2 to 4 fading.
class Artwork final {
public:
    static constexpr Rgb BottleFill = rgb(215, 241, 255);
    static constexpr Rgb LevelFill = rgb(226, 255, 215);
    static constexpr Rgb TextFill = rgb(255, 255, 215);
    // The score and hall-of-fame letters: the blue of old (102, 153, 255) at
    // 55 % of its brightness, the same hue, so it reads at 7.3:1 on TextFill
    // instead of 2.7:1.
    static constexpr Rgb GlyphColor = rgb(56, 84, 140);
    static constexpr Rgb Ink = rgb(38, 42, 86);
    // The signs' small print.
    static constexpr Rgb Caption = rgb(255, 236, 150);
    // Where the signs are copied onto the screen: their corners show what is
    // there (the background and the empty bottle) around their rounded panel.
    static constexpr int SignX = 250;
    static constexpr int SignY = 200;

    static Image emptySquare();
    static Image virus(int colour, int phase);
    static Image pillHalf(int colour, int shape, int pillPhase);
    static Image levelPicture(int number);
    static Image charStrip();
    static Image numberStrip();
    static Image background();
    static Image titleScreen();
    static Image pauseSign();
    static Image levelClearSign();
    static Image gameOverSign();
    static Image icon(int size);

    // The pieces every screen is drawn with, the versus screen's too.
    // The sprites' own drawing, at any place and size, so the screens can show
    // the same viruses and capsules larger.
    static void paintVirus(Image& image, float cx, float cy, float scale, int colour, int phase);
    static void paintPill(Image& image, float left, float top, float scale, int colour, int shape);
    // The mark a capsule half carries: its colour's virus shape, so the
    // colours stay apart without their hue.
    static void paintMark(Image& image, float left, float top, float scale, int colour);
    static Image signBase(int width, int height);
    static void paintBackdrop(Image& image);
    static void paintPanel(Image& image, float x0, float y0, float x1, float y1, float radius);
    static void paintWell(Image& image, float x0, float y0, float x1, float y1, Rgb fill);
    // A sign's rounded panel with its dark rim, and a line of its lettering
    // centred on it.
    static void signFrame(Image& image, Rgb top, Rgb bottom);
    static void signText(Image& image, const char* text, float top, float sx, float sy, float pen, Rgb colour);
    // The bottle's glass, neck and empty inside around a 256 x 512 inside
    // whose top left corner is (x, y).
    static void paintBottle(Image& image, float x, float y);
    // The three tones of a colour's bodies: 0 white, 1 blue, 2 green.
    static Rgb lightTint(int colour);
    static Rgb baseTint(int colour);
    static Rgb shadeTint(int colour);
};

}  // namespace quindel::artgen
