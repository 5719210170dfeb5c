#include "app/DataFolder.h"

#include <system_error>

#include <SDL.h>

#include "core/Utf8Path.h"

namespace quindel {

namespace {

// The name of the player's folder under $XDG_DATA_HOME, as the installed
// data directory is named.
constexpr const char* folderName = "quindel";

bool holdsMusic(const std::filesystem::path& folder)
{
    std::error_code ignored;
    return std::filesystem::is_directory(folder / "music", ignored);
}

// SDL hands out strings the caller frees with SDL_free.
std::optional<std::filesystem::path> takeSdlPath(char* text)
{
    if (text == nullptr)
        return std::nullopt;
    std::filesystem::path path = pathFromUtf8(text);
    SDL_free(text);
    // Without SDL's closing slash, so the folder compares and prints plainly.
    if (!path.has_filename() && path.has_relative_path())
        path = path.parent_path();
    return path;
}

}  // namespace

DataFolder::Choice DataFolder::choose(const std::filesystem::path& playerFolder,
                                      std::span<const std::filesystem::path> installedData)
{
    Choice choice;
    choice.workingDirectory = playerFolder;
    // Named in full, since the working directory may be a read-only
    // installed folder.
    choice.paths.highscore = playerFolder / "highscore.dat";
    choice.paths.settings = playerFolder / "settings.dat";
    if (holdsMusic(playerFolder))
        return choice;
    for (const auto& installed : installedData) {
        if (!installed.empty() && holdsMusic(installed)) {
            choice.workingDirectory = installed;
            break;
        }
    }
    return choice;
}

std::optional<GamePaths> DataFolder::enter(std::span<const std::filesystem::path> installedData, std::string& error)
{
    // SDL makes the folder when it is missing.
    const auto playerFolder = takeSdlPath(SDL_GetPrefPath("", folderName));
    if (!playerFolder) {
        error = std::string("no data folder for the player: ") + SDL_GetError();
        return std::nullopt;
    }
    const Choice choice = choose(playerFolder->lexically_normal(), installedData);
    std::error_code failed;
    std::filesystem::current_path(choice.workingDirectory, failed);
    if (failed) {
        error = "cannot enter " + utf8FromPath(choice.workingDirectory) + ": " + failed.message();
        return std::nullopt;
    }
    return choice.paths;
}

std::vector<std::filesystem::path> DataFolder::installedDataDirectories(const std::filesystem::path& fromExecutable,
                                                                        const std::filesystem::path& configured)
{
    std::vector<std::filesystem::path> directories;
    if (const auto base = takeSdlPath(SDL_GetBasePath()))
        directories.push_back((*base / fromExecutable).lexically_normal());
    directories.push_back(configured);
    return directories;
}

}  // namespace quindel
