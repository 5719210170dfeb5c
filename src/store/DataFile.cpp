#include "store/DataFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "store/FlushToDisk.h"

namespace quindel {

int DataFile::open() const
{
    // 0666 under the umask: ordinary read-write permissions, like any file a
    // program creates. Never O_TRUNC, so whatever follows the image survives.
    const int fd = ::open(filePath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (fd < 0)
        return -1;
    // A pipe or a device by that name would block a read or swallow a save;
    // only a plain file counts as the data file.
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::size_t DataFile::readInto(std::span<unsigned char> image) const
{
    const int fd = open();
    if (fd < 0)
        return 0;
    std::size_t done = 0;
    while (done < image.size()) {
        const ssize_t got = ::pread(fd, image.data() + done, image.size() - done, static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    return done;
}

bool DataFile::writeFrom(std::span<const unsigned char> image) const
{
    const int fd = open();
    if (fd < 0)
        return false;
    std::size_t done = 0;
    bool ok = true;
    while (done < image.size()) {
        const ssize_t put = ::pwrite(fd, image.data() + done, image.size() - done, static_cast<off_t>(done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(put);
    }
    // A result the player has just typed in must survive a power cut, not
    // only a crash of the game.
    if (ok && !flushToDisk(fd))
        ok = false;
    if (::close(fd) != 0)
        ok = false;
    return ok;
}

}  // namespace quindel
