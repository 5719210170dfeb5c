#include "script/ScriptCommand.h"

#include <array>
#include <limits>
#include <string>
#include <utility>

namespace quindel {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Splits off the first word; the rest keeps its inner spaces.
std::pair<std::string_view, std::string_view> firstWord(std::string_view text)
{
    std::size_t end = 0;
    while (end < text.size() && !isSpace(text[end]))
        ++end;
    return {text.substr(0, end), trim(text.substr(end))};
}

// Unsigned decimal digits only, within the limit.
std::optional<std::uint64_t> readNumber(std::string_view word, std::uint64_t limit)
{
    if (word.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (limit - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Two hexadecimal digits a byte, either case, nothing between them.
std::optional<std::string> readHex(std::string_view word)
{
    if (word.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < word.size(); i += 2) {
        const int high = hexDigit(word[i]);
        const int low = hexDigit(word[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

// The colours a capsule half can have: white, blue and green.
std::optional<std::uint64_t> readColour(std::string_view word)
{
    const auto code = readNumber(word, 203);
    if (!code || *code < 201)
        return std::nullopt;
    return code;
}

ScriptCommand::Parsed failure(std::string reason)
{
    return ScriptCommand::Parsed{std::nullopt, std::move(reason)};
}

ScriptCommand::Parsed success(ScriptCommand command)
{
    return ScriptCommand::Parsed{std::move(command), {}};
}

struct NumberCommand final {
    std::string_view word;
    ScriptCommand::Kind kind;
    std::uint64_t limit;
};

constexpr std::uint64_t Max32 = std::numeric_limits<std::uint32_t>::max();
constexpr std::array<NumberCommand, 4> NumberCommands{{
    {"time", ScriptCommand::Kind::Time, static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())},
    {"key", ScriptCommand::Kind::Key, Max32},
    {"menu", ScriptCommand::Kind::Menu, Max32},
    {"wait", ScriptCommand::Kind::Wait, Max32},
}};

struct BareCommand final {
    std::string_view word;
    ScriptCommand::Kind kind;
};

constexpr std::array<BareCommand, 4> BareCommands{{
    {"dump", ScriptCommand::Kind::Dump},
    {"board", ScriptCommand::Kind::Board},
    {"hof", ScriptCommand::Kind::Hof},
    {"keys", ScriptCommand::Kind::Keys},
}};

}  // namespace

ScriptCommand::Parsed ScriptCommand::parse(std::string_view line)
{
    const std::string_view content = trim(line);
    if (content.empty() || content.front() == '#')
        return success(ScriptCommand{});
    const auto [word, rest] = firstWord(content);

    for (const NumberCommand& candidate : NumberCommands) {
        if (word != candidate.word)
            continue;
        const auto [argument, extra] = firstWord(rest);
        if (argument.empty())
            return failure("missing number");
        if (!extra.empty())
            return failure("unexpected words after the number");
        const auto value = readNumber(argument, candidate.limit);
        if (!value)
            return failure("malformed number");
        return success(ScriptCommand{candidate.kind, *value, std::nullopt});
    }
    for (const BareCommand& candidate : BareCommands) {
        if (word != candidate.word)
            continue;
        if (!rest.empty())
            return failure("unexpected words after the command");
        return success(ScriptCommand{candidate.kind, 0, std::nullopt});
    }
    if (word == "shot") {
        if (rest.empty())
            return failure("missing file name");
        return success(ScriptCommand{Kind::Shot, 0, std::string(rest)});
    }
    if (word == "highscore" || word == "settings") {
        const bool highscore = word == "highscore";
        const std::size_t size = highscore ? HighscoreBytes : SettingsBytes;
        const auto [argument, extra] = firstWord(rest);
        if (!extra.empty())
            return failure("unexpected words after the bytes");
        const auto bytes = readHex(argument);
        if (!bytes || bytes->size() != size)
            return failure("expected " + std::to_string(2 * size) + " hexadecimal digits, the " + std::to_string(size)
                           + " bytes of " + (highscore ? "highscore.dat" : "settings.dat"));
        return success(ScriptCommand{highscore ? Kind::Highscore : Kind::Settings, 0, *bytes});
    }
    if (word == "preview") {
        const auto [firstArgument, afterFirst] = firstWord(rest);
        const auto [secondArgument, extra] = firstWord(afterFirst);
        if (!extra.empty())
            return failure("unexpected words after the colours");
        const auto first = readColour(firstArgument);
        const auto second = readColour(secondArgument);
        if (!first || !second)
            return failure("expected two colour codes, each 201, 202 or 203");
        ScriptCommand command{Kind::Preview, *first, std::nullopt};
        command.second = *second;
        return success(std::move(command));
    }
    if (word == "dialog-hex") {
        // A value as bytes: one that begins or ends with a space, or is
        // empty, which `dialog ID VALUE` cannot carry.
        const auto [argument, valueRest] = firstWord(rest);
        const auto [hex, extra] = firstWord(valueRest);
        if (argument.empty())
            return failure("missing control id");
        const auto id = readNumber(argument, static_cast<std::uint64_t>(std::numeric_limits<int>::max()));
        if (!id)
            return failure("malformed control id");
        if (!extra.empty())
            return failure("unexpected words after the bytes");
        const auto bytes = readHex(hex);
        if (!bytes)
            return failure("malformed hexadecimal bytes");
        return success(ScriptCommand{Kind::Dialog, *id, *bytes});
    }
    if (word == "dialog") {
        const auto [argument, value] = firstWord(rest);
        if (argument.empty())
            return failure("missing control id");
        const auto id = readNumber(argument, static_cast<std::uint64_t>(std::numeric_limits<int>::max()));
        if (!id)
            return failure("malformed control id");
        ScriptCommand command{Kind::Dialog, *id, std::nullopt};
        if (!value.empty())
            command.text = std::string(value);
        return success(std::move(command));
    }
    return failure("unknown command");
}

}  // namespace quindel
