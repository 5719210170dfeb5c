#pragma once

#include <filesystem>

namespace quindel {

// Where a run keeps its two data files; the working directory by default.
struct GamePaths final {
    std::filesystem::path highscore = "highscore.dat";
    std::filesystem::path settings = "settings.dat";
};

}  // namespace quindel
