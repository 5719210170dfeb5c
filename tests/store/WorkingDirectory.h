#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace quindel::test {

using Bytes = std::vector<unsigned char>;

// A fresh empty working directory for one test, since the data files are
// relative to it; the old one comes back and the directory goes afterwards.
class WorkingDirectory final {
public:
    WorkingDirectory()
    {
        std::string name = (std::filesystem::temp_directory_path() / "quindel-store-XXXXXX").string();
        if (::mkdtemp(name.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        directory = name;
        std::filesystem::current_path(directory);
    }
    ~WorkingDirectory()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
        std::filesystem::remove_all(directory, ignored);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    const std::filesystem::path& path() const { return directory; }

private:
    std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::path directory;
};

inline Bytes readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& file, const Bytes& bytes)
{
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// Bytes seed, seed + 1, ... wrapping at 256, so every byte is told apart.
inline Bytes patternBytes(std::size_t count, unsigned seed)
{
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i)
        bytes[i] = static_cast<unsigned char>(i + seed);
    return bytes;
}

inline void putInt32LE(Bytes& bytes, std::size_t offset, std::int32_t value)
{
    for (int b = 0; b < 4; ++b)
        bytes[offset + b] = static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * b));
}

}  // namespace quindel::test
