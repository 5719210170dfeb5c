#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quindel {

// The menu bar as the resources describe it: popups of items, each item a
// text and the command id it sends. "&" in a text marks its mnemonic.
class MenuTemplate final {
public:
    struct Item final {
        int id = 0;
        std::string text;
    };
    struct Popup final {
        std::string title;
        std::vector<Item> items;
    };

    std::vector<Popup> popups;

    static MenuTemplate parse(std::string_view text);
    // IDR_MENU from the linked-in resources.
    static const MenuTemplate& mainMenu();

    // The text as shown, without its "&" marks ("&&" shows one "&").
    static std::string shownText(std::string_view text);
    // Where the mnemonic letter stands in the shown text, or -1 when none.
    static int mnemonicIndex(std::string_view text);
};

}  // namespace quindel
