#include "widgets/DialogView.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include <imgui.h>
#include <imgui_internal.h>

#include "widgets/DialogHost.h"
#include "widgets/MenuBar.h"

namespace quindel {

namespace {

struct EditContext final {
    DialogHost* dialog = nullptr;
    int id = 0;
    DialogHost::Control* control = nullptr;
};

int filterTypedChar(ImGuiInputTextCallbackData* data)
{
    auto* context = static_cast<EditContext*>(data->UserData);
    if (data->EventFlag == ImGuiInputTextFlags_CallbackAlways) {
        // The field starts again from text put in from outside: the caret
        // goes after it, nothing selected, as if it had been typed.
        if (context->control->caretToEnd) {
            data->CursorPos = data->SelectionStart = data->SelectionEnd = data->BufTextLen;
            context->control->caretToEnd = false;
        }
        return 0;
    }
    if (data->EventFlag == ImGuiInputTextFlags_CallbackEdit) {
        // Several characters in one frame, a paste, or typing in the middle:
        // what runs past the right edge is taken back at the caret, so the
        // field holds what fits, as one that does not scroll.
        while (data->CursorPos > 0
               && !context->dialog->textFits(context->id,
                                             std::string_view(data->Buf, static_cast<std::size_t>(data->BufTextLen))))
            data->DeleteChars(data->CursorPos - 1, 1);
        return 0;
    }
    if (data->EventChar > 0x7F)
        return 1;
    const auto taken = context->dialog->typedChar(context->id, static_cast<char>(data->EventChar));
    if (!taken)
        return 1;
    data->EventChar = static_cast<ImWchar>(static_cast<unsigned char>(*taken));
    return 0;
}

ImVec2 toPixels(const DialogRect& rect)
{
    return ImVec2(static_cast<float>(DialogView::unitsToPixelsX(rect.x)),
                  static_cast<float>(DialogView::unitsToPixelsY(rect.y)));
}

ImVec2 sizeInPixels(const DialogRect& rect)
{
    return ImVec2(static_cast<float>(DialogView::unitsToPixelsX(rect.width)),
                  static_cast<float>(DialogView::unitsToPixelsY(rect.height)));
}

void drawGroupBox(const DialogHost::Control& control, ImVec2 origin)
{
    ImDrawList* draw = ImGui::GetWindowDrawList();
    const ImVec2 at = ImVec2(origin.x + toPixels(control.layout->rect).x, origin.y + toPixels(control.layout->rect).y);
    const ImVec2 size = sizeInPixels(control.layout->rect);
    const float half = ImGui::GetFontSize() * 0.5f;
    const ImU32 line = ImGui::GetColorU32(ImGuiCol_Border);
    const ImVec2 textSize = ImGui::CalcTextSize(control.text.c_str());
    const float gapStart = at.x + 6.0f;
    const float gapEnd = gapStart + textSize.x + 6.0f;
    const float top = std::floor(at.y + half);
    const float right = at.x + size.x - 1.0f;
    const float bottom = at.y + size.y - 1.0f;
    // One-pixel rectangles rather than lines, whose soft ends would be cut
    // short when put on whole pixels.
    const auto rule = [draw, line](float x0, float y0, float x1, float y1) {
        draw->AddRectFilled(ImVec2(x0, y0), ImVec2(x1 + 1.0f, y1 + 1.0f), line);
    };
    rule(at.x, top, gapStart, top);
    rule(gapEnd, top, right, top);
    rule(right, top, right, bottom);
    rule(at.x, bottom, right, bottom);
    rule(at.x, top, at.x, bottom);
    draw->AddText(ImVec2(gapStart + 3.0f, at.y), ImGui::GetColorU32(ImGuiCol_Text), control.text.c_str());
}

void drawTrackBar(DialogHost& dialog, DialogHost::Control& control, ImVec2 origin, ImVec2 size)
{
    const ImGuiStyle& style = ImGui::GetStyle();
    const float barHeight = ImGui::GetFontSize() + style.FramePadding.y * 2.0f;
    const ImVec2 at = ImGui::GetCursorPos();
    ImGui::SetCursorPos(ImVec2(at.x, at.y + (size.y - barHeight) * 0.5f));
    ImGui::SetNextItemWidth(size.x);
    int value = control.position;
    const std::string label = "##" + std::to_string(control.layout->id);
    if (ImGui::SliderInt(label.c_str(), &value, control.rangeMin, control.rangeMax, control.trackFormat.c_str(),
                         ImGuiSliderFlags_AlwaysClamp | ImGuiSliderFlags_NoInput))
        dialog.slide(control.layout->id, value);
    // Tick marks on both sides, one per position, as the bar's style asks.
    if ((control.layout->style & StyleAutoTicks) == 0 || control.rangeMax <= control.rangeMin)
        return;
    const ImVec2 min = ImGui::GetItemRectMin();
    const ImVec2 max = ImGui::GetItemRectMax();
    const float grab = style.GrabMinSize;
    const float left = min.x + style.FramePadding.x + grab * 0.5f;
    const float right = max.x - style.FramePadding.x - grab * 0.5f;
    ImDrawList* draw = ImGui::GetWindowDrawList();
    const ImU32 colour = ImGui::GetColorU32(ImGuiCol_TextDisabled);
    const int steps = control.rangeMax - control.rangeMin;
    for (int i = 0; i <= steps; ++i) {
        // Filled rectangles rather than lines: a line's soft edges, put on
        // whole pixels when scaled, would bend into hooks.
        const float x = std::floor(left + (right - left) * static_cast<float>(i) / static_cast<float>(steps));
        draw->AddRectFilled(ImVec2(x, min.y - 4.0f), ImVec2(x + 1.0f, min.y - 1.0f), colour);
        if ((control.layout->style & StyleBothSides) != 0)
            draw->AddRectFilled(ImVec2(x, max.y + 1.0f), ImVec2(x + 1.0f, max.y + 4.0f), colour);
    }
    (void)origin;
}

void drawEditField(DialogHost& dialog, DialogHost::Control& control, ImVec2 size)
{
    const ControlTemplate& layout = *control.layout;
    const std::string label = "##" + std::to_string(layout.id);
    const bool readOnly = (layout.style & StyleReadOnly) != 0;
    if (readOnly && (layout.style & StyleRightAligned) != 0) {
        // A read-only number, right-aligned in its frame.
        const ImVec2 min = ImGui::GetCursorScreenPos();
        const ImVec2 max(min.x + size.x, min.y + size.y);
        ImDrawList* draw = ImGui::GetWindowDrawList();
        draw->AddRectFilled(min, max, ImGui::GetColorU32(ImGuiCol_FrameBg));
        draw->AddRect(min, max, ImGui::GetColorU32(ImGuiCol_Border));
        const ImVec2 textSize = ImGui::CalcTextSize(control.text.c_str());
        draw->AddText(ImVec2(max.x - textSize.x - DialogView::EditMargin, min.y + (size.y - textSize.y) * 0.5f),
                      ImGui::GetColorU32(ImGuiCol_Text), control.text.c_str());
        ImGui::Dummy(size);
        return;
    }
    std::array<char, 256> buffer{};
    const std::size_t length = std::min(control.text.size(), buffer.size() - 1);
    std::memcpy(buffer.data(), control.text.data(), length);
    EditContext context{&dialog, layout.id, &control};
    ImGuiInputTextFlags flags = ImGuiInputTextFlags_CallbackCharFilter | ImGuiInputTextFlags_CallbackAlways;
    if (readOnly)
        flags |= ImGuiInputTextFlags_ReadOnly;
    else
        flags |= ImGuiInputTextFlags_CallbackEdit;
    // The frame fills the template's rectangle, the text centred in it
    // between the margins the right-edge rule counts with.
    ImGui::PushStyleVar(
        ImGuiStyleVar_FramePadding,
        ImVec2(DialogView::EditMargin, std::max(0.0f, std::floor((size.y - ImGui::GetFontSize()) * 0.5f))));
    ImGui::SetNextItemWidth(size.x);
    // Text put in from outside the field (a pad's letters) reaches a field
    // being typed in only when it starts again from the text.
    if (control.textRevision != control.shownTextRevision) {
        control.shownTextRevision = control.textRevision;
        control.caretToEnd = true;
        if (ImGui::GetActiveID() == ImGui::GetID(label.c_str())) {
            ImGui::ClearActiveID();
            ImGui::SetKeyboardFocusHere();
        }
    }
    if (ImGui::InputText(label.c_str(), buffer.data(), buffer.size(), flags, filterTypedChar, &context))
        control.text = buffer.data();
    ImGui::PopStyleVar();
}

// A radio button drawn in its own rectangle: a circle as high as a line of
// the dialog's text, the label beside it, the whole rectangle answering a
// click. ImGui's own is a frame's height, taller than a row of the
// difficulty group, so its buttons would run into each other.
void drawRadioButton(DialogHost& dialog, const DialogHost::Control& control, ImVec2 size)
{
    const std::string id = "##" + std::to_string(control.layout->id);
    const ImVec2 min = ImGui::GetCursorScreenPos();
    if (ImGui::InvisibleButton(id.c_str(), size))
        dialog.click(control.layout->id);
    const bool held = ImGui::IsItemActive();
    const bool hovered = ImGui::IsItemHovered();
    ImDrawList* draw = ImGui::GetWindowDrawList();
    const DialogView::RadioParts parts = DialogView::radioParts(size.y, ImGui::GetFontSize());
    const float radius = parts.diameter * 0.5f;
    const ImVec2 centre(min.x + radius, min.y + parts.circleTop + radius);
    const ImGuiCol fill = held ? ImGuiCol_FrameBgActive : hovered ? ImGuiCol_FrameBgHovered : ImGuiCol_FrameBg;
    // Solid discs, the ring as one disc over another: soft edges, put on
    // whole pixels when scaled, would turn a circle this small square.
    const ImDrawListFlags flags = draw->Flags;
    draw->Flags &= ~(ImDrawListFlags_AntiAliasedFill | ImDrawListFlags_AntiAliasedLines);
    draw->AddCircleFilled(centre, radius, ImGui::GetColorU32(ImGuiCol_Border), 24);
    draw->AddCircleFilled(centre, radius - 1.0f, ImGui::GetColorU32(fill), 24);
    if (control.checked)
        draw->AddCircleFilled(centre, std::max(1.5f, radius * 0.5f), ImGui::GetColorU32(ImGuiCol_CheckMark), 16);
    draw->Flags = flags;
    const ImVec2 textAt(min.x + parts.textLeft, min.y + parts.textTop);
    draw->AddText(textAt, ImGui::GetColorU32(ImGuiCol_Text), control.text.c_str());
    ImGui::RenderNavHighlight(ImRect(min, ImVec2(min.x + size.x, min.y + size.y)), ImGui::GetItemID());
}

void drawStaticText(const DialogHost& dialog, const DialogHost::Control& control)
{
    const float width = ImGui::CalcTextSize(control.text.c_str()).x;
    const float left = DialogView::labelLeft(dialog.layout(), *control.layout, width);
    ImGui::SetCursorPos(ImVec2(left, ImGui::GetCursorPos().y));
    ImGui::TextUnformatted(control.text.c_str());
}

void drawListBox(DialogHost& dialog, DialogHost::Control& control, ImVec2 size)
{
    const std::string label = "##" + std::to_string(control.layout->id);
    // Rows as high as the text, as a list box's are, so a short list shows
    // three of them; the box as high as its whole rows, none cut in half.
    const float row = ImGui::GetTextLineHeight();
    const float frame = 2.0f * ImGui::GetStyle().FramePadding.y;
    size.y = std::max(row, std::floor((size.y - frame) / row) * row) + frame;
    const int count = static_cast<int>(control.items.size());
    const bool scroll = control.selection >= 0 && control.selection != control.shownSelection;
    if (scroll) {
        // Set before the list's first frame, so it opens on its selection
        // (with the rows' height known, nothing waits for a second frame).
        ImGui::SetNextWindowContentSize(ImVec2(0.0f, row * static_cast<float>(count)));
        ImGui::SetNextWindowScroll(ImVec2(-1.0f, row * static_cast<float>(control.selection)));
        control.shownSelection = control.selection;
    }
    if (!ImGui::BeginListBox(label.c_str(), size))
        return;
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(ImGui::GetStyle().ItemSpacing.x, 0.0f));
    for (int i = 0; i < count; ++i) {
        const bool selected = control.selection == i;
        const std::string item = control.items[static_cast<std::size_t>(i)] + "##" + std::to_string(i);
        if (ImGui::Selectable(item.c_str(), selected)) {
            // A click selects and takes the keyboard to this list.
            control.selection = i;
            control.shownSelection = i;
            dialog.setFocus(control.layout->id);
        }
    }
    ImGui::PopStyleVar();
    ImGui::EndListBox();
}

// The focus rectangle: a thin frame just outside the control that has the
// keyboard, so a player without a mouse sees where the keys go.
void drawFocusMark(ImVec2 min, ImVec2 max)
{
    ImGui::GetWindowDrawList()->AddRect(ImVec2(min.x - 2.0f, min.y - 2.0f), ImVec2(max.x + 2.0f, max.y + 2.0f),
                                        ImGui::GetColorU32(ImGuiCol_NavHighlight), 0.0f, 0, 2.0f);
}

}  // namespace

int DialogView::fontPixelsFor(int menuFontPixels)
{
    return std::max(1, menuFontPixels * FontPixels / MenuBar::FontPixels);
}

float DialogView::labelLeft(const DialogTemplate& layout, const ControlTemplate& label, float textWidth)
{
    const DialogRect& rect = label.rect;
    const auto left = static_cast<float>(unitsToPixelsX(rect.x));
    const auto end = static_cast<float>(unitsToPixelsX(rect.x + rect.width));
    if (textWidth <= end - left)
        return left;
    for (const ControlTemplate& other : layout.controls) {
        const DialogRect& r = other.rect;
        if (&other == &label || other.kind == ControlKind::StaticText || r.y >= rect.y + rect.height
            || r.y + r.height <= rect.y)
            continue;
        const auto otherLeft = static_cast<float>(unitsToPixelsX(r.x));
        if (otherLeft >= left && otherLeft < left + textWidth + LabelGap)
            return std::max(2.0f, end - textWidth);
    }
    return left;
}

DialogView::RadioParts DialogView::radioParts(float rectHeight, float fontSize)
{
    RadioParts parts;
    parts.diameter = std::max(1.0f, std::min(rectHeight, std::round(fontSize) + 1.0f));
    parts.circleTop = std::floor((rectHeight - parts.diameter) * 0.5f);
    parts.textLeft = parts.diameter + std::round(fontSize * 0.4f);
    parts.textTop = std::floor((rectHeight - fontSize) * 0.5f);
    return parts;
}

void DialogView::draw(DialogHost& dialog, ImFont* font, float clientLeft, float clientTop, float clientWidth,
                      float clientHeight)
{
    const DialogTemplate& layout = dialog.layout();
    const ImGuiStyle& style = ImGui::GetStyle();
    const float titleHeight = ImGui::GetFontSize() + style.FramePadding.y * 2.0f;
    const ImVec2 size(static_cast<float>(unitsToPixelsX(layout.width)),
                      static_cast<float>(unitsToPixelsY(layout.height)) + titleHeight);
    const ImVec2 position = layout.centred ? ImVec2(clientLeft + std::floor((clientWidth - size.x) * 0.5f),
                                                    clientTop + std::floor((clientHeight - size.y) * 0.5f))
                                           : ImVec2(clientLeft, clientTop);
    ImGui::SetNextWindowPos(position);
    ImGui::SetNextWindowSize(size);
    ImGui::SetNextWindowFocus();
    bool open = true;
    const std::string title = layout.caption + "##dialog" + std::to_string(layout.id);
    // The keyboard and the pad are the dialog host's; ImGui only draws and
    // takes the mouse (and an edit field's typing).
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoNavInputs | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove
        | ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoScrollbar
        | ImGuiWindowFlags_NoScrollWithMouse;
    if (!ImGui::Begin(title.c_str(), &open, flags)) {
        ImGui::End();
        return;
    }
    // The caption is in the menu's font, as a window's title is; what is
    // inside in the dialog's own.
    if (font != nullptr)
        ImGui::PushFont(font);
    const ImVec2 origin(ImGui::GetWindowPos().x, ImGui::GetWindowPos().y + titleHeight);
    const auto focus = dialog.takeFocusRequest();
    const int keyboardAt = dialog.focusedControl();
    const DialogHost::Control* focused = dialog.find(keyboardAt);
    const bool typing = focused != nullptr && focused->layout->kind == ControlKind::EditField
        && (focused->layout->style & StyleReadOnly) == 0;
    // The focus gone from an edit field takes its caret along.
    if (focus && !typing)
        ImGui::ClearActiveID();
    // An edit field that does not scroll stops where this font fills it,
    // whichever font is current when a character is typed. Found again by
    // its place in the atlas each time: a new window size makes new fonts.
    const ImVector<ImFont*>& fonts = ImGui::GetIO().Fonts->Fonts;
    const int fontIndex = static_cast<int>(std::find(fonts.begin(), fonts.end(), ImGui::GetFont()) - fonts.begin());
    const float textSize = ImGui::GetFontSize();
    dialog.setTextMeasure([fontIndex, textSize](std::string_view text) {
        const ImVector<ImFont*>& now = ImGui::GetIO().Fonts->Fonts;
        const ImFont* textFont = fontIndex < now.Size ? now[fontIndex] : ImGui::GetFont();
        // Rounded up to a whole pixel, as ImGui::CalcTextSize does.
        return std::floor(textFont->CalcTextSizeA(textSize, FLT_MAX, 0.0f, text.data(), text.data() + text.size()).x
                          + 0.95f);
    });
    for (DialogHost::Control& control : dialog.controls()) {
        const ControlTemplate& item = *control.layout;
        if (item.kind == ControlKind::GroupBox) {
            drawGroupBox(control, origin);
            continue;
        }
        const ImVec2 at = toPixels(item.rect);
        const ImVec2 size = sizeInPixels(item.rect);
        ImGui::SetCursorPos(ImVec2(at.x, at.y + titleHeight));
        // Only an edit field needs ImGui's own focus, for its caret.
        if (focus && *focus == item.id && typing) {
            ImGui::SetKeyboardFocusHere();
            control.caretToEnd = true;
        }
        const std::string label = item.text + "##" + std::to_string(item.id);
        switch (item.kind) {
        case ControlKind::DefaultPushButton:
        case ControlKind::PushButton: {
            // The default button wears a heavier frame, as it answers Enter.
            const bool isDefault = item.kind == ControlKind::DefaultPushButton;
            if (isDefault)
                ImGui::PushStyleVar(ImGuiStyleVar_FrameBorderSize, 2.0f);
            if (ImGui::Button(label.c_str(), size))
                dialog.click(item.id);
            if (isDefault)
                ImGui::PopStyleVar();
            break;
        }
        case ControlKind::RadioButton:
            drawRadioButton(dialog, control, size);
            break;
        case ControlKind::TrackBar:
            drawTrackBar(dialog, control, origin, size);
            break;
        case ControlKind::StaticText:
            drawStaticText(dialog, control);
            break;
        case ControlKind::EditField:
            drawEditField(dialog, control, size);
            break;
        case ControlKind::ListBox:
            drawListBox(dialog, control, size);
            break;
        case ControlKind::GroupBox:
            break;
        }
        if (keyboardAt == item.id && item.kind != ControlKind::StaticText)
            drawFocusMark(ImGui::GetItemRectMin(), ImGui::GetItemRectMax());
    }
    if (font != nullptr)
        ImGui::PopFont();
    ImGui::End();
    if (!open)
        dialog.cancel();
}

}  // namespace quindel
