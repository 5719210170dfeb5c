#include "widgets/DialogTemplate.h"

#include <array>
#include <utility>

#include "widgets/ResourceLine.h"
#include "widgets/UiResource.h"

namespace quindel {

namespace {

constexpr std::array<std::pair<std::string_view, ControlKind>, 8> KindNames{{
    {"DEFPUSHBUTTON", ControlKind::DefaultPushButton},
    {"PUSHBUTTON", ControlKind::PushButton},
    {"RADIOBUTTON", ControlKind::RadioButton},
    {"GROUPBOX", ControlKind::GroupBox},
    {"TRACKBAR", ControlKind::TrackBar},
    {"LTEXT", ControlKind::StaticText},
    {"EDITTEXT", ControlKind::EditField},
    {"LISTBOX", ControlKind::ListBox},
}};

constexpr std::array<std::pair<std::string_view, std::uint32_t>, 15> StyleNames{{
    {"TABSTOP", StyleTabStop},
    {"GROUP", StyleGroup},
    {"UPPERCASE", StyleUpperCase},
    {"READONLY", StyleReadOnly},
    {"AUTOHSCROLL", StyleAutoHScroll},
    {"RIGHT", StyleRightAligned},
    {"LEFT", 0},
    {"AUTOTICKS", StyleAutoTicks},
    {"BOTH", StyleBothSides},
    {"SORT", StyleSort},
    {"BORDER", StyleBorder},
    {"VSCROLL", StyleVScroll},
    {"NOTIFY", StyleNotify},
    {"NOINTEGRALHEIGHT", StyleNoIntegralHeight},
    {"HORZ", StyleHorizontal},
}};

bool readControl(const ResourceLine& line, ControlTemplate& control)
{
    // CONTROL id KIND x y w h [STYLE ...] "text": at least 8 words.
    if (line.size() < 8)
        return false;
    bool known = false;
    for (const auto& [name, kind] : KindNames)
        if (line[2] == name) {
            control.kind = kind;
            known = true;
        }
    if (!known)
        return false;
    control.id = line.number(1, -1);
    control.rect = DialogRect{line.number(3), line.number(4), line.number(5), line.number(6)};
    for (std::size_t i = 7; i + 1 < line.size(); ++i)
        for (const auto& [name, bit] : StyleNames)
            if (line[i] == name)
                control.style |= bit;
    control.text = line[line.size() - 1];
    return true;
}

}  // namespace

const ControlTemplate* DialogTemplate::control(int controlId) const
{
    for (const ControlTemplate& candidate : controls)
        if (candidate.id == controlId && controlId != -1)
            return &candidate;
    return nullptr;
}

std::vector<DialogTemplate> DialogTemplate::parseAll(std::string_view text)
{
    std::vector<DialogTemplate> templates;
    for (const ResourceLine& line : ResourceLine::splitText(text)) {
        if (line.empty())
            continue;
        if (line[0] == "DIALOG" && line.size() >= 6) {
            DialogTemplate dialog;
            dialog.id = line.number(1);
            dialog.width = line.number(2);
            dialog.height = line.number(3);
            dialog.centred = line[4] != "TOPLEFT";
            dialog.caption = line[5];
            for (std::size_t i = 6; i < line.size(); ++i)
                dialog.messageBox = dialog.messageBox || line[i] == "MESSAGEBOX";
            templates.push_back(std::move(dialog));
        } else if (templates.empty()) {
            continue;
        } else if (line[0] == "FONT" && line.size() >= 3) {
            templates.back().fontPoints = line.number(1, 8);
            templates.back().fontFace = line[2];
        } else if (line[0] == "CONTROL") {
            ControlTemplate control;
            if (readControl(line, control))
                templates.back().controls.push_back(std::move(control));
        }
    }
    return templates;
}

const DialogTemplate* DialogTemplate::find(int templateId)
{
    static const std::vector<DialogTemplate> linked = parseAll(uiResource("dialogs.rc"));
    for (const DialogTemplate& dialog : linked)
        if (dialog.id == templateId)
            return &dialog;
    return nullptr;
}

}  // namespace quindel
