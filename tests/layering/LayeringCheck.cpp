// Holds every room of src/ to the arrows docs/layering.txt allows: reads each
// file's #include lines and names every one that reaches a room, or an
// outside library, its room may not use.
//
//   layering_check RULES SRC
//
// Exit status 0 when every include is allowed, 1 with one line per refused
// include, 2 when the rules or the tree cannot be read.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Room final {
    std::set<std::string> rooms;
    std::set<std::string> headers;
};

struct Rules final {
    std::vector<std::string> watched;
    std::map<std::string, Room> rooms;
};

std::vector<std::string> words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

bool readRules(const fs::path& file, Rules& rules, std::string& error)
{
    std::ifstream in(file);
    if (!in) {
        error = "cannot read " + file.string();
        return false;
    }
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        line = line.substr(0, line.find('#'));
        if (words(line).empty())
            continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) {
            error = file.string() + ":" + std::to_string(number) + ": no ':' in \"" + line + "\"";
            return false;
        }
        const auto key = words(line.substr(0, colon));
        if (key.size() != 1) {
            error = file.string() + ":" + std::to_string(number) + ": one name before ':'";
            return false;
        }
        const std::string rest = line.substr(colon + 1);
        if (key[0] == "watch") {
            rules.watched = words(rest);
            continue;
        }
        const std::size_t bar = rest.find('|');
        Room room;
        for (const auto& name : words(rest.substr(0, bar)))
            room.rooms.insert(name);
        if (bar != std::string::npos)
            for (const auto& name : words(rest.substr(bar + 1)))
                room.headers.insert(name);
        rules.rooms[key[0]] = room;
    }
    return true;
}

// The watched prefix an outside header starts with ("SDL_mixer.h" is
// SDL_mixer's, "imgui_internal.h" imgui's), or empty when it is not watched.
std::string watchedPrefix(const std::string& header, const std::vector<std::string>& watched)
{
    std::string best;
    for (const auto& prefix : watched)
        if (header.rfind(prefix, 0) == 0 && prefix.size() > best.size())
            best = prefix;
    return best;
}

bool headerAllowed(const std::string& header, const Room& room, const std::vector<std::string>& watched)
{
    if (watchedPrefix(header, watched).empty())
        return true;
    return std::any_of(room.headers.begin(), room.headers.end(),
                       [&header](const std::string& allowed) { return header.rfind(allowed, 0) == 0; });
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: layering_check RULES SRC\n";
        return 2;
    }
    Rules rules;
    std::string error;
    if (!readRules(argv[1], rules, error)) {
        std::cerr << "layering: " << error << '\n';
        return 2;
    }
    const fs::path source = argv[2];
    if (!fs::is_directory(source)) {
        std::cerr << "layering: no folder " << source << '\n';
        return 2;
    }
    const std::regex include(R"re(^\s*#\s*include\s*([<"])([^>"]+)[>"])re");
    std::vector<std::string> refused;
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(source))
        if (entry.is_regular_file()
            && (entry.path().extension() == ".h" || entry.path().extension() == ".cpp"))
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        const fs::path relative = fs::relative(file, source);
        const std::string roomName = relative.begin()->string();
        const auto room = rules.rooms.find(roomName);
        if (room == rules.rooms.end()) {
            refused.push_back(relative.string() + ": room '" + roomName + "' is not in the list");
            continue;
        }
        std::ifstream in(file);
        int number = 0;
        for (std::string line; std::getline(in, line);) {
            ++number;
            std::smatch match;
            if (!std::regex_search(line, match, include))
                continue;
            const std::string target = match[2];
            const std::string where = relative.string() + ":" + std::to_string(number) + ": ";
            if (match[1] == "<") {
                if (!headerAllowed(target, room->second, rules.watched))
                    refused.push_back(where + roomName + " may not include <" + target + ">");
                continue;
            }
            const std::size_t slash = target.find('/');
            if (slash == std::string::npos) {
                refused.push_back(where + "\"" + target + "\" names no room; write \"" + roomName + "/" + target
                                  + "\"");
                continue;
            }
            const std::string targetRoom = target.substr(0, slash);
            if (targetRoom != roomName && room->second.rooms.count(targetRoom) == 0)
                refused.push_back(where + roomName + " may not include \"" + target + "\" (" + roomName + " -> "
                                  + targetRoom + " is not an arrow of the list)");
        }
    }
    for (const auto& line : refused)
        std::cerr << "layering: " << line << '\n';
    if (!refused.empty()) {
        std::cerr << "layering: " << refused.size() << " include(s) against docs/layering.txt\n";
        return 1;
    }
    std::cout << "layering: " << files.size() << " files, every include allowed\n";
    return 0;
}
