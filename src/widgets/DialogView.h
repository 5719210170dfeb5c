#pragma once

struct ImFont;

namespace quindel {

class DialogHost;
class DialogTemplate;
struct ControlTemplate;

// Draws an open dialog with Dear ImGui as a window over the main window's
// client area and hands what the player does to its host. Must be called
// inside an ImGui frame.
class DialogView final {
public:
    // Dialog units of "MS Shell Dlg" at 8 points: a horizontal unit is a
    // quarter of the font's average character width (6 px), a vertical one an
    // eighth of its height (13 px).
    static int unitsToPixelsX(int units) { return units * 6 / 4; }
    static int unitsToPixelsY(int units) { return units * 13 / 8; }
    // The space between an edit field's frame and its text on either side.
    static constexpr float EditMargin = 4.0f;
    // DejaVu Sans is a quarter wider than the font the dialogs were laid out
    // for. At 11 pixels its average character is 5.8 pixels wide (6 as
    // Windows rounds it) and its lines are 13 high: the same base units, so
    // every text stands in its rectangle as it would under Windows. The menu
    // and the dialogs' captions keep the 13-pixel font.
    static constexpr int FontPixels = 11;
    // The dialog text's pixel size when the menu font is rasterised at
    // menuFontPixels: it grows with the window, in whole pixels so glyphs
    // still land texel for pixel, and never past the original proportion, so
    // a label that fits at one size fits at all.
    static int fontPixelsFor(int menuFontPixels);

    // The least room between a label and the control beside it.
    static constexpr float LabelGap = 2.0f;
    // Where a label of this width starts. One wider than its rectangle would
    // run into the control beside it: it is moved left to end where its
    // rectangle ends instead. One with nothing beside it keeps its place,
    // aligned with what is below.
    static float labelLeft(const DialogTemplate& layout, const ControlTemplate& label, float textWidth);

    // A radio button's circle and label in its rectangle (in the units the
    // dialogs are laid out in, from the rectangle's top left): the circle as
    // high as a line of text but never taller than the rectangle, centred
    // down it, the label after a small gap.
    struct RadioParts final {
        float circleTop = 0.0f;
        float diameter = 0.0f;
        float textLeft = 0.0f;
        float textTop = 0.0f;
    };
    static RadioParts radioParts(float rectHeight, float fontSize);

    // The client area the dialog is placed over (below the menu bar), in
    // the units the menu and the dialogs are laid out in. font: the dialog
    // text's font (null: the current one); the caption keeps the current.
    static void draw(DialogHost& dialog, ImFont* font, float clientLeft, float clientTop, float clientWidth,
                     float clientHeight);
};

}  // namespace quindel
