#include "store/VirtualKeys.h"

#include <array>

#include "base/Ascii.h"
#include "store/KeySlot.h"

namespace quindel {

namespace {

constexpr std::int16_t ShiftState = 0x100;
constexpr std::int16_t NoKey = -1;

// The punctuation keys of the US layout: the unshifted character, the shifted
// one and the key's virtual-key code (the VK_OEM_ set and the digit row).
struct PunctuationKey final {
    char plain = 0;
    char shifted = 0;
    std::int16_t code = 0;
};

constexpr std::array<PunctuationKey, 21> PunctuationKeys{{
    {'1', '!', 0x31},  {'2', '@', 0x32}, {'3', '#', 0x33},  {'4', '$', 0x34}, {'5', '%', 0x35}, {'6', '^', 0x36},
    {'7', '&', 0x37},  {'8', '*', 0x38}, {'9', '(', 0x39},  {'0', ')', 0x30}, {';', ':', 0xBA}, {'=', '+', 0xBB},
    {',', '<', 0xBC},  {'-', '_', 0xBD}, {'.', '>', 0xBE},  {'/', '?', 0xBF}, {'`', '~', 0xC0}, {'[', '{', 0xDB},
    {'\\', '|', 0xDC}, {']', '}', 0xDD}, {'\'', '"', 0xDE},
}};

}  // namespace

std::int16_t vkKeyScan(char character)
{
    // Through unsigned char: the upper half of the ANSI code page is negative
    // as a plain char here, and no key of the layout types any of it.
    const auto c = static_cast<unsigned char>(character);
    if (c >= 'a' && c <= 'z')
        return static_cast<std::int16_t>(ascii::toUpper(static_cast<char>(c)));
    if (c >= 'A' && c <= 'Z')
        return static_cast<std::int16_t>(ShiftState | c);
    switch (c) {
    case ' ':
        return 0x20;
    case '\b':
        return 0x08;
    case '\t':
        return 0x09;
    case '\r':
        return 0x0D;
    default:
        break;
    }
    for (const PunctuationKey& key : PunctuationKeys) {
        if (c == static_cast<unsigned char>(key.plain))
            return key.code;
        if (c == static_cast<unsigned char>(key.shifted))
            return static_cast<std::int16_t>(ShiftState | key.code);
    }
    return NoKey;
}

std::string keyLabel(std::int32_t code)
{
    if (const auto name = keyNameOf(code))
        return std::string(*name);
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return std::string(1, static_cast<char>(code));
    if (code >= vk::F1 && code < vk::F1 + 12)
    {
        std::string label = "F";
        label += std::to_string(code - vk::F1 + 1);
        return label;
    }
    return {};
}

}  // namespace quindel
