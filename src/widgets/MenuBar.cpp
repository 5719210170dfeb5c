#include "widgets/MenuBar.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <imgui.h>

namespace quindel {

namespace {

// Underlines the mnemonic letter of a label whose text starts at textPos,
// just below its baseline and above where descenders end.
void underlineMnemonic(ImDrawList* draw, const std::string& text, ImVec2 textPos, ImU32 colour)
{
    const int index = MenuTemplate::mnemonicIndex(text);
    if (index < 0)
        return;
    const std::string shown = MenuTemplate::shownText(text);
    const float before = ImGui::CalcTextSize(shown.c_str(), shown.c_str() + index).x;
    const float width = ImGui::CalcTextSize(shown.c_str() + index, shown.c_str() + index + 1).x;
    const float y = std::floor(textPos.y + ImGui::GetFontSize() - 2.0f);
    // A one-pixel rectangle: a line's soft edges, put on whole pixels when
    // the menu is drawn, would bend into a hook.
    draw->AddRectFilled(ImVec2(std::round(textPos.x + before), y),
                        ImVec2(std::round(textPos.x + before + width), y + 1.0f), colour);
}

// "Text\tShortcut", as Windows menus write the key beside an item.
std::pair<std::string, std::string> splitShortcut(const std::string& text)
{
    const std::size_t tab = text.find("\\t");
    if (tab == std::string::npos)
        return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 2)};
}

}  // namespace

void MenuBar::setChecked(int id, bool on)
{
    std::erase(checkedIds, id);
    if (on)
        checkedIds.push_back(id);
}

std::optional<int> MenuBar::draw(bool enabled)
{
    std::optional<int> chosen;
    if (!enabled)
        keyboard.close();
    if (!ImGui::BeginMainMenuBar())
        return chosen;
    const ImGuiStyle& style = ImGui::GetStyle();
    ImDrawList* draw = ImGui::GetWindowDrawList();
    const ImU32 text = ImGui::GetColorU32(enabled ? ImGuiCol_Text : ImGuiCol_TextDisabled);
    const float barBottom = ImGui::GetWindowPos().y + ImGui::GetWindowSize().y;
    float openLeft = 0.0f;
    bool overMenu = false;
    for (std::size_t i = 0; i < layout.popups.size(); ++i) {
        const int index = static_cast<int>(i);
        const std::string& title = layout.popups[i].title;
        const std::string shown = MenuTemplate::shownText(title);
        const ImVec2 textSize = ImGui::CalcTextSize(shown.c_str());
        const ImVec2 size(textSize.x + style.ItemSpacing.x, ImGui::GetWindowSize().y);
        ImVec2 at = ImGui::GetCursorScreenPos();
        at.y = ImGui::GetWindowPos().y;
        ImGui::SetCursorScreenPos(at);
        ImGui::InvisibleButton(("##menu" + std::to_string(i)).c_str(), size);
        const bool hovered = enabled && ImGui::IsItemHovered();
        overMenu = overMenu || hovered;
        if (enabled && ImGui::IsItemClicked())
            keyboard.clickTitle(index);
        else if (hovered)
            keyboard.hoverTitle(index);
        const bool lit = keyboard.isActive() && keyboard.menu() == index;
        if (lit || hovered)
            draw->AddRectFilled(at, ImVec2(at.x + size.x, at.y + size.y),
                                ImGui::GetColorU32(lit && keyboard.isOpen() ? ImGuiCol_HeaderActive
                                                                            : ImGuiCol_HeaderHovered));
        const ImVec2 textAt(at.x + std::floor(style.ItemSpacing.x * 0.5f), at.y + style.FramePadding.y);
        draw->AddText(textAt, text, shown.c_str());
        underlineMnemonic(draw, title, textAt, text);
        if (lit)
            openLeft = at.x;
        ImGui::SameLine(0.0f, 0.0f);
    }
    ImGui::EndMainMenuBar();
    if (keyboard.isOpen()) {
        drawOpenMenu(openLeft, barBottom, chosen);
        overMenu = overMenu || ImGui::IsWindowHovered(ImGuiHoveredFlags_AnyWindow);
    }
    // A click anywhere else puts the menu away, as it does on the desktop.
    if (keyboard.isActive() && !chosen && !overMenu && ImGui::IsMouseClicked(ImGuiMouseButton_Left))
        keyboard.close();
    return chosen;
}

void MenuBar::drawOpenMenu(float left, float top, std::optional<int>& chosen)
{
    const MenuTemplate::Popup& popup = layout.popups[static_cast<std::size_t>(keyboard.menu())];
    const ImGuiStyle& style = ImGui::GetStyle();
    // Rows as a desktop menu's: a line of text with half the spacing above
    // and below, one row reaching the next.
    const float row = ImGui::GetTextLineHeightWithSpacing();
    const float half = std::floor(style.ItemSpacing.y * 0.5f);
    const float checkRoom = ImGui::GetFontSize();
    float textWidth = 0.0f;
    float shortcutWidth = 0.0f;
    for (const MenuTemplate::Item& item : popup.items) {
        const auto [label, shortcut] = splitShortcut(item.text);
        textWidth = std::max(textWidth, ImGui::CalcTextSize(MenuTemplate::shownText(label).c_str()).x);
        if (!shortcut.empty())
            shortcutWidth = std::max(shortcutWidth, ImGui::CalcTextSize(shortcut.c_str()).x);
    }
    const float width
        = std::floor(textWidth + (shortcutWidth > 0.0f ? shortcutWidth + 2.0f * checkRoom : 0.0f) + checkRoom + 8.0f);
    ImGui::SetNextWindowPos(ImVec2(left, top));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(style.WindowPadding.x, style.WindowPadding.y - half));
    ImGui::PushStyleVar(ImGuiStyleVar_ItemSpacing, ImVec2(style.ItemSpacing.x, 0.0f));
    ImGui::Begin("##openmenu", nullptr,
                 ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove
                     | ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_AlwaysAutoResize
                     | ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoNavInputs);
    ImDrawList* draw = ImGui::GetWindowDrawList();
    const ImU32 text = ImGui::GetColorU32(ImGuiCol_Text);
    for (std::size_t i = 0; i < popup.items.size(); ++i) {
        const MenuTemplate::Item& item = popup.items[i];
        const auto [label, shortcut] = splitShortcut(item.text);
        const ImVec2 at = ImGui::GetCursorScreenPos();
        ImGui::InvisibleButton(("##item" + std::to_string(item.id)).c_str(), ImVec2(width, row));
        if (ImGui::IsItemHovered())
            keyboard.hoverItem(static_cast<int>(i));
        if (ImGui::IsItemClicked() && !chosen) {
            chosen = keyboard.clickItem(static_cast<int>(i)).command;
            break;
        }
        // The lit row spans the menu's width.
        if (keyboard.item() == static_cast<int>(i))
            draw->AddRectFilled(ImVec2(at.x - 4.0f, at.y), ImVec2(at.x + width + 4.0f, at.y + row),
                                ImGui::GetColorU32(ImGuiCol_HeaderHovered));
        if (std::find(checkedIds.begin(), checkedIds.end(), item.id) != checkedIds.end()) {
            // A tick in the room before the text, as a checked item wears it.
            const float s = ImGui::GetFontSize();
            const ImVec2 c(at.x + s * 0.15f, at.y + half + s * 0.5f);
            draw->PathLineTo(ImVec2(c.x, c.y));
            draw->PathLineTo(ImVec2(c.x + s * 0.25f, c.y + s * 0.25f));
            draw->PathLineTo(ImVec2(c.x + s * 0.65f, c.y - s * 0.3f));
            draw->PathStroke(ImGui::GetColorU32(ImGuiCol_CheckMark), 0, std::max(1.0f, s * 0.12f));
        }
        const ImVec2 textAt(at.x + checkRoom, at.y + half);
        draw->AddText(textAt, text, MenuTemplate::shownText(label).c_str());
        underlineMnemonic(draw, label, textAt, text);
        if (!shortcut.empty())
            draw->AddText(ImVec2(at.x + width - ImGui::CalcTextSize(shortcut.c_str()).x, at.y + half),
                          ImGui::GetColorU32(ImGuiCol_TextDisabled), shortcut.c_str());
    }
    ImGui::End();
    ImGui::PopStyleVar(2);
}

}  // namespace quindel
