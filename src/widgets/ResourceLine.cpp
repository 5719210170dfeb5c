#include "widgets/ResourceLine.h"

#include <charconv>

namespace quindel {

ResourceLine::ResourceLine(std::string_view line)
{
    std::size_t at = 0;
    while (at < line.size()) {
        const char c = line[at];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++at;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            const std::size_t end = line.find('"', at + 1);
            const std::size_t stop = end == std::string_view::npos ? line.size() : end;
            words.emplace_back(line.substr(at + 1, stop - at - 1));
            at = stop + 1;
        } else {
            std::size_t end = at;
            while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r')
                ++end;
            words.emplace_back(line.substr(at, end - at));
            at = end;
        }
    }
}

int ResourceLine::number(std::size_t index, int fallback) const
{
    if (index >= words.size())
        return fallback;
    const std::string& word = words[index];
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc{} && end == word.data() + word.size() ? value : fallback;
}

std::vector<ResourceLine> ResourceLine::splitText(std::string_view text)
{
    std::vector<ResourceLine> lines;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        lines.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

}  // namespace quindel
