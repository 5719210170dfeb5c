#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace quindel::test {

using Bytes = std::vector<unsigned char>;

// A fresh, empty folder of its own under the system's temporary folder,
// removed with everything in it when the test is done.
class TempFolder final {
public:
    explicit TempFolder(std::string_view purpose = "test");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return folder / name; }

private:
    std::filesystem::path folder;
};

// A fresh folder that is the working directory while it lives (the game's
// data files are relative to it); the old one comes back afterwards.
class WorkingDirectory final {
public:
    explicit WorkingDirectory(std::string_view purpose = "test");
    // Enters a folder that exists already (and stays when the test is done).
    explicit WorkingDirectory(const std::filesystem::path& existing);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    const std::filesystem::path& path() const { return entered; }

private:
    std::filesystem::path previous;
    std::optional<TempFolder> folder;
    std::filesystem::path entered;
};

Bytes readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const Bytes& bytes);

}  // namespace quindel::test
