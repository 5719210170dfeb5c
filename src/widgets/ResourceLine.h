#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quindel {

// One line of a menu or dialog resource file, split into words; a quoted
// word keeps its spaces. Comments (#) and blank lines give no words.
class ResourceLine final {
public:
    explicit ResourceLine(std::string_view line);

    bool empty() const { return words.empty(); }
    std::size_t size() const { return words.size(); }
    const std::string& operator[](std::size_t index) const { return words[index]; }
    // The integer of a word, or fallback when it is not one.
    int number(std::size_t index, int fallback = 0) const;

    // Splits a resource text into its lines.
    static std::vector<ResourceLine> splitText(std::string_view text);

private:
    std::vector<std::string> words;
};

}  // namespace quindel
