#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/PadInput.h"
#include "widgets/CommandIds.h"
#include "widgets/DialogTemplate.h"

namespace quindel {

class DialogOwner;
class DialogProcedure;

// One open modal dialog: the state of its controls, the calls its procedure
// makes on them, and the modal loop. While it runs the main window still gets
// its timer and paint messages; keys and commands go to the dialog.
class DialogHost final {
public:
    // The width of a text in the dialog's font, in the pixels that
    // DialogView turns dialog units into.
    using TextMeasure = std::function<float(std::string_view)>;

    struct Control final {
        const ControlTemplate* layout = nullptr;
        bool checked = false;
        int rangeMin = 0;
        int rangeMax = 100;
        int position = 0;
        std::string text;
        std::vector<std::string> items;
        int selection = -1;
        // The selection the list last scrolled into view, so a change by a
        // button or a key brings the new one into view.
        int shownSelection = -1;
        // Counts the changes made to an edit field's text from outside the
        // field (a pad's letters, a value), so the view takes them over.
        std::string trackFormat = "%d";
        int textRevision = 0;
        int shownTextRevision = 0;
        bool caretToEnd = false;
    };

    DialogHost(DialogOwner& owner, const DialogTemplate& layout, DialogProcedure& procedure);
    DialogHost(const DialogHost&) = delete;
    DialogHost& operator=(const DialogHost&) = delete;

    // Runs the dialog until its procedure ends it.
    void run();

    // What a dialog procedure does with its controls. Ids the dialog does not
    // have are ignored, as the window system ignores them.
    void endDialog() { ended = true; }
    bool isEnded() const { return ended; }
    void checkRadioButton(int firstId, int lastId, int checkId);
    bool isChecked(int controlId) const;
    void setRange(int controlId, int low, int high);
    int position(int controlId) const;
    void setPosition(int controlId, int value);
    // A track bar's position moved by the player (a key, the pad, the mouse,
    // a script's value): the procedure is told when it changed.
    void slide(int controlId, int value);
    // How a track bar writes its position on itself; "%d" unless set.
    void setTrackFormat(int controlId, std::string format);
    void setItemText(int controlId, std::string_view text);
    std::string itemText(int controlId) const;
    void addString(int controlId, std::string_view text);
    // Selects the first item that begins with the text, ignoring case; -1 and
    // the selection kept when none does.
    int selectString(int controlId, std::string_view prefix);
    std::optional<std::string> selectedText(int controlId) const;
    void setFocus(int controlId)
    {
        focusId = controlId;
        focusPending = true;
    }

    // What the player (or a script) does.
    // A click: push buttons and radio buttons send their command.
    void click(int controlId);
    // A key, as Windows dialogs take it: Tab and Shift+Tab move the focus
    // over the controls that take it, in template order; the arrows move
    // within a group of radio buttons (clicking the one they reach) and step
    // a track bar or a list; Space presses the focused button; Enter presses
    // the focused push button or else the default one; Escape cancels. Keys
    // an edit field types with are the field's own. The procedure sees every
    // key first and may take it.
    void key(int virtualKey, bool shift = false);
    // A gamepad's press: the directions move the focus, step what is
    // focused or, in an edit field, choose its letters (up and down change
    // the last letter, right adds one, left takes one away); A presses the
    // focused button or else the default one, Start the default one, B
    // cancels.
    void pad(PadAction action);
    // A value given to a control: the track bar's position, clamped; the edit
    // field's text as if typed; a list's item equal to the value, ignoring
    // case. Other controls keep what they have. False when the value cannot
    // be one for the control (a track bar's value that is no number).
    bool giveValue(int controlId, std::string_view value);
    // Text typed into an edit field, by the field's own rules.
    void typeText(int controlId, std::string_view text);
    // One typed character as the edit field takes it after its text (letters
    // turned upper case where the field asks for it), or none when the field
    // refuses it: anything but printable ASCII, or a character that would run
    // past the right edge of a field that does not scroll.
    std::optional<char> typedChar(int controlId, char c) const;
    // Whether the text stands inside the edit field, between its margins;
    // always so for a field that scrolls.
    bool textFits(int controlId, std::string_view text) const;
    // The window's own font measures where there is one; the run without a
    // window keeps a fixed table, so its results never depend on a font.
    void setTextMeasure(TextMeasure measure) { textWidth = std::move(measure); }
    void cancel() { post(CancelId); }

    const DialogTemplate& layout() const { return dialogLayout; }
    std::vector<Control>& controls() { return controlStates; }
    Control* find(int controlId);
    const Control* find(int controlId) const;
    bool hasControl(int controlId) const { return find(controlId) != nullptr; }
    int focusedControl() const { return focusId; }
    // The control that asked for the keyboard focus, once.
    std::optional<int> takeFocusRequest();
    // The command that ended the dialog: OK (1), Cancel (2) or another
    // control's; 0 while none did.
    int result() const { return endedBy; }

private:
    void post(int controlId);
    // The next control in the focus order after the focused one (before it
    // when backwards); a group of radio buttons is one stop, its checked one.
    int nextFocus(bool backwards) const;
    void moveFocus(bool backwards);
    // The radio button an arrow reaches in the focused one's group.
    void stepRadio(int step);
    void stepTrackBar(Control& control, int virtualKey);
    void stepList(Control& control, int virtualKey);
    void pressDefault();
    void padLetter(Control& field, PadAction action);

    DialogOwner& owner;
    const DialogTemplate& dialogLayout;
    DialogProcedure& procedure;
    std::vector<Control> controlStates;
    TextMeasure textWidth;
    int focusId = -1;
    bool focusPending = false;
    bool ended = false;
    int endedBy = 0;
    int lastCommand = 0;
};

}  // namespace quindel
