#include "script/ScriptSource.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "script/ScriptPlatform.h"

namespace quindel {
namespace {

using Status = ScriptSource::Status;

std::vector<std::string> linesOf(ScriptSource& source, Status& last)
{
    std::vector<std::string> lines;
    std::string line;
    while ((last = source.next(line)) == Status::Line)
        lines.push_back(line);
    return lines;
}

TEST(ScriptSource, FilesAndStreamsGiveTheSameLinesAndStopAtAnEndlessOne)
{
    const std::string longest(ScriptSource::MaxLine, 'x');
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
        Status last;
    };
    const Case cases[] = {
        {"empty", "", {}, Status::End},
        {"lines", "time 5\n\nkey 37\n", {"time 5", "", "key 37"}, Status::End},
        {"a last line without its end", "dump\nboard", {"dump", "board"}, Status::End},
        {"the longest line", longest + "\ndump\n", {longest, "dump"}, Status::End},
        {"one byte longer", "dump\n" + longest + "x\n", {"dump"}, Status::TooLong},
        {"endless", "key 1\n" + std::string(3 * ScriptSource::MaxLine, 'z'), {"key 1"}, Status::TooLong},
    };
    test::TempFolder folder("source");
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        StreamScriptSource stream(in);
        Status last = Status::Line;
        EXPECT_EQ(linesOf(stream, last), c.lines) << c.name;
        EXPECT_EQ(last, c.last) << c.name;

        std::ofstream(folder / "script", std::ios::binary | std::ios::trunc) << c.text;
        std::string error;
        const auto file = FileScriptSource::open((folder / "script").string(), error);
        ASSERT_TRUE(file) << error;
        EXPECT_EQ(linesOf(*file, last), c.lines) << c.name;
        EXPECT_EQ(last, c.last) << c.name;
    }
}

// A source that fails to read after its lines, as a disk or a pipe can.
class FailingSource final : public ScriptSource {
public:
    Status next(std::string& line) override
    {
        if (given == 2)
            return Status::Failed;
        line = ++given == 1 ? "wait 10" : "dump";
        return Status::Line;
    }
    std::string error() const override { return "Input/output error"; }

private:
    int given = 0;
};

struct Rejected final {
    int status;
};

TEST(ScriptSource, AReadThatFailsStopsTheRunNamingItsLine)
{
    FailingSource source;
    std::ostringstream out;
    std::ostringstream errors;
    ScriptPlatform platform(source, out, errors, [](int status) { throw Rejected{status}; });
    try {
        for (int i = 0; i < 10; ++i)
            platform.waitEvent(std::nullopt);
        FAIL() << "the failed read was taken for the end of the script";
    } catch (const Rejected& rejected) {
        EXPECT_EQ(rejected.status, 2);
    }
    EXPECT_EQ(errors.str(), "script line 3: cannot be read (Input/output error)\n");
}

}  // namespace
}  // namespace quindel
