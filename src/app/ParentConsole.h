#pragma once

namespace quindel {

// On Windows the game is a windowed program, so a double-click opens no
// console window; started from a console, it has no standard output of its
// own. This attaches it to the console it was started from, so --help,
// --version, a refused option and a scripted run print there. Output already
// sent to a file or a pipe stays where it goes.
void attachParentConsole();

}  // namespace quindel
