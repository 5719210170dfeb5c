#pragma once

#include <string_view>

namespace quindel {

// The text of a menu or dialog resource file linked into the executable
// ("menu.rc", "dialogs.rc"); empty when there is none of that name.
std::string_view uiResource(std::string_view name);

}  // namespace quindel
