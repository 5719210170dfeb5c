#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "game/GamePaths.h"

namespace quindel {

// Where the game keeps its files when the desktop launcher starts it. A
// launcher's working directory is the home folder or "/", neither of which is
// a place for highscore.dat, and neither holds the music; so the data files go
// to the player's own data folder and the working directory becomes the
// folder whose music/ is used, which keeps the songs' "music//..." names
// working unchanged.
class DataFolder final {
public:
    struct Choice final {
        std::filesystem::path workingDirectory;
        GamePaths paths;
    };

    // The music the player put into their own folder comes first, then each
    // installed data directory in turn; with no music anywhere the game runs
    // silent in the player's folder.
    static Choice choose(const std::filesystem::path& playerFolder,
                         std::span<const std::filesystem::path> installedData);

    // The player's folder (made when missing), the choice made, and the
    // working directory changed to it. Null, with the reason in error, when
    // there is no such folder or the change fails; the working directory is
    // then as it was.
    static std::optional<GamePaths> enter(std::span<const std::filesystem::path> installedData, std::string& error);

    // The installed data directories, most likely first: the one beside the
    // running executable (an install moved to another prefix still finds its
    // music), then the one the build was configured for.
    static std::vector<std::filesystem::path> installedDataDirectories(const std::filesystem::path& fromExecutable,
                                                                       const std::filesystem::path& configured);
};

}  // namespace quindel
