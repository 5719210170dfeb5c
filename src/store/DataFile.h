#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <utility>

namespace quindel {

// One of the game's fixed-layout data files, relative to the working
// directory. It is open only for the length of one read or write, created
// empty when missing and never truncated: a file longer than the image keeps
// its tail, and a save touches only the image's bytes at offset 0.
//
// Two games may be open on the same folder, so every read and write holds an
// advisory lock on the file (shared to read, exclusive to write) for as long
// as the file is open.
//
// A file that can be read but not written is still read. The first time the
// file turns out unwritable, one line on standard error names it and says
// what will not be saved; the caller keeps what it had in memory.
class DataFile final {
public:
    // unsaved: what the player would lose, as in "new results will not be
    // saved".
    DataFile(std::filesystem::path file, std::string unsaved) : filePath(std::move(file)), unsaved(std::move(unsaved))
    {}

    // Reads up to image.size() bytes from offset 0 over the image and returns
    // how many it got; a short file replaces only the leading bytes it holds.
    std::size_t readInto(std::span<unsigned char> image);
    // Writes the whole image at offset 0 and waits until it is on the disk
    // (the browser's storage in a page, see FlushToDisk.h).
    // False when the file cannot be opened or written.
    bool writeFrom(std::span<const unsigned char> image);
    // Reads the file over the image as readInto does, then lets edit change
    // the image, given how many bytes were read (0 when the file cannot be
    // opened at all); when edit returns true the image is written back. All
    // of it happens under one exclusive lock, so no other game's write can
    // come in between. True when the file holds the image afterwards: edit
    // asked for nothing, or the write succeeded.
    bool update(std::span<unsigned char> image, const std::function<bool(std::size_t)>& edit);

    const std::filesystem::path& path() const { return filePath; }

private:
    struct Opened final {
        int fd = -1;
        bool writable = false;
    };

    // Open for reading and writing, or when that fails and readOnlyWillDo,
    // for reading only; fd is -1 when neither works or the file is no plain
    // file. Not locked yet.
    Opened open(bool readOnlyWillDo);
    static std::size_t readOpened(int fd, std::span<unsigned char> image);
    bool writeAndClose(int fd, std::span<const unsigned char> image);
    void reportUnwritable(const char* reason);

    std::filesystem::path filePath;
    std::string unsaved;
    bool reported = false;
};

}  // namespace quindel
