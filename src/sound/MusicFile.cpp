#include "sound/MusicFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <io.h>

#include "core/Utf8Path.h"
#endif

namespace quindel {

namespace {

// Closes the descriptor however the read ends.
class Descriptor final {
public:
    explicit Descriptor(int fd) : fd(fd) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd; }

private:
    int fd;
};

}  // namespace

std::optional<std::vector<std::byte>> MusicFile::read(const std::string& file, std::size_t maxBytes)
{
#ifdef _WIN32
    // The name is UTF-8 text; binary mode, or the runtime would turn the
    // module's CR LF pairs into LF and stop at its first 0x1A.
    const Descriptor in(::_wopen(pathFromUtf8(file).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT));
#else
    const Descriptor in(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
#endif
    if (in.get() < 0)
        return std::nullopt;
    struct stat status {};
    if (::fstat(in.get(), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0
        || static_cast<std::uintmax_t>(status.st_size) > maxBytes)
        return std::nullopt;
    // One byte more than the file said it holds tells a file that grew
    // meanwhile from one that did not.
    std::vector<std::byte> data(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t got = ::read(in.get(), data.data() + done, data.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    if (done == 0 || done > static_cast<std::size_t>(status.st_size))
        return std::nullopt;
    data.resize(done);
    return data;
}

}  // namespace quindel
