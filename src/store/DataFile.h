#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <utility>

namespace quindel {

// One of the game's fixed-layout data files, relative to the working
// directory. It is open only for the length of one read or write, always for
// reading and writing, created empty when missing and never truncated: a file
// longer than the image keeps its tail, and a save touches only the image's
// bytes at offset 0. Failures are silent; the caller keeps what it had.
class DataFile final {
public:
    explicit DataFile(std::filesystem::path file) : filePath(std::move(file)) {}

    // Reads up to image.size() bytes from offset 0 over the image and returns
    // how many it got; a short file replaces only the leading bytes it holds.
    std::size_t readInto(std::span<unsigned char> image) const;
    // Writes the whole image at offset 0 and flushes it to the disk (the
    // browser's storage in a page, see FlushToDisk.h). False when the file
    // cannot be opened or written.
    bool writeFrom(std::span<const unsigned char> image) const;

    const std::filesystem::path& path() const { return filePath; }

private:
    int open() const;

    std::filesystem::path filePath;
};

}  // namespace quindel
