#include "script/ScriptSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <filesystem>
#include <io.h>

#include "core/Utf8Path.h"
#endif

namespace quindel {

ScriptSource::Status StreamScriptSource::next(std::string& line)
{
    // A stream that met its end may have been given more since.
    if (in.eof() && !in.bad())
        in.clear();
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    for (;;) {
        const auto c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            return line.empty() ? Status::End : Status::Line;
        }
        if (c == '\n')
            return Status::Line;
        if (line.size() == MaxLine)
            return Status::TooLong;
        line += static_cast<char>(c);
    }
}

std::unique_ptr<FileScriptSource> FileScriptSource::open(const std::string& file, std::string& error)
{
    int fd = 0;
    bool owned = false;
#ifdef _WIN32
    if (file == "-") {
        if (::_get_osfhandle(0) == -1) {
            error = "standard input is closed";
            return nullptr;
        }
    } else {
        // The name is UTF-8 text; Windows opens a folder not at all, so it
        // is told apart first. Text mode, so a script saved with CR LF line
        // ends reads as one saved on Linux.
        const std::filesystem::path path = pathFromUtf8(file);
        std::error_code ignored;
        if (std::filesystem::is_directory(path, ignored)) {
            error = "it is a folder";
            return nullptr;
        }
        fd = ::_wopen(path.c_str(), _O_RDONLY | _O_TEXT | _O_NOINHERIT);
        if (fd == -1) {
            error = std::strerror(errno);
            return nullptr;
        }
        owned = true;
    }
#else
    if (file == "-") {
        const int flags = ::fcntl(0, F_GETFL);
        if (flags == -1) {
            error = "standard input is closed";
            return nullptr;
        }
        if ((flags & O_ACCMODE) == O_WRONLY) {
            error = "standard input is open for writing only";
            return nullptr;
        }
    } else {
        fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd == -1) {
            error = std::strerror(errno);
            return nullptr;
        }
        owned = true;
    }
#endif
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode)) {
        error = "it is a folder";
        if (owned)
            ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<FileScriptSource>(new FileScriptSource(fd, owned));
}

FileScriptSource::~FileScriptSource()
{
    if (owned)
        ::close(fd);
}

bool FileScriptSource::fill()
{
    if (ended)
        return false;
    // What was taken goes, so the buffer holds one line at the most.
    buffer.erase(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(start));
    start = 0;
    const std::size_t before = buffer.size();
    buffer.resize(before + 65536);
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data() + before, 65536);
        if (got > 0) {
            buffer.resize(before + static_cast<std::size_t>(got));
            return true;
        }
        buffer.resize(before);
        if (got == 0) {
            ended = true;
            return false;
        }
        if (errno == EINTR)
            continue;
        readError = std::strerror(errno);
        ended = true;
        return false;
    }
}

ScriptSource::Status FileScriptSource::next(std::string& line)
{
    std::size_t searched = start;
    for (;;) {
        const auto from = buffer.begin() + static_cast<std::ptrdiff_t>(searched);
        const auto newline = std::find(from, buffer.end(), '\n');
        if (newline != buffer.end()) {
            const auto length = static_cast<std::size_t>(newline - buffer.begin()) - start;
            if (length > MaxLine)
                return Status::TooLong;
            line.assign(buffer.data() + start, length);
            start += length + 1;
            return Status::Line;
        }
        if (buffer.size() - start > MaxLine)
            return Status::TooLong;
        const std::size_t pending = buffer.size() - start;
        if (!fill()) {
            if (!readError.empty())
                return Status::Failed;
            if (pending == 0)
                return Status::End;
            // The last line needs no end of its own.
            line.assign(buffer.data() + start, pending);
            start += pending;
            return Status::Line;
        }
        searched = start + pending;
    }
}

}  // namespace quindel
