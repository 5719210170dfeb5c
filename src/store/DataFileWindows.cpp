// The data files on Windows: the same rules as DataFile.cpp keeps on Linux
// (opened for one read or write, created when missing, never truncated, only
// a plain file counts), through the C runtime's wide-character calls.
#include "store/DataFile.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#define WIN32_LEAN_AND_MEAN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace quindel {

namespace {

// The C runtime reads and writes at most an int's worth at a time.
unsigned chunk(std::size_t left)
{
    return static_cast<unsigned>(std::min<std::size_t>(left, INT_MAX));
}

bool seekTo(int fd, std::size_t offset)
{
    return ::_lseeki64(fd, static_cast<std::int64_t>(offset), SEEK_SET) == static_cast<std::int64_t>(offset);
}

}  // namespace

int DataFile::open() const
{
    // Binary mode above all: in text mode the runtime would write a score
    // byte of 0x0A as 0x0D 0x0A and stop reading at the first 0x1A. A wide
    // name, so a folder of any letters works; not inherited by children.
    // Never _O_TRUNC, so whatever follows the image survives.
    const int fd = ::_wopen(filePath.c_str(), _O_RDWR | _O_CREAT | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return -1;
    // A folder by that name cannot be opened at all; a device such as a
    // console or a pipe would block a read or swallow a save, so only a
    // plain file counts as the data file.
    struct _stat64 status {};
    if (::_fstat64(fd, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG) {
        ::_close(fd);
        return -1;
    }
    return fd;
}

std::size_t DataFile::readInto(std::span<unsigned char> image) const
{
    const int fd = open();
    if (fd < 0)
        return 0;
    // The file was opened for this read alone, so a seek and a read do what
    // a positioned read does on Linux.
    std::size_t done = 0;
    if (seekTo(fd, 0)) {
        while (done < image.size()) {
            const int got = ::_read(fd, image.data() + done, chunk(image.size() - done));
            if (got <= 0)
                break;
            done += static_cast<std::size_t>(got);
        }
    }
    ::_close(fd);
    return done;
}

bool DataFile::writeFrom(std::span<const unsigned char> image) const
{
    const int fd = open();
    if (fd < 0)
        return false;
    bool ok = seekTo(fd, 0);
    std::size_t done = 0;
    while (ok && done < image.size()) {
        const int put = ::_write(fd, image.data() + done, chunk(image.size() - done));
        if (put <= 0)
            ok = false;
        else
            done += static_cast<std::size_t>(put);
    }
    // A result the player has just typed in must survive a power cut, not
    // only a crash of the game: the runtime's write only reaches the
    // system's cache.
    if (ok && !::FlushFileBuffers(reinterpret_cast<HANDLE>(::_get_osfhandle(fd))))
        ok = false;
    if (::_close(fd) != 0)
        ok = false;
    return ok;
}

}  // namespace quindel
