#include "store/ScratchFolder.h"

#include <cerrno>
#include <cstring>
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
    std::string name = (temporary / "quindel-XXXXXX").string();
    std::vector<char> writable(name.begin(), name.end());
    writable.push_back('\0');
    if (::mkdtemp(writable.data()) == nullptr) {
        error = std::string(writable.data()) + ": " + std::strerror(errno);
        return nullptr;
    }
    return std::unique_ptr<ScratchFolder>(new ScratchFolder(writable.data()));
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace quindel
