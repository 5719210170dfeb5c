#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace quindel {

// A fresh folder of its own under the system's temporary folder, for the
// data files of a game that must leave no trace behind (a replay watched,
// the title's demo, the computer player's games), removed with everything
// in it when it goes.
class ScratchFolder final {
public:
    // None when no folder could be made; error says why.
    static std::unique_ptr<ScratchFolder> make(std::string& error);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return folder / name; }

private:
    explicit ScratchFolder(std::filesystem::path folder) : folder(std::move(folder)) {}
    std::filesystem::path folder;
};

}  // namespace quindel
