#include "app/DataFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#include <SDL.h>
#include <sys/stat.h>

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

#ifdef _WIN32
// %APPDATA%\quindel, where SDL puts a program's own files on Windows, made
// by SDL when missing.
std::optional<std::filesystem::path> makePlayerFolder(std::string& error)
{
    const auto folder = takeSdlPath(SDL_GetPrefPath("", folderName));
    if (!folder) {
        error = std::string("no data folder for the player: ") + SDL_GetError();
        return std::nullopt;
    }
    return folder->lexically_normal();
}
#else
// $XDG_DATA_HOME/quindel, made when missing. By the XDG base directory rules
// an empty or relative XDG_DATA_HOME is ignored and $HOME/.local/share used:
// a relative folder would be looked up again from the folder the game
// enters, and an empty one would put the files at the root of the disk.
std::optional<std::filesystem::path> makePlayerFolder(std::string& error)
{
    std::filesystem::path dataHome;
    const char* xdgDataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (xdgDataHome != nullptr && std::filesystem::path(xdgDataHome).is_absolute()) {
        dataHome = xdgDataHome;
    } else if (home != nullptr && std::filesystem::path(home).is_absolute()) {
        dataHome = std::filesystem::path(home) / ".local" / "share";
    } else {
        error = "no data folder for the player: neither XDG_DATA_HOME nor HOME is an absolute path";
        return std::nullopt;
    }
    const std::filesystem::path folder = (dataHome / folderName).lexically_normal();
    // Each missing folder on the way private to the player, as the rules ask.
    std::filesystem::path made;
    int failure = 0;
    for (const auto& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
            failure = errno;
    }
    std::error_code ignored;
    if (!std::filesystem::is_directory(folder, ignored)) {
        error = "cannot make the data folder " + utf8FromPath(folder) + ": "
            + (failure != 0 ? std::strerror(failure) : "a file of that name is in the way");
        return std::nullopt;
    }
    return folder;
}

#endif

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
    const auto playerFolder = makePlayerFolder(error);
    if (!playerFolder)
        return std::nullopt;
    const Choice choice = choose(*playerFolder, installedData);
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
