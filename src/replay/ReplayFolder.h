#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include "replay/ReplaySink.h"

namespace quindel {

// The replays/ folder of the data folder: every game written into
// last.script and into a file of its own named after the time it started
// (2024-05-01_14-03-22.script, in UTC, so the names sort by time whatever
// the clocks do), of which the newest Kept stay. Lines reach the files as
// they come; what the disk holds is brought up to date at most once a
// second, so a crash of the machine costs the last second at most.
class ReplayFolder final : public ReplaySink {
public:
    static constexpr std::size_t Kept = 50;
    static constexpr std::string_view LastName = "last.script";

    // errors: where a folder that cannot be written is told, once.
    ReplayFolder(std::filesystem::path folder, std::ostream& errors);
    ~ReplayFolder() override;
    ReplayFolder(const ReplayFolder&) = delete;
    ReplayFolder& operator=(const ReplayFolder&) = delete;

    void begin(std::int64_t wallMs) override;
    void write(std::string_view lines) override;
    void end() override;

    const std::filesystem::path& path() const { return folder; }
    std::filesystem::path lastReplay() const { return folder / LastName; }

    // The name a game started at this time gets, without a second's suffix.
    static std::string datedName(std::int64_t wallMs);
    // Whether a file name is one this folder made (and may remove).
    static bool isDatedName(std::string_view name);

private:
    // Opens a dated file no other game has; -1 when none can be made.
    int openDated(std::int64_t wallMs);
    void pruneOld();
    void report(const std::string& what);
    void closeAll();

    std::filesystem::path folder;
    std::ostream& errors;
    int dated = -1;
    int last = -1;
    bool unsynced = false;
    std::chrono::steady_clock::time_point lastSync;
    bool reported = false;
};

}  // namespace quindel
