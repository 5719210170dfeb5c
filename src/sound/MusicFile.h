#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quindel {

// Reads one file of the music folder whole, the way the data files are
// opened: only a plain file counts, the open never waits (a pipe by that name
// would hang the game before its title) and nothing larger than a sane bound
// is read (a link to an endless device would eat all memory). Anything else
// reads as nothing, and the game plays on without that sound.
class MusicFile final {
public:
    // The game's own songs are under 200 KB.
    static constexpr std::size_t MaxBytes = 16 * 1024 * 1024;

    static std::optional<std::vector<std::byte>> read(const std::string& file, std::size_t maxBytes = MaxBytes);
};

}  // namespace quindel
