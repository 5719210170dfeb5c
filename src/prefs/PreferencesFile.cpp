#include "prefs/PreferencesFile.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>
#include <vector>

#define TOML_HEADER_ONLY 1
#define TOML_EXCEPTIONS 0
#include <toml.h>

namespace quindel {

namespace {

// A preferences file of ours is a few hundred bytes; anything much larger is
// not one, and is not read into memory.
constexpr std::uintmax_t LargestFile = 64 * 1024;

constexpr const char* DifficultyNames[] = {"easy", "normal", "hard"};
constexpr const char* SpeedNames[] = {"easy", "medium", "hard"};
constexpr const char* OpponentNames[] = {"player", "computer"};
constexpr const char* PlayerTwoKeyNames[] = {"move_left", "move_right", "turn_left", "turn_right", "drop", "pause"};

// The file's name as UTF-8 text for a message: on Windows a plain string()
// would go through the ANSI code page and fail on a player folder named in
// other letters.
std::string nameOf(const std::filesystem::path& file)
{
    const std::u8string name = file.u8string();
    return {name.begin(), name.end()};
}

// Reads the known keys of the file's table, noting what could not be used.
class Reader final {
public:
    Reader(const toml::table& table, std::vector<std::string>& problems) : table(table), problems(problems) {}

    void flag(const char* section, const char* key, bool& value)
    {
        const toml::node* node = find(section, key);
        if (node == nullptr)
            return;
        if (const auto read = node->value_exact<bool>())
            value = *read;
        else
            problems.push_back(name(section, key) + " is not true or false");
    }

    void number(const char* section, const char* key, int low, int high, int& value)
    {
        std::optional<int> read;
        numberOrNone(section, key, low, high, read);
        if (read)
            value = *read;
    }

    void numberOrNone(const char* section, const char* key, int low, int high, std::optional<int>& value)
    {
        const toml::node* node = find(section, key);
        if (node == nullptr)
            return;
        const auto read = node->value_exact<std::int64_t>();
        if (!read) {
            problems.push_back(name(section, key) + " is not a whole number");
            return;
        }
        if (*read < low || *read > high) {
            problems.push_back(name(section, key) + " = " + std::to_string(*read) + " is not in " + std::to_string(low)
                               + ".." + std::to_string(high));
            return;
        }
        value = static_cast<int>(*read);
    }

    void difficulty(const char* section, const char* key, int& value) { choice(section, key, DifficultyNames, value); }

    // One of a few names, the value its place among them.
    template <std::size_t Count>
    void choice(const char* section, const char* key, const char* const (&names)[Count], int& value)
    {
        const toml::node* node = find(section, key);
        if (node == nullptr)
            return;
        if (const auto read = node->value_exact<std::string>()) {
            for (std::size_t i = 0; i < Count; ++i)
                if (*read == names[i]) {
                    value = static_cast<int>(i);
                    return;
                }
        }
        std::string listed;
        for (std::size_t i = 0; i < Count; ++i)
            listed += (i == 0 ? "\"" : i + 1 == Count ? " or \"" : ", \"") + std::string(names[i]) + "\"";
        problems.push_back(name(section, key) + " is not " + listed);
    }

    // Six key codes that must all differ: one taken twice would leave an
    // action without a key, so all six keep their defaults then.
    void keys(const char* section, const char* const (&keyNames)[6], std::array<int, 6>& codes)
    {
        std::array<int, 6> read = codes;
        for (std::size_t i = 0; i < 6; ++i)
            number(section, keyNames[i], 1, 254, read[i]);
        for (std::size_t i = 0; i < 6; ++i)
            for (std::size_t j = i + 1; j < 6; ++j)
                if (read[i] == read[j]) {
                    problems.push_back(std::string(section) + "." + keyNames[j] + " = " + std::to_string(read[j])
                                       + " is " + keyNames[i] + "'s key too; the six defaults stand in");
                    return;
                }
        codes = read;
    }

    // Whatever the file holds that this game does not know.
    void unknown(const std::vector<std::pair<std::string, std::vector<std::string>>>& known)
    {
        for (const auto& [section, node] : table) {
            const std::string sectionName(section.str());
            const auto found = std::find_if(known.begin(), known.end(),
                                            [&sectionName](const auto& entry) { return entry.first == sectionName; });
            if (found == known.end() || !node.is_table()) {
                problems.push_back("unknown " + sectionName);
                continue;
            }
            for (const auto& [key, value] : *node.as_table()) {
                (void)value;
                const std::string keyName(key.str());
                if (std::find(found->second.begin(), found->second.end(), keyName) == found->second.end())
                    problems.push_back("unknown " + sectionName + "." + keyName);
            }
        }
    }

private:
    static std::string name(const char* section, const char* key) { return std::string(section) + "." + key; }

    const toml::node* find(const char* section, const char* key) const
    {
        const toml::node* group = table.get(section);
        if (group == nullptr || !group->is_table())
            return nullptr;
        return group->as_table()->get(key);
    }

    const toml::table& table;
    std::vector<std::string>& problems;
};

std::string joined(const std::vector<std::string>& parts)
{
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty())
            text += "; ";
        text += part;
    }
    return text;
}

}  // namespace

Preferences PreferencesFile::parse(std::string_view text, std::string& problems)
{
    Preferences preferences;
    const toml::parse_result result = toml::parse(text);
    if (!result) {
        const auto& where = result.error().source().begin;
        problems =
            "not TOML (line " + std::to_string(where.line) + ": " + std::string(result.error().description()) + ")";
        return preferences;
    }
    std::vector<std::string> found;
    Reader read(result.table(), found);
    read.flag("display", "fullscreen", preferences.fullscreen);
    read.flag("display", "integer_scaling", preferences.integerScaling);
    read.number("display", "window_width", Preferences::MinWidth, 16384, preferences.windowWidth);
    read.number("display", "window_height", Preferences::MinHeight, 16384, preferences.windowHeight);
    read.numberOrNone("display", "window_x", -32768, 32767, preferences.windowX);
    read.numberOrNone("display", "window_y", -32768, 32767, preferences.windowY);
    read.number("sound", "music_volume", 0, Preferences::MaxVolume, preferences.musicVolume);
    read.number("sound", "effects_volume", 0, Preferences::MaxVolume, preferences.effectsVolume);
    read.flag("sound", "muted", preferences.muted);
    read.flag("play", "pause_when_inactive", preferences.pauseWhenInactive);
    read.flag("play", "fast_key_repeat", preferences.fastKeyRepeat);
    read.difficulty("play", "difficulty", preferences.difficulty);
    read.number("play", "level", 1, 20, preferences.level);
    int opponent = preferences.versusComputer ? 1 : 0;
    read.choice("versus", "opponent", OpponentNames, opponent);
    preferences.versusComputer = opponent == 1;
    read.number("versus", "strength", 1, 3, preferences.versusStrength);
    read.number("versus", "level_one", 1, 20, preferences.versusLevelOne);
    read.number("versus", "level_two", 1, 20, preferences.versusLevelTwo);
    read.choice("versus", "speed", SpeedNames, preferences.versusSpeed);
    read.number("versus", "rounds", 1, 5, preferences.versusRounds);
    read.keys("player_two", PlayerTwoKeyNames, preferences.playerTwoKeys);
    read.unknown(
        {{"display", {"fullscreen", "integer_scaling", "window_width", "window_height", "window_x", "window_y"}},
         {"sound", {"music_volume", "effects_volume", "muted"}},
         {"play", {"pause_when_inactive", "fast_key_repeat", "difficulty", "level"}},
         {"versus", {"opponent", "strength", "level_one", "level_two", "speed", "rounds"}},
         {"player_two", {"move_left", "move_right", "turn_left", "turn_right", "drop", "pause"}}});
    problems = joined(found);
    return preferences;
}

std::string PreferencesFile::text(const Preferences& p)
{
    const auto flag = [](bool value) { return value ? "true" : "false"; };
    std::ostringstream out;
    out << "# Quindel's preferences, written by the game when one of them changes.\n"
        << "\n[display]\n"
        << "fullscreen = " << flag(p.fullscreen) << '\n'
        << "integer_scaling = " << flag(p.integerScaling) << '\n'
        << "window_width = " << p.windowWidth << '\n'
        << "window_height = " << p.windowHeight << '\n';
    if (p.windowX)
        out << "window_x = " << *p.windowX << '\n';
    if (p.windowY)
        out << "window_y = " << *p.windowY << '\n';
    out << "\n[sound]\n"
        << "music_volume = " << p.musicVolume << '\n'
        << "effects_volume = " << p.effectsVolume << '\n'
        << "muted = " << flag(p.muted) << '\n'
        << "\n[play]\n"
        << "pause_when_inactive = " << flag(p.pauseWhenInactive) << '\n'
        << "fast_key_repeat = " << flag(p.fastKeyRepeat) << '\n'
        << "difficulty = \"" << DifficultyNames[p.difficulty >= 0 && p.difficulty < 3 ? p.difficulty : 1] << "\"\n"
        << "level = " << p.level << '\n'
        << "\n[versus]\n"
        << "opponent = \"" << OpponentNames[p.versusComputer ? 1 : 0] << "\"\n"
        << "strength = " << p.versusStrength << '\n'
        << "level_one = " << p.versusLevelOne << '\n'
        << "level_two = " << p.versusLevelTwo << '\n'
        << "speed = \"" << SpeedNames[p.versusSpeed >= 0 && p.versusSpeed < 3 ? p.versusSpeed : 1] << "\"\n"
        << "rounds = " << p.versusRounds << '\n'
        << "\n[player_two]\n"
        << "# Virtual-key codes: 65 to 90 are A to Z, 32 space, 37 to 40 the arrows.\n";
    for (std::size_t i = 0; i < 6; ++i)
        out << PlayerTwoKeyNames[i] << " = " << p.playerTwoKeys[i] << '\n';
    return out.str();
}

Preferences PreferencesFile::load()
{
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (error || status.type() == std::filesystem::file_type::not_found) {
        onDisk = Preferences{};
        return onDisk;
    }
    std::string problems;
    Preferences preferences;
    if (status.type() != std::filesystem::file_type::regular) {
        problems = status.type() == std::filesystem::file_type::directory ? "it is a folder" : "it is not a file";
    } else if (std::filesystem::file_size(file, error) > LargestFile) {
        problems = "it is larger than a preferences file can be";
    } else {
        std::ifstream in(file, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (!in && !in.eof())
            problems = "it cannot be read";
        else
            preferences = parse(text, problems);
    }
    if (!problems.empty())
        errors << "quindel: " << nameOf(file) << ": " << problems << "; the defaults stand in" << std::endl;
    onDisk = preferences;
    return preferences;
}

bool PreferencesFile::save(const Preferences& preferences)
{
    if (preferences == onDisk)
        return true;
    // A file the player made read-only stays as it is, though the folder
    // would let a new one take its place.
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    const bool readOnly = !error && std::filesystem::is_regular_file(status)
        && (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
    // A crash between the two steps leaves the old file or the new one,
    // never half of one.
    std::filesystem::path temporary = file;
    temporary += ".new";
    bool written = false;
    if (!readOnly) {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text(preferences);
        out.flush();
        written = static_cast<bool>(out);
    }
    if (written)
        std::filesystem::rename(temporary, file, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        if (!saveFailed)
            errors << "quindel: cannot write " << nameOf(file) << ": preferences will not be kept" << std::endl;
        saveFailed = true;
        return false;
    }
    onDisk = preferences;
    return true;
}

}  // namespace quindel
