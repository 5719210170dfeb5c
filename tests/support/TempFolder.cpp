#include "TempFolder.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>

namespace quindel::test {

namespace {

std::filesystem::path makeUniqueFolder(std::string_view purpose)
{
    // create_directory fails on a name that exists, so a clash with another
    // test running at the same moment only costs another draw.
    std::random_device entropy;
    std::mt19937_64 draw((static_cast<std::uint64_t>(entropy()) << 32) ^ entropy());
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        // The name is UTF-8 text; made into a path as such, so a purpose in
        // any letters names the same folder on Windows too.
        const std::string name = "quindel-" + std::string(purpose) + "-" + std::to_string(draw() % 1000000000000ULL);
        const std::filesystem::path candidate = base / std::u8string(name.begin(), name.end());
        if (std::filesystem::create_directory(candidate))
            return candidate;
    }
    throw std::runtime_error("no fresh temporary folder could be made");
}

}  // namespace

TempFolder::TempFolder(std::string_view purpose) : folder(makeUniqueFolder(purpose)) {}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

WorkingDirectory::WorkingDirectory(std::string_view purpose)
    : previous(std::filesystem::current_path()), folder(std::in_place, purpose), entered(folder->path())
{
    std::filesystem::current_path(entered);
}

WorkingDirectory::WorkingDirectory(const std::filesystem::path& existing)
    : previous(std::filesystem::current_path()), entered(existing)
{
    std::filesystem::current_path(entered);
}

WorkingDirectory::~WorkingDirectory()
{
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
}

Bytes readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& file, const Bytes& bytes)
{
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace quindel::test
