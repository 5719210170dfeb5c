// The name entry, hall of fame and key options dialogs on the real window
// procedure and dialog host, in the scripted run.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "ScriptSession.h"
#include "render/Renderer.h"
#include "store/HallOfFame.h"
#include "widgets/DialogHost.h"
#include "widgets/DialogTemplate.h"
#include "window/HallOfFameDialog.h"
#include "window/KeyOptionsDialog.h"

namespace quindel::test {
namespace {

// A game on level 1 whose next landing blocks the entry: the halves below it
// alternate colours, so no line forms.
void startGameAboutToEnd(ScriptSession& session, std::int32_t score)
{
    session.feed("dialog 1\n");
    session.command(114);
    Game& game = session.game();
    for (int row = 1; row < Playfield::Rows; ++row)
        for (int column : {3, 4}) {
            Cell* cell = game.cells().cellAt(column, row);
            cell->kind = CellKind::PillHalf;
            cell->color = (row + column) % 2 == 0 ? CellColor::White : CellColor::Blue;
            cell->link = CellLink::Single;
        }
    game.setScore(score);
}

std::vector<std::uint8_t> pixelsOf(Canvas& canvas)
{
    const SDL_Surface* surface = canvas.surface();
    const auto* bytes = static_cast<const std::uint8_t*>(surface->pixels);
    return {bytes, bytes + static_cast<std::size_t>(surface->pitch) * static_cast<std::size_t>(surface->h)};
}

TEST(NameEntry, OkEntersTheNameAndRedrawsTheGameOverPictureWithIt)
{
    struct Run {
        std::vector<std::uint8_t> picture;
        std::string first;
    };
    // The same game over twice: once the name is entered, once Escape.
    const auto play = [](const char* lines) {
        ScriptSession session;
        startGameAboutToEnd(session, 40);
        session.feed(lines);
        session.tick();
        EXPECT_EQ(session.game().state(), GameState::GameOver);
        EXPECT_EQ(session.window().openDialog(), nullptr);
        Canvas& canvas = session.window().renderer().canvas();
        Run run{pixelsOf(canvas), std::string(session.game().hallOfFame().nameView(0))};
        // What is on the screen is the whole game-over picture as it is now.
        session.window().renderer().drawTitleScreen();
        session.window().sendPaint(RedrawRequest::RedrawGameOver);
        EXPECT_EQ(pixelsOf(canvas), run.picture) << lines;
        return run;
    };
    const Run entered = play("dialog 1019 winner\ndialog 1\n");
    const Run escaped = play("dialog 1019 winner\nkey 27\n");
    EXPECT_EQ(entered.first, "WINNER");
    EXPECT_EQ(escaped.first, "KIVOR");
    EXPECT_NE(entered.picture, escaped.picture);
}

TEST(NameEntry, TheFieldTakesPrintableAsciiUpperCaseUpToItsRightEdge)
{
    ScriptSession session;
    class Nothing final : public DialogProcedure {
        void initDialog(DialogHost&) override {}
        void command(DialogHost&, int) override {}
        void destroy(DialogHost&) override {}
    } procedure;
    DialogHost dialog(session.window(), *DialogTemplate::find(117), procedure);
    struct Case {
        std::string typed;
        std::string held;
    };
    const Case cases[] = {
        {"abcdefghijkl", "ABCDEFGHIJKL"},
        {"Jo-Ann O'Neil ~1", "JO-ANN O'NEIL ~1"},
        // Controls, DEL and every byte of a UTF-8 character are refused.
        {"a\tb\nc\x7f"
         "d\xc3\xa9"
         "e",
         "ABCDE"},
        // Twelve of the widest capitals still fit: names are never cut
        // before the ten characters the hall of fame keeps.
        {"WWWWWWWWWWWW", "WWWWWWWWWWWW"},
    };
    for (const Case& c : cases) {
        dialog.giveValue(1019, c.typed);
        EXPECT_EQ(dialog.itemText(1019), c.held) << c.typed;
    }

    // However long the typing, the text stops where the next character would
    // cross the edge, whatever the font measures.
    for (const float advance : {6.0f, 20.0f, 47.0f}) {
        dialog.setTextMeasure([advance](std::string_view text) { return advance * static_cast<float>(text.size()); });
        dialog.giveValue(1019, std::string(100, 'm'));
        const std::string held = dialog.itemText(1019);
        EXPECT_TRUE(dialog.textFits(1019, held)) << advance;
        EXPECT_FALSE(dialog.textFits(1019, held + "M")) << advance;
        EXPECT_FALSE(held.empty()) << advance;
        // Typing on at the edge takes nothing more.
        dialog.typeText(1019, "m");
        EXPECT_EQ(dialog.itemText(1019), held) << advance;
    }
}

TEST(HallOfFameDialog, FieldsHoldTheNamesUpToElevenBytesAndTheScores)
{
    ScriptSession session;
    // A file written elsewhere: a lower-case name, a slot with no NUL, and a
    // negative score.
    std::vector<unsigned char> table(HallOfFame::TableSize, 0);
    const char* names[] = {"ace", "ELEVENBYTES", "", "NONAME", "X", "Y", "Z", "W"};
    const std::int32_t scores[] = {2147483647, 5000, 40, 0, 0, 0, 0, -12};
    for (int i = 0; i < HallOfFame::EntryCount; ++i) {
        std::memcpy(&table[static_cast<std::size_t>(i * HallOfFame::NameSlotSize)], names[i], std::strlen(names[i]));
        for (int b = 0; b < 4; ++b)
            table[static_cast<std::size_t>(HallOfFame::ScoreBytesOffset + 4 * i + b)] =
                static_cast<unsigned char>(static_cast<std::uint32_t>(scores[i]) >> (8 * b));
    }
    std::ofstream(session.directory() / "highscore.dat", std::ios::binary)
        .write(reinterpret_cast<const char*>(table.data()), static_cast<std::streamsize>(table.size()));
    session.game().hallOfFame().load();

    HallOfFameDialog procedure(session.game());
    DialogHost dialog(session.window(), *DialogTemplate::find(115), procedure);
    procedure.initDialog(dialog);
    const char* shownNames[] = {"ACE", "ELEVENBYTES", "", "NONAME", "X", "Y", "Z", "W"};
    const char* shownScores[] = {"2147483647", "5000", "40", "0", "0", "0", "0", "-12"};
    for (int i = 0; i < HallOfFame::EntryCount; ++i) {
        EXPECT_EQ(dialog.itemText(1020 + i), shownNames[i]) << i;
        EXPECT_EQ(dialog.itemText(1028 + i), shownScores[i]) << i;
    }
    EXPECT_EQ(dialog.takeFocusRequest(), std::optional<int>(1));
    // Read-only: a value given to a field changes nothing.
    dialog.giveValue(1020, "cheater");
    dialog.giveValue(1028, "99999");
    EXPECT_EQ(dialog.itemText(1020), "ACE");
    EXPECT_EQ(dialog.itemText(1028), "2147483647");
    // Only OK and Escape close it.
    procedure.command(dialog, 1020);
    EXPECT_FALSE(dialog.isEnded());
    procedure.command(dialog, 2);
    EXPECT_TRUE(dialog.isEnded());
}

TEST(KeyOptions, AListIsPreselectedByTheDisplayNameOfItsCode)
{
    ScriptSession session;
    KeyOptionsDialog procedure(session.game());
    DialogHost dialog(session.window(), *DialogTemplate::find(118), procedure);
    KeyOptionsDialog::fillKeyList(dialog, 1029);
    struct Case {
        std::int32_t code;
        const char* selected;  // null: none
    };
    const Case cases[] = {
        {9, "TAB"},
        {17, "CTRL"},
        {19, "PAUSE"},
        {32, "SPACE"},
        {37, "LEFT"},
        {38, "UP"},
        {39, "RIGHT"},
        {40, "DOWN"},
        {65, "a"},
        {67, "c"},
        {83, "s"},
        {84, "t"},
        {85, "u"},
        {80, "p"},
        // Shift in the high byte: the letter all the same.
        {0x141, "a"},
        // Codes whose character begins no item.
        {-1, nullptr},
        {0, nullptr},
        {48, nullptr},
        {13, nullptr},
    };
    for (const Case& c : cases) {
        dialog.find(1029)->selection = -1;
        dialog.selectString(1029, KeyOptionsDialog::displayName(c.code));
        EXPECT_EQ(dialog.selectedText(1029).value_or("<none>"), c.selected ? c.selected : "<none>") << c.code;
    }
}

TEST(KeyOptions, EachListStandsOnItsSlotsKeyAndDefaultOnlySelects)
{
    // Slots 701..706 bound to a..f: the lists stand beside their labels, the
    // middle column with turn right on top.
    std::vector<unsigned char> settings;
    for (std::int32_t code = 65; code <= 70; ++code)
        settings.insert(settings.end(), {static_cast<unsigned char>(code), 0, 0, 0});
    ScriptSession session(settings);
    KeyOptionsDialog procedure(session.game());
    DialogHost dialog(session.window(), *DialogTemplate::find(118), procedure);
    procedure.initDialog(dialog);
    struct Case {
        int list;
        const char* bound;
        const char* byDefault;
    };
    const Case cases[] = {{1029, "a", "LEFT"}, {1030, "b", "RIGHT"}, {1031, "d", "UP"},
                          {1032, "c", "DOWN"}, {1033, "e", "SPACE"}, {1034, "f", "PAUSE"}};
    for (const Case& c : cases) {
        EXPECT_EQ(dialog.find(c.list)->items.size(), 34u) << c.list;
        EXPECT_EQ(dialog.selectedText(c.list).value_or(""), c.bound) << c.list;
    }
    procedure.command(dialog, KeyOptionsDialog::DefaultId);
    for (const Case& c : cases)
        EXPECT_EQ(dialog.selectedText(c.list).value_or(""), c.byDefault) << c.list;
    EXPECT_FALSE(dialog.isEnded());
    // A key that can be bound, pressed on a list, selects its own name;
    // Tab still goes on to the next list.
    const std::vector<std::pair<int, const char*>> pressed = {
        {'X', "x"}, {32, "SPACE"}, {38, "UP"}, {17, "CTRL"}, {19, "PAUSE"}};
    for (const auto& [code, name] : pressed) {
        dialog.key(code);
        EXPECT_EQ(dialog.selectedText(1029).value_or(""), name) << code;
    }
    dialog.key(9);
    EXPECT_EQ(dialog.focusedControl(), 1030);
    EXPECT_EQ(session.game().moveLeftKey(), 65);
    EXPECT_EQ(std::filesystem::file_size(session.directory() / "settings.dat"), 24u);
}

}  // namespace
}  // namespace quindel::test
