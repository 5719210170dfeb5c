#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    // Enter clicks the default push button, Escape cancels.
    void key(int virtualKey);
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

private:
    void post(int controlId);

    DialogOwner& owner;
    const DialogTemplate& dialogLayout;
    DialogProcedure& procedure;
    std::vector<Control> controlStates;
    TextMeasure textWidth;
    int focusId = -1;
    bool focusPending = false;
    bool ended = false;
};

}  // namespace quindel
