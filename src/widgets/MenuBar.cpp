#include "widgets/MenuBar.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <imgui.h>

#include "base/Ascii.h"

namespace quindel {

namespace {

char mnemonicOf(const std::string& text)
{
    const int index = MenuTemplate::mnemonicIndex(text);
    const std::string shown = MenuTemplate::shownText(text);
    return index >= 0 ? ascii::toLower(shown[static_cast<std::size_t>(index)]) : 0;
}

// Underlines the mnemonic letter of a label whose text starts at textPos,
// just below its baseline and above where descenders end.
void underlineMnemonic(ImDrawList* draw, const std::string& text, ImVec2 textPos, bool enabled)
{
    const int index = MenuTemplate::mnemonicIndex(text);
    if (index < 0)
        return;
    const std::string shown = MenuTemplate::shownText(text);
    const float before = ImGui::CalcTextSize(shown.c_str(), shown.c_str() + index).x;
    const float width = ImGui::CalcTextSize(shown.c_str() + index, shown.c_str() + index + 1).x;
    const float y = std::floor(textPos.y + ImGui::GetFontSize() - 2.0f);
    const ImU32 colour = ImGui::GetColorU32(enabled ? ImGuiCol_Text : ImGuiCol_TextDisabled);
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

bool MenuBar::openByMnemonic(char letter)
{
    for (std::size_t i = 0; i < layout.popups.size(); ++i)
        if (mnemonicOf(layout.popups[i].title) == ascii::toLower(letter)) {
            openRequest = static_cast<int>(i);
            return true;
        }
    return false;
}

std::optional<int> MenuBar::draw(bool enabled)
{
    std::optional<int> chosen;
    anyOpen = false;
    if (!ImGui::BeginMainMenuBar())
        return chosen;
    ImGui::BeginDisabled(!enabled);
    const float halfSpacing = static_cast<float>(static_cast<int>(ImGui::GetStyle().ItemSpacing.x * 0.5f));
    for (std::size_t i = 0; i < layout.popups.size(); ++i) {
        const MenuTemplate::Popup& popup = layout.popups[i];
        const std::string label = MenuTemplate::shownText(popup.title) + "##menu" + std::to_string(i);
        if (enabled && openRequest == static_cast<int>(i))
            ImGui::OpenPopup(label.c_str());
        ImVec2 titlePos = ImGui::GetCursorScreenPos();
        titlePos.x += halfSpacing;
        titlePos.y += ImGui::GetStyle().FramePadding.y;
        ImDrawList* barDrawList = ImGui::GetWindowDrawList();
        const bool open = ImGui::BeginMenu(label.c_str(), enabled);
        underlineMnemonic(barDrawList, popup.title, titlePos, enabled);
        if (!open)
            continue;
        anyOpen = true;
        for (const MenuTemplate::Item& item : popup.items) {
            const auto [text, shortcut] = splitShortcut(item.text);
            const std::string itemLabel = MenuTemplate::shownText(text) + "##item" + std::to_string(item.id);
            const ImVec2 itemPos = ImGui::GetCursorScreenPos();
            const bool checked = std::find(checkedIds.begin(), checkedIds.end(), item.id) != checkedIds.end();
            const bool picked =
                ImGui::MenuItem(itemLabel.c_str(), shortcut.empty() ? nullptr : shortcut.c_str(), checked);
            underlineMnemonic(ImGui::GetWindowDrawList(), text, itemPos, true);
            if (picked || (pendingLetter != 0 && mnemonicOf(item.text) == ascii::toLower(pendingLetter))) {
                chosen = item.id;
                ImGui::CloseCurrentPopup();
            }
        }
        ImGui::EndMenu();
    }
    ImGui::EndDisabled();
    ImGui::EndMainMenuBar();
    openRequest = -1;
    pendingLetter = 0;
    return chosen;
}

}  // namespace quindel
