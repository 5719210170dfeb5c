#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace quindel::test {

// A fresh empty directory that is the working directory for one test, since
// the game's data files are relative to it. The old working directory comes
// back and the directory goes away afterwards.
class WorkingDirectory final {
public:
    WorkingDirectory();
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    const std::filesystem::path& path() const { return directory; }

private:
    std::filesystem::path previous;
    std::filesystem::path directory;
};

std::vector<unsigned char> readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::vector<unsigned char>& bytes);
// Bytes 0, 1, 2, ... wrapping at 256, offset by seed, so every byte is told apart.
std::vector<unsigned char> patternBytes(std::size_t count, unsigned seed = 1);

}  // namespace quindel::test
