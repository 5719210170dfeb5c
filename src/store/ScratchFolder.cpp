#include "store/ScratchFolder.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>
#include <vector>

#include <stdlib.h>

namespace quindel {

std::unique_ptr<ScratchFolder> ScratchFolder::make(std::string& error)
{
    std::error_code failed;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(failed);
    if (failed) {
        error = failed.message();
        return nullptr;
    }
#ifdef _WIN32
    // No mkdtemp here: a name of our own drawing, made only if it is new.
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path folder = temporary / ("quindel-" + std::to_string(entropy()));
        if (std::filesystem::create_directory(folder, failed))
            return std::unique_ptr<ScratchFolder>(new ScratchFolder(folder));
        if (failed) {
            error = folder.string() + ": " + failed.message();
            return nullptr;
        }
    }
    error = (temporary / "quindel-*").string() + ": every name drawn was taken";
    return nullptr;
#else
    std::string name = (temporary / "quindel-XXXXXX").string();
    std::vector<char> writable(name.begin(), name.end());
    writable.push_back('\0');
    if (::mkdtemp(writable.data()) == nullptr) {
        error = std::string(writable.data()) + ": " + std::strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<ScratchFolder>(new ScratchFolder(writable.data()));
#endif
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace quindel
