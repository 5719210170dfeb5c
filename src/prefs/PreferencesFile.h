#pragma once

#include <filesystem>
#include <ostream>
#include <string>

#include "prefs/Preferences.h"

namespace quindel {

// quindel.toml: the preferences as a small TOML file of the game's own.
// Reading never stops the game: a value it cannot use (a wrong type, out of
// range, a key it does not know, a file that is not TOML or not a file)
// takes its default, and one line on the error stream names the file and
// what was wrong. The file is rewritten whole, through a temporary file that
// is then renamed over it, and only when a preference changed.
class PreferencesFile final {
public:
    static constexpr const char* FileName = "quindel.toml";

    PreferencesFile(std::filesystem::path path, std::ostream& errors) : file(std::move(path)), errors(errors) {}

    // The preferences the file holds, over the defaults; a missing file is
    // the defaults, without a word.
    Preferences load();
    // Writes the preferences when they differ from what the file was last
    // read or written with. False when they could not be written (said once).
    bool save(const Preferences& preferences);

    // The TOML text of a set of preferences, as save writes it.
    static std::string text(const Preferences& preferences);
    // The preferences of a TOML text; what was wrong, if anything, in
    // problems (empty when all was used).
    static Preferences parse(std::string_view text, std::string& problems);

private:
    std::filesystem::path file;
    std::ostream& errors;
    Preferences onDisk;
    bool saveFailed = false;
};

}  // namespace quindel
