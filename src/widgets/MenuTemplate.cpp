#include "widgets/MenuTemplate.h"

#include "widgets/ResourceLine.h"
#include "widgets/UiResource.h"

namespace quindel {

MenuTemplate MenuTemplate::parse(std::string_view text)
{
    MenuTemplate menu;
    for (const ResourceLine& line : ResourceLine::splitText(text)) {
        if (line.empty())
            continue;
        if (line[0] == "POPUP" && line.size() >= 2)
            menu.popups.push_back(Popup{line[1], {}});
        else if (line[0] == "MENUITEM" && line.size() >= 3 && !menu.popups.empty())
            menu.popups.back().items.push_back(Item{line.number(1), line[2]});
    }
    return menu;
}

const MenuTemplate& MenuTemplate::mainMenu()
{
    static const MenuTemplate menu = parse(uiResource("menu.rc"));
    return menu;
}

std::string MenuTemplate::shownText(std::string_view text)
{
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        else if (text[i] == '&')
            continue;
        shown += text[i];
    }
    return shown;
}

int MenuTemplate::mnemonicIndex(std::string_view text)
{
    int shownIndex = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++shownIndex) {
        if (text[i] != '&')
            continue;
        if (i + 1 >= text.size())
            return -1;
        if (text[i + 1] != '&')
            return shownIndex;
        ++i;  // "&&" is a literal ampersand
    }
    return -1;
}

}  // namespace quindel
