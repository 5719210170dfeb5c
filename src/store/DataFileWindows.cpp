// The data files on Windows: the same rules as DataFile.cpp keeps on Linux
// (opened for one read or write, created when missing, never truncated, only
// a plain file counts, a read-only file still read, one lock per read or
// write), through the C runtime's wide-character calls.
#include "store/DataFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <thread>

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

HANDLE handleOf(int fd)
{
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

// The whole file, however long it grows: a lock on Windows covers a range.
constexpr DWORD WholeFile = MAXDWORD;

// As on Linux: another game holds the lock for milliseconds; one that keeps
// it for seconds is not waited for, the game goes on without the lock.
void lock(int fd, bool exclusive)
{
    using namespace std::chrono_literals;
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    for (int attempt = 0; attempt < 200; ++attempt) {
        OVERLAPPED at{};
        if (::LockFileEx(handleOf(fd), flags, 0, WholeFile, WholeFile, &at))
            return;
        if (::GetLastError() != ERROR_LOCK_VIOLATION)
            return;
        std::this_thread::sleep_for(10ms);
    }
}

// Windows frees a lock some time after the close; the next game should not
// have to wait for that.
int unlockAndClose(int fd)
{
    OVERLAPPED at{};
    ::UnlockFileEx(handleOf(fd), 0, WholeFile, WholeFile, &at);
    return ::_close(fd);
}

std::string utf8Name(const std::filesystem::path& path)
{
    const std::u8string name = path.u8string();
    return {name.begin(), name.end()};
}

}  // namespace

DataFile::Opened DataFile::open(bool readOnlyWillDo)
{
    // Binary mode above all: in text mode the runtime would write a score
    // byte of 0x0A as 0x0D 0x0A and stop reading at the first 0x1A. A wide
    // name, so a folder of any letters works; not inherited by children.
    // Never _O_TRUNC, so whatever follows the image survives.
    Opened opened{::_wopen(filePath.c_str(), _O_RDWR | _O_CREAT | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE),
                  true};
    int writeError = opened.fd < 0 ? errno : 0;
    // Windows refuses a folder as "permission denied"; the player is told
    // what is really in the way, as on Linux.
    std::error_code ignored;
    if (opened.fd < 0 && std::filesystem::is_directory(filePath, ignored))
        writeError = EISDIR;
    // A file the player made read-only still shows its table or keys.
    if (opened.fd < 0 && readOnlyWillDo)
        opened = {::_wopen(filePath.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT), false};
    // A folder by that name cannot be opened at all; a device such as a
    // console or a pipe would block a read or swallow a save, so only a
    // plain file counts as the data file.
    struct _stat64 status {};
    if (opened.fd >= 0 && (::_fstat64(opened.fd, &status) != 0 || (status.st_mode & _S_IFMT) != _S_IFREG)) {
        ::_close(opened.fd);
        opened.fd = -1;
    }
    if (opened.fd < 0 || !opened.writable)
        reportUnwritable(writeError != 0 ? std::strerror(writeError) : "not a regular file");
    return opened;
}

void DataFile::reportUnwritable(const char* reason)
{
    if (reported)
        return;
    reported = true;
    std::cerr << "quindel: cannot write " << utf8Name(filePath) << " (" << reason << "): " << unsaved
              << " will not be saved\n";
}

std::size_t DataFile::readOpened(int fd, std::span<unsigned char> image)
{
    // The file is open for this one read or update, so a seek and a read do
    // what a positioned read does on Linux.
    std::size_t done = 0;
    if (!seekTo(fd, 0))
        return 0;
    while (done < image.size()) {
        const int got = ::_read(fd, image.data() + done, chunk(image.size() - done));
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool DataFile::writeAndClose(int fd, std::span<const unsigned char> image)
{
    int error = seekTo(fd, 0) ? 0 : errno;
    std::size_t done = 0;
    while (done < image.size() && error == 0) {
        const int put = ::_write(fd, image.data() + done, chunk(image.size() - done));
        if (put > 0)
            done += static_cast<std::size_t>(put);
        else
            error = put == 0 || errno == 0 ? ENOSPC : errno;
    }
    // A result the player has just typed in must survive a power cut, not
    // only a crash of the game: the runtime's write only reaches the
    // system's cache.
    if (error == 0 && !::FlushFileBuffers(handleOf(fd)))
        error = EIO;
    if (unlockAndClose(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        reportUnwritable(std::strerror(error));
    return error == 0;
}

std::size_t DataFile::readInto(std::span<unsigned char> image)
{
    const Opened opened = open(true);
    if (opened.fd < 0)
        return 0;
    lock(opened.fd, false);
    const std::size_t got = readOpened(opened.fd, image);
    unlockAndClose(opened.fd);
    return got;
}

bool DataFile::writeFrom(std::span<const unsigned char> image)
{
    const Opened opened = open(false);
    if (opened.fd < 0)
        return false;
    lock(opened.fd, true);
    return writeAndClose(opened.fd, image);
}

bool DataFile::update(std::span<unsigned char> image, const std::function<bool(std::size_t)>& edit)
{
    const Opened opened = open(true);
    if (opened.fd < 0)
        return !edit(0);
    lock(opened.fd, true);
    const bool changed = edit(readOpened(opened.fd, image));
    if (changed && opened.writable)
        return writeAndClose(opened.fd, image);
    unlockAndClose(opened.fd);
    return !changed;
}

}  // namespace quindel
