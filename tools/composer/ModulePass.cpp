#include "ModulePass.h"

#include <set>
#include <string>
#include <utility>

namespace quindel::composer {

namespace {

constexpr std::size_t HeaderBytes = 1084;
constexpr std::size_t PatternBytes = 64 * 4 * 4;
constexpr int MaterialChannels = 3;

struct Cell {
    int sample = 0;
    int period = 0;
    int effect = 0;
    int param = 0;
};

Cell cellAt(std::span<const std::uint8_t> module, int pattern, int row, int channel)
{
    const std::size_t at = HeaderBytes + static_cast<std::size_t>(pattern) * PatternBytes
        + static_cast<std::size_t>(row * 16 + channel * 4);
    const std::uint8_t* b = module.data() + at;
    return Cell{(b[0] & 0xF0) | (b[2] >> 4), ((b[0] & 0x0F) << 8) | b[1], b[2] & 0x0F, b[3]};
}

bool isFlow(int effect)
{
    // Jumps, breaks and tempo say where and how fast to play, not what.
    return effect == 0xB || effect == 0xD || effect == 0xF;
}

}  // namespace

std::optional<ModulePass> ModulePass::walk(std::span<const std::uint8_t> module)
{
    if (module.size() < HeaderBytes || std::string(module.begin() + 1080, module.begin() + 1084) != "M.K.")
        return std::nullopt;
    const int length = module[950];
    if (length < 1 || length > 128)
        return std::nullopt;
    int patterns = 0;
    for (int o = 0; o < 128; ++o)
        patterns = std::max(patterns, module[952 + static_cast<std::size_t>(o)] + 1);
    if (module.size() < HeaderBytes + static_cast<std::size_t>(patterns) * PatternBytes)
        return std::nullopt;

    ModulePass pass;
    std::set<std::pair<int, int>> played;
    std::set<std::string> heard;
    std::string bar;
    double barSeconds = 0.0;
    auto closeBar = [&]() {
        if (bar.empty())
            return;
        ++pass.bars;
        if (heard.insert(bar).second) {
            ++pass.distinctBars;
            pass.distinctSeconds += barSeconds;
        }
        bar.clear();
        barSeconds = 0.0;
    };
    int speed = 6;
    int tempo = 125;
    int order = 0;
    int row = 0;
    while (order < length && played.insert({order, row}).second) {
        const int pattern = module[952 + static_cast<std::size_t>(order)];
        int jumpTo = -1;
        int breakTo = -1;
        if (row % 16 == 0)
            closeBar();
        for (int channel = 0; channel < 4; ++channel) {
            const Cell c = cellAt(module, pattern, row, channel);
            if (c.effect == 0xF && c.param > 0) {
                if (c.param < 32)
                    speed = c.param;
                else
                    tempo = c.param;
            } else if (c.effect == 0xB) {
                jumpTo = c.param;
            } else if (c.effect == 0xD) {
                breakTo = (c.param >> 4) * 10 + (c.param & 0x0F);
            }
            if (channel < MaterialChannels) {
                bar += std::to_string(c.period) + ':' + std::to_string(c.sample) + ':'
                    + (isFlow(c.effect) ? std::string("0") : std::to_string(c.effect * 256 + c.param)) + ' ';
            }
        }
        bar += '|';
        const double rowSeconds = speed * 2.5 / tempo;
        pass.seconds += rowSeconds;
        barSeconds += rowSeconds;
        if (jumpTo >= 0 || breakTo >= 0) {
            order = jumpTo >= 0 ? jumpTo : order + 1;
            row = breakTo >= 0 && breakTo < 64 ? breakTo : 0;
        } else if (++row == 64) {
            row = 0;
            ++order;
        }
    }
    closeBar();
    return pass;
}

}  // namespace quindel::composer
