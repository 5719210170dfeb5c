#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quindel {

// Every path the game is handed or prints is UTF-8 text: SDL's folders, the
// command line (on Windows SDL passes the wide command line on as UTF-8) and
// the names in a script. A path built from plain char text reads it in the
// ANSI code page on Windows, where a player folder named "Zoë" or "日本"
// would be garbled or refused, so text and paths meet only through these two.
// On Linux both are plain byte copies.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

}  // namespace quindel
