#include <gtest/gtest.h>

#include <fstream>
#include <functional>

#include <sys/stat.h>

#include "AudioTestSupport.h"
#include "sound/MusicFile.h"

namespace quindel {
namespace {

using test::TempDir;

void writeBytes(const std::filesystem::path& file, std::size_t count)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << std::string(count, 'x');
}

// Only a plain file of a sane size is read; a pipe must not block the game
// and a link to an endless device must not eat its memory.
TEST(MusicFileTest, ReadsOnlyPlainFilesOfASaneSize)
{
    TempDir dir("musicfile");
    const auto file = dir.path() / "song.mod";
    struct Case {
        const char* what;
        std::function<void(const std::filesystem::path&)> make;
        std::size_t limit;
        std::optional<std::size_t> bytes;
    };
    const Case cases[] = {
        {"a plain file", [](const auto& f) { writeBytes(f, 3000); }, MusicFile::MaxBytes, 3000},
        {"a link to a plain file",
         [&dir](const auto& f) {
             writeBytes(dir.path() / "real", 10);
             std::filesystem::create_symlink(dir.path() / "real", f);
         },
         MusicFile::MaxBytes, 10},
        {"exactly at the limit", [](const auto& f) { writeBytes(f, 64); }, 64, 64},
        {"one byte over the limit", [](const auto& f) { writeBytes(f, 65); }, 64, std::nullopt},
        {"over 16 MiB",
         [](const auto& f) {
             writeBytes(f, 1);
             std::filesystem::resize_file(f, 17 * 1024 * 1024);
         },
         MusicFile::MaxBytes, std::nullopt},
        {"empty", [](const auto& f) { writeBytes(f, 0); }, MusicFile::MaxBytes, std::nullopt},
        {"missing", [](const auto&) {}, MusicFile::MaxBytes, std::nullopt},
        {"a folder", [](const auto& f) { std::filesystem::create_directory(f); }, MusicFile::MaxBytes, std::nullopt},
        {"a pipe nobody writes to", [](const auto& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0); }, MusicFile::MaxBytes,
         std::nullopt},
        {"a link to /dev/zero", [](const auto& f) { std::filesystem::create_symlink("/dev/zero", f); },
         MusicFile::MaxBytes, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(file);
        c.make(file);
        const auto read = MusicFile::read(file.string(), c.limit);
        ASSERT_EQ(read.has_value(), c.bytes.has_value());
        if (read) {
            EXPECT_EQ(read->size(), *c.bytes);
        }
    }
}

}  // namespace
}  // namespace quindel
