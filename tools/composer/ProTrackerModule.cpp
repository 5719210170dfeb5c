#include "ProTrackerModule.h"

#include <stdexcept>

namespace quindel::composer {

namespace {

constexpr int Periods[36] = {
    856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453, 428, 404, 381, 360, 339, 320,
    302, 285, 269, 254, 240, 226, 214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113,
};

void putText(std::vector<std::uint8_t>& out, const std::string& text, std::size_t width)
{
    for (std::size_t i = 0; i < width; ++i)
        out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

void putWord(std::vector<std::uint8_t>& out, std::size_t bytes)
{
    const std::size_t words = bytes / 2;
    out.push_back(static_cast<std::uint8_t>(words >> 8));
    out.push_back(static_cast<std::uint8_t>(words & 0xFF));
}

}  // namespace

int ProTrackerModule::period(int note)
{
    if (note < 1 || note > 36)
        throw std::out_of_range("note outside C-1..B-3: " + std::to_string(note));
    return Periods[note - 1];
}

int ProTrackerModule::addSample(ModSample sample)
{
    if (sampleList.size() >= 31)
        throw std::length_error("a module holds at most 31 samples");
    // Sample lengths are stored in words and a one-shot sample's first word
    // is what a player repeats when it ends, so it is kept silent.
    if (sample.data.size() % 2 != 0)
        sample.data.push_back(0);
    if (sample.data.size() > 2 * 65535)
        throw std::length_error("sample too long: " + sample.name);
    sampleList.push_back(std::move(sample));
    return static_cast<int>(sampleList.size());
}

int ProTrackerModule::addPattern()
{
    patternList.push_back(Pattern{});
    return static_cast<int>(patternList.size()) - 1;
}

ModCell& ProTrackerModule::cell(int pattern, int row, int channel)
{
    return patternList.at(static_cast<std::size_t>(pattern)).at(static_cast<std::size_t>(row * Channels + channel));
}

void ProTrackerModule::appendOrder(int pattern)
{
    if (orderList.size() >= 128)
        throw std::length_error("order list full");
    orderList.push_back(pattern);
}

std::vector<std::uint8_t> ProTrackerModule::bytes() const
{
    std::vector<std::uint8_t> out;
    putText(out, songTitle, 20);
    for (std::size_t i = 0; i < 31; ++i) {
        if (i >= sampleList.size()) {
            putText(out, "", 22);
            out.insert(out.end(), {0, 0, 0, 0, 0, 0, 0, 1});
            continue;
        }
        const ModSample& s = sampleList[i];
        putText(out, s.name, 22);
        putWord(out, s.data.size());
        out.push_back(0);  // finetune
        out.push_back(static_cast<std::uint8_t>(s.volume));
        if (s.loopLength == 0) {
            putWord(out, 0);
            putWord(out, 2);
        } else {
            putWord(out, s.loopStart);
            putWord(out, s.loopLength);
        }
    }
    out.push_back(static_cast<std::uint8_t>(orderList.size()));
    out.push_back(127);
    for (std::size_t i = 0; i < 128; ++i)
        out.push_back(i < orderList.size() ? static_cast<std::uint8_t>(orderList[i]) : 0);
    putText(out, "M.K.", 4);
    for (const Pattern& pattern : patternList) {
        for (const ModCell& c : pattern) {
            const int p = c.note == 0 ? 0 : period(c.note);
            out.push_back(static_cast<std::uint8_t>((c.sample & 0xF0) | (p >> 8)));
            out.push_back(static_cast<std::uint8_t>(p & 0xFF));
            out.push_back(static_cast<std::uint8_t>(((c.sample & 0x0F) << 4) | (c.effect & 0x0F)));
            out.push_back(static_cast<std::uint8_t>(c.param));
        }
    }
    for (const ModSample& s : sampleList)
        for (std::int8_t v : s.data)
            out.push_back(static_cast<std::uint8_t>(v));
    return out;
}

}  // namespace quindel::composer
