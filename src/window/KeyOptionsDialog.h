#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "store/KeySlot.h"
#include "widgets/CommandIds.h"
#include "widgets/DialogProcedure.h"
#include "window/DialogPause.h"

namespace quindel {

class Game;

// Template 118: a list of key names for each of the six actions, the
// defaults at a click, and the choice kept in settings.dat.
class KeyOptionsDialog final : public DialogProcedure {
public:
    static constexpr int TemplateId = dialog::KeyOptions;
    static constexpr int DefaultId = 1036;
    static constexpr int MoveLeftList = 1029;
    static constexpr int MoveRightList = 1030;
    static constexpr int TurnRightList = 1031;
    static constexpr int TurnLeftList = 1032;
    static constexpr int DropPillList = 1033;
    static constexpr int PauseList = 1034;

    struct ListSlot final {
        int list = 0;
        KeySlot slot = KeySlot::MoveLeft;
    };
    // The lists in the order they are filled and preselected.
    static constexpr std::array<ListSlot, 6> Lists{{
        {MoveLeftList, KeySlot::MoveLeft},
        {MoveRightList, KeySlot::MoveRight},
        {TurnRightList, KeySlot::TurnRight},
        {TurnLeftList, KeySlot::TurnLeft},
        {DropPillList, KeySlot::DropPill},
        {PauseList, KeySlot::Pause},
    }};

    // The name a bound code is looked for by in the lists: a named key's
    // name, else the character of the code's low byte.
    static std::string displayName(std::int32_t code);
    // The 26 letters, then the named keys; a sorted list orders them.
    static void fillKeyList(DialogHost& dialog, int list);

    explicit KeyOptionsDialog(Game& game) : game(game), pause(game) {}

    void initDialog(DialogHost& dialog) override;
    void command(DialogHost& dialog, int controlId) override;
    void destroy(DialogHost& dialog) override;
    // A key that can be bound, pressed while one of the lists has the focus,
    // selects its own name there: the way to choose a key is to press it.
    // Tab still moves on to the next control.
    bool keyPressed(DialogHost& dialog, int virtualKey) override;

private:
    static void selectDefaults(DialogHost& dialog);
    void bindAndSave(DialogHost& dialog);

    Game& game;
    DialogPause pause;
};

}  // namespace quindel
