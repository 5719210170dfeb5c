#pragma once

#include "Image.h"

namespace quindel::artgen {

// The versus screen's pictures: two bottles with a column of panels between
// them (each player's name, next capsule, level, score and round wins, and
// the round), the players' name plates, the marks of a round won, and the
// signs shown over each bottle at a round's end, at the match's end and
// while the match is paused. Where things go matches the versus renderer.
class VersusArtwork final {
public:
    // The bottles' insides, 256 x 512 each.
    static constexpr int LeftBottleX = 24;
    static constexpr int RightBottleX = 520;
    static constexpr int BottleY = 44;
    // Each player's panel: player one's at the top, player two's below the
    // round's; everything in a panel is placed from its top.
    static constexpr int PanelLeft = 304;
    static constexpr int PanelRight = 496;
    static constexpr int TopPanelY = 8;
    static constexpr int BottomPanelY = 350;
    static constexpr int PanelHeight = 242;
    // The name plate's well: 168 x 32, 10 below the panel's top.
    static constexpr int PlateX = 316;
    static constexpr int PlateWidth = 168;
    static constexpr int PlateHeight = 32;
    // A round won: 28 x 28 marks on the paper of the wins well.
    static constexpr int MarkSize = 28;
    // The signs over a bottle: 240 wide, 8 in from the bottle's side.
    static constexpr int SignWidth = 240;

    static Image background();
    // 0 player one, 1 player two, 2 the computer.
    static Image namePlate(int who);
    static Image winMark(bool won);
    static Image roundWonSign();
    static Image roundLostSign();
    static Image drawnSign();
    static Image matchWonSign();
    static Image matchLostSign();
    static Image pauseSign();
};

}  // namespace quindel::artgen
