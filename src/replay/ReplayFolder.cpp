#include "replay/ReplayFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <system_error>
#include <vector>

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

#include "base/UtcTime.h"
#include "store/FlushToDisk.h"

namespace quindel {

namespace {

// A replay's file by its path, for writing: a new one only (for a dated
// name) or emptied (for last.script); bytes as they are, on every system.
int openForWriting(const std::filesystem::path& path, bool onlyNew)
{
#ifdef _WIN32
    return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_BINARY | _O_NOINHERIT | (onlyNew ? _O_EXCL : _O_TRUNC),
                    _S_IREAD | _S_IWRITE);
#else
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (onlyNew ? O_EXCL : O_TRUNC), 0666);
#endif
}

void closeFile(int fd)
{
#ifdef _WIN32
    ::_close(fd);
#else
    ::close(fd);
#endif
}

long writeSome(int fd, std::string_view bytes)
{
#ifdef _WIN32
    return ::_write(fd, bytes.data(), static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30)));
#else
    return ::write(fd, bytes.data(), bytes.size());
#endif
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const long done = writeSome(fd, bytes);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

ReplayFolder::ReplayFolder(std::filesystem::path folder, std::ostream& errors)
    : folder(std::move(folder)), errors(errors)
{}

ReplayFolder::~ReplayFolder()
{
    end();
}

std::string ReplayFolder::datedName(std::int64_t wallMs)
{
    const std::time_t seconds = static_cast<std::time_t>(wallMs / 1000);
    const std::tm utc = utcOf(seconds);
    char name[48];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d_%02d-%02d-%02d.script", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return name;
}

bool ReplayFolder::isDatedName(std::string_view name)
{
    // 2024-05-01_14-03-22, then _2, _3... for games of the same second.
    constexpr std::string_view shape = "dddd-dd-dd_dd-dd-dd";
    constexpr std::string_view ending = ".script";
    if (name.size() < shape.size() + ending.size() || !name.ends_with(ending))
        return false;
    for (std::size_t i = 0; i < shape.size(); ++i)
        if (shape[i] == 'd' ? !isDigit(name[i]) : name[i] != shape[i])
            return false;
    std::string_view suffix = name.substr(shape.size(), name.size() - shape.size() - ending.size());
    if (suffix.empty())
        return true;
    if (suffix.size() < 2 || suffix.front() != '_')
        return false;
    suffix.remove_prefix(1);
    return std::all_of(suffix.begin(), suffix.end(), isDigit);
}

int ReplayFolder::openDated(std::int64_t wallMs)
{
    const std::string name = datedName(wallMs);
    const std::string stem = name.substr(0, name.size() - std::string_view(".script").size());
    for (int copy = 1; copy < 1000; ++copy) {
        const std::string candidate = copy == 1 ? name : stem + "_" + std::to_string(copy) + ".script";
        const int fd = openForWriting(folder / candidate, true);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

void ReplayFolder::begin(std::int64_t wallMs)
{
    end();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        report(error.message());
        return;
    }
    dated = openDated(wallMs);
    if (dated < 0) {
        report(std::strerror(errno));
        return;
    }
    last = openForWriting(folder / LastName, false);
    if (last < 0)
        report(std::strerror(errno));
    lastSync = std::chrono::steady_clock::now();
    pruneOld();
}

void ReplayFolder::write(std::string_view lines)
{
    if (dated < 0 && last < 0)
        return;
    for (int* fd : {&dated, &last})
        if (*fd >= 0 && !writeAll(*fd, lines)) {
            report(std::strerror(errno));
            closeFile(*fd);
            *fd = -1;
        }
    unsynced = true;
    const auto now = std::chrono::steady_clock::now();
    if (now - lastSync >= std::chrono::seconds(1)) {
        for (const int fd : {dated, last})
            if (fd >= 0)
                flushToDisk(fd);
        unsynced = false;
        lastSync = now;
    }
}

void ReplayFolder::end()
{
    if (unsynced)
        for (const int fd : {dated, last})
            if (fd >= 0)
                flushToDisk(fd);
    unsynced = false;
    closeAll();
}

void ReplayFolder::closeAll()
{
    for (int* fd : {&dated, &last})
        if (*fd >= 0) {
            closeFile(*fd);
            *fd = -1;
        }
}

void ReplayFolder::pruneOld()
{
    // Only names this folder gives are ever removed: whatever else the
    // player keeps there stays.
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (isDatedName(name))
            names.push_back(name);
    }
    if (names.size() <= Kept)
        return;
    std::sort(names.begin(), names.end());
    for (std::size_t i = 0; i + Kept < names.size(); ++i)
        std::filesystem::remove(folder / names[i], error);
}

void ReplayFolder::report(const std::string& what)
{
    if (reported)
        return;
    reported = true;
    errors << "quindel: cannot write replays into " << folder.string() << " (" << what
           << "); the games go on unrecorded\n";
}

}  // namespace quindel
