#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quindel {

enum class ControlKind : std::int32_t {
    DefaultPushButton = 0,
    PushButton = 1,
    RadioButton = 2,
    GroupBox = 3,
    TrackBar = 4,
    StaticText = 5,
    EditField = 6,
    ListBox = 7,
};

// The styles the dialogs use, as bits.
enum ControlStyle : std::uint32_t {
    StyleTabStop = 1u << 0,
    StyleGroup = 1u << 1,
    StyleUpperCase = 1u << 2,
    StyleReadOnly = 1u << 3,
    StyleAutoHScroll = 1u << 4,
    StyleRightAligned = 1u << 5,
    StyleAutoTicks = 1u << 6,
    StyleBothSides = 1u << 7,
    StyleSort = 1u << 8,
    StyleBorder = 1u << 9,
    StyleVScroll = 1u << 10,
    StyleNotify = 1u << 11,
    StyleNoIntegralHeight = 1u << 12,
    StyleHorizontal = 1u << 13,
};

// A rectangle in dialog units.
struct DialogRect final {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ControlTemplate final {
    int id = -1;
    ControlKind kind = ControlKind::StaticText;
    DialogRect rect;
    std::uint32_t style = 0;
    std::string text;
};

// One dialog as the resources describe it.
class DialogTemplate final {
public:
    int id = 0;
    std::string caption;
    int width = 0;  // dialog units
    int height = 0;
    bool centred = true;  // else at the top left of the main window
    // A message box: a line of text and OK, shown only where a player looks
    // (a run without a window shows no message box).
    bool messageBox = false;
    int fontPoints = 8;
    std::string fontFace = "MS Shell Dlg";
    std::vector<ControlTemplate> controls;

    const ControlTemplate* control(int controlId) const;

    // Every template of a resource text; a line it cannot read is skipped.
    static std::vector<DialogTemplate> parseAll(std::string_view text);
    // The template with this id from the linked-in resources, or null.
    static const DialogTemplate* find(int templateId);
};

}  // namespace quindel
