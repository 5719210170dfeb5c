#include "PaletteQuantiser.h"

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_map>

namespace quindel::artgen {

namespace {

struct Swatch final {
    std::array<int, 3> c{};
    std::uint32_t count = 0;
};

struct Bucket final {
    std::vector<Swatch> swatches;
    double error = 0.0;  // weighted squared distance to the mean
    int axis = 0;

    void measure()
    {
        std::array<double, 3> sum{};
        std::array<double, 3> sum2{};
        double n = 0.0;
        for (const Swatch& s : swatches) {
            for (int k = 0; k < 3; ++k) {
                sum[k] += static_cast<double>(s.c[k]) * s.count;
                sum2[k] += static_cast<double>(s.c[k]) * s.c[k] * s.count;
            }
            n += s.count;
        }
        error = 0.0;
        double widest = -1.0;
        for (int k = 0; k < 3; ++k) {
            const double var = n > 0.0 ? sum2[k] - sum[k] * sum[k] / n : 0.0;
            error += var;
            if (var > widest) {
                widest = var;
                axis = k;
            }
        }
    }

    PaletteEntry mean() const
    {
        std::array<double, 3> sum{};
        double n = 0.0;
        for (const Swatch& s : swatches) {
            for (int k = 0; k < 3; ++k)
                sum[k] += static_cast<double>(s.c[k]) * s.count;
            n += s.count;
        }
        auto at = [&](int k) { return static_cast<std::uint8_t>(std::clamp(sum[k] / n + 0.5, 0.0, 255.0)); };
        return PaletteEntry{at(0), at(1), at(2)};
    }
};

std::uint32_t pack(int r, int g, int b)
{
    return static_cast<std::uint32_t>(r << 16 | g << 8 | b);
}

}  // namespace

PaletteQuantiser::Result PaletteQuantiser::quantise(const Image& image, int colours,
                                                    const std::vector<PaletteEntry>& fixed)
{
    std::unordered_map<std::uint32_t, std::uint32_t> histogram;
    std::unordered_map<std::uint32_t, std::uint8_t> fixedIndex;
    for (std::size_t i = 0; i < fixed.size(); ++i)
        fixedIndex[pack(fixed[i].r, fixed[i].g, fixed[i].b)] = static_cast<std::uint8_t>(i);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t key = pack(image.channel(x, y, 0), image.channel(x, y, 1), image.channel(x, y, 2));
            if (!fixedIndex.contains(key))
                ++histogram[key];
        }
    }

    Result result;
    result.palette = fixed;
    const int free = colours - static_cast<int>(fixed.size());
    if (!histogram.empty() && free > 0) {
        std::vector<Bucket> buckets(1);
        for (const auto& [key, count] : histogram) {
            buckets[0].swatches.push_back(Swatch{
                {static_cast<int>(key >> 16), static_cast<int>(key >> 8 & 0xFF), static_cast<int>(key & 0xFF)}, count});
        }
        buckets[0].measure();
        while (static_cast<int>(buckets.size()) < free) {
            // Split where the most error is, so large smooth gradients get many steps.
            auto worst = std::max_element(buckets.begin(), buckets.end(),
                                          [](const Bucket& a, const Bucket& b) { return a.error < b.error; });
            if (worst->swatches.size() < 2 || worst->error <= 0.0)
                break;
            const int axis = worst->axis;
            std::sort(worst->swatches.begin(), worst->swatches.end(),
                      [axis](const Swatch& a, const Swatch& b) { return a.c[axis] < b.c[axis]; });
            std::uint64_t total = 0;
            for (const Swatch& s : worst->swatches)
                total += s.count;
            std::uint64_t running = 0;
            std::size_t cut = 1;
            for (; cut < worst->swatches.size(); ++cut) {
                running += worst->swatches[cut - 1].count;
                if (running * 2 >= total)
                    break;
            }
            cut = std::clamp<std::size_t>(cut, 1, worst->swatches.size() - 1);
            Bucket upper;
            upper.swatches.assign(worst->swatches.begin() + static_cast<std::ptrdiff_t>(cut), worst->swatches.end());
            worst->swatches.resize(cut);
            worst->measure();
            upper.measure();
            buckets.push_back(std::move(upper));
        }
        for (const Bucket& b : buckets)
            result.palette.push_back(b.mean());
    }

    std::unordered_map<std::uint32_t, std::uint8_t> nearest;
    result.indices.resize(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int r = image.channel(x, y, 0);
            const int g = image.channel(x, y, 1);
            const int b = image.channel(x, y, 2);
            const std::uint32_t key = pack(r, g, b);
            std::uint8_t chosen = 0;
            if (auto f = fixedIndex.find(key); f != fixedIndex.end()) {
                chosen = f->second;
            } else if (auto n = nearest.find(key); n != nearest.end()) {
                chosen = n->second;
            } else {
                int best = std::numeric_limits<int>::max();
                // Every entry may serve: a near miss landing on a box fill is harmless.
                const std::size_t first = 0;
                for (std::size_t i = first; i < result.palette.size(); ++i) {
                    const PaletteEntry& e = result.palette[i];
                    const int d = (e.r - r) * (e.r - r) * 3 + (e.g - g) * (e.g - g) * 4 + (e.b - b) * (e.b - b) * 2;
                    if (d < best) {
                        best = d;
                        chosen = static_cast<std::uint8_t>(i);
                    }
                }
                nearest[key] = chosen;
            }
            result.indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width())
                           + static_cast<std::size_t>(x)] = chosen;
        }
    }
    return result;
}

}  // namespace quindel::artgen
