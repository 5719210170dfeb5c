#pragma once

namespace quindel {

class DialogHost;

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

    // The client area the dialog is placed over (below the menu bar), in
    // the units the menu and the dialogs are laid out in.
    static void draw(DialogHost& dialog, float clientLeft, float clientTop, float clientWidth, float clientHeight);
};

}  // namespace quindel
