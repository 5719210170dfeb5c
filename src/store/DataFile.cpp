#include "store/DataFile.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <iostream>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/FlushToDisk.h"

namespace quindel {

namespace {

// Another game holds the lock for one read or one write of a few hundred
// bytes, milliseconds at most. One that keeps it for seconds (stopped in a
// debugger, say) is not waited for: the game goes on without the lock rather
// than hang at the name entry.
void lock(int fd, int operation)
{
    using namespace std::chrono_literals;
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (::flock(fd, operation | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR))
            return;
        std::this_thread::sleep_for(10ms);
    }
}

}  // namespace

DataFile::Opened DataFile::open(bool readOnlyWillDo)
{
    // 0666 under the umask: ordinary read-write permissions, like any file a
    // program creates. Never O_TRUNC, so whatever follows the image survives.
    Opened opened{::open(filePath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666), true};
    const int writeError = opened.fd < 0 ? errno : 0;
    if (opened.fd < 0 && readOnlyWillDo) {
        // A file the player made read-only still shows its table or keys.
        opened = {::open(filePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK), false};
    }
    // A pipe or a device by that name would block a read or swallow a save;
    // only a plain file counts as the data file.
    struct stat status {};
    if (opened.fd >= 0 && (::fstat(opened.fd, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(opened.fd);
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
    std::cerr << "quindel: cannot write " << filePath.string() << " (" << reason << "): " << unsaved
              << " will not be saved\n";
}

std::size_t DataFile::readOpened(int fd, std::span<unsigned char> image)
{
    std::size_t done = 0;
    while (done < image.size()) {
        const ssize_t got = ::pread(fd, image.data() + done, image.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool DataFile::writeAndClose(int fd, std::span<const unsigned char> image)
{
    std::size_t done = 0;
    int error = 0;
    while (done < image.size() && error == 0) {
        const ssize_t put = ::pwrite(fd, image.data() + done, image.size() - done, static_cast<off_t>(done));
        if (put > 0)
            done += static_cast<std::size_t>(put);
        else if (put == 0)
            error = ENOSPC;
        else if (errno != EINTR)
            error = errno;
    }
    // A result the player has just typed in must survive a power cut, not
    // only a crash of the game.
    if (error == 0 && !flushToDisk(fd))
        error = errno != 0 ? errno : EIO;
    // Closing also gives up the lock.
    if (::close(fd) != 0 && error == 0)
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
    lock(opened.fd, LOCK_SH);
    const std::size_t got = readOpened(opened.fd, image);
    ::close(opened.fd);
    return got;
}

bool DataFile::writeFrom(std::span<const unsigned char> image)
{
    const Opened opened = open(false);
    if (opened.fd < 0)
        return false;
    lock(opened.fd, LOCK_EX);
    return writeAndClose(opened.fd, image);
}

bool DataFile::update(std::span<unsigned char> image, const std::function<bool(std::size_t)>& edit)
{
    const Opened opened = open(true);
    if (opened.fd < 0)
        return !edit(0);
    lock(opened.fd, LOCK_EX);
    const bool changed = edit(readOpened(opened.fd, image));
    if (changed && opened.writable)
        return writeAndClose(opened.fd, image);
    ::close(opened.fd);
    return !changed;
}

}  // namespace quindel
