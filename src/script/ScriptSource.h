#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace quindel {

// Where a script's lines come from: a file, standard input, or (in tests) a
// stream. A source tells the end of the script from a failure, so a script
// that cannot be read is never taken for one that ended.
class ScriptSource {
public:
    enum class Status {
        Line,     // the next line, without its end
        End,      // the script ended
        TooLong,  // the line runs past MaxLine bytes without ending
        Failed,   // the source could not be read; error() says why
    };
    // No script needs a line this long; a longer one is a wrong file
    // (/dev/zero, a picture), read no further.
    static constexpr std::size_t MaxLine = std::size_t{1} << 20;

    virtual ~ScriptSource() = default;
    virtual Status next(std::string& line) = 0;
    virtual std::string error() const { return {}; }
};

// The lines of a stream; one that met its end goes on when more is written.
class StreamScriptSource final : public ScriptSource {
public:
    explicit StreamScriptSource(std::istream& in) : in(in) {}
    Status next(std::string& line) override;

private:
    std::istream& in;
};

// The lines of a file or of standard input, read with the system's own
// calls so that a read error is told from the end.
class FileScriptSource final : public ScriptSource {
public:
    // "-" is standard input. None when the file cannot be a script (missing,
    // a folder, a closed or write-only standard input); error says why.
    static std::unique_ptr<FileScriptSource> open(const std::string& file, std::string& error);
    ~FileScriptSource() override;
    FileScriptSource(const FileScriptSource&) = delete;
    FileScriptSource& operator=(const FileScriptSource&) = delete;

    Status next(std::string& line) override;
    std::string error() const override { return readError; }

private:
    FileScriptSource(int descriptor, bool owned) : fd(descriptor), owned(owned) {}
    // More bytes into the buffer; false at the end or on an error.
    bool fill();

    int fd = -1;
    bool owned = false;
    bool ended = false;
    std::vector<char> buffer;
    std::size_t start = 0;
    std::string readError;
};

}  // namespace quindel
