// Writes a PNG of every screen into a folder, so the art can be looked at:
//   quindel_render_screenshots [FOLDER]   (default: screens)

#include <cstdio>
#include <filesystem>
#include <string>

#include "render/Renderer.h"
#include "store/HallOfFame.h"

using namespace quindel;

namespace {

void put(Playfield& field, int column, int row, CellKind kind, CellColor color, CellLink link,
         CellPhase phase = CellPhase::Normal)
{
    Cell* c = field.cellAt(column, row);
    c->kind = kind;
    c->color = color;
    c->link = link;
    c->phase = phase;
}

// A bottle late in a level: viruses of all three kinds, capsules lying and
// standing, loose halves and a line in the middle of bursting.
void fillBoard(Playfield& field)
{
    const CellColor colours[] = {CellColor::White, CellColor::Blue, CellColor::Green};
    for (int row = 6; row < 16; ++row) {
        for (int column = 0; column < 8; ++column) {
            if ((column * 7 + row * 3) % 5 < 2) {
                put(field, column, row, CellKind::Virus, colours[(column + row * 2) % 3], CellLink::Single);
            }
        }
    }
    put(field, 0, 5, CellKind::PillHalf, CellColor::Blue, CellLink::LeftHalf);
    put(field, 1, 5, CellKind::PillHalf, CellColor::Green, CellLink::RightHalf);
    put(field, 6, 4, CellKind::PillHalf, CellColor::White, CellLink::TopHalf);
    put(field, 6, 5, CellKind::PillHalf, CellColor::White, CellLink::BottomHalf);
    put(field, 7, 5, CellKind::PillHalf, CellColor::Green, CellLink::Single);
    put(field, 3, 5, CellKind::PillHalf, CellColor::Blue, CellLink::Single);
    put(field, 2, 13, CellKind::PillHalf, CellColor::Green, CellLink::LeftHalf);
    put(field, 3, 13, CellKind::PillHalf, CellColor::White, CellLink::RightHalf);
    put(field, 5, 7, CellKind::PillHalf, CellColor::Blue, CellLink::TopHalf);
    put(field, 5, 8, CellKind::PillHalf, CellColor::Green, CellLink::BottomHalf);
    put(field, 1, 10, CellKind::Virus, CellColor::Blue, CellLink::Single, CellPhase::Burst1);
    put(field, 2, 10, CellKind::Virus, CellColor::Blue, CellLink::Single, CellPhase::Burst2);
    put(field, 3, 10, CellKind::PillHalf, CellColor::Blue, CellLink::LeftHalf, CellPhase::Burst2);
    put(field, 4, 10, CellKind::Virus, CellColor::Blue, CellLink::Single, CellPhase::Burst3);
    put(field, 5, 10, CellKind::Empty, CellColor::NoColor, CellLink::Single);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::filesystem::path folder = argc > 1 ? argv[1] : "screens";
    std::filesystem::create_directories(folder);
    Canvas canvas;
    Renderer renderer(canvas);
    if (!renderer.loadPictures()) {
        std::fprintf(stderr, "some pictures are missing\n");
        return 1;
    }
    HallOfFame hall(folder / "highscore.dat");
    hall.setScore(48200);
    Playfield field;
    fillBoard(field);
    Capsule next(CellColor::Green, CellColor::White);
    Capsule falling(CellColor::Blue, CellColor::White);
    falling.columnA = 3;
    falling.rowA = 2;
    falling.columnB = 4;
    falling.rowB = 2;

    auto playing = [&](std::uint32_t level) {
        renderer.drawBackground();
        renderer.drawLevelPicture(level);
        renderer.drawNextCapsule(next);
        renderer.drawBoard(field);
        renderer.drawFallingCapsule(falling);
        renderer.drawHallOfFame(hall);
        renderer.drawScore(hall.currentScore(), true);
    };
    bool ok = true;
    renderer.drawTitleScreen();
    ok = canvas.savePng((folder / "title.png").string()) && ok;
    playing(11);
    ok = canvas.savePng((folder / "playing.png").string()) && ok;
    ok = canvas.saveBmp((folder / "playing.bmp").string()) && ok;
    playing(11);
    renderer.drawPauseOverlay("PRESS PAUSE OR ESC");
    ok = canvas.savePng((folder / "pause.png").string()) && ok;
    playing(11);
    renderer.drawLevelClearOverlay();
    ok = canvas.savePng((folder / "levelclear.png").string()) && ok;
    playing(11);
    renderer.drawGameOverOverlay();
    ok = canvas.savePng((folder / "gameover.png").string()) && ok;
    return ok ? 0 : 1;
}
