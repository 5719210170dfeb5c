#include "sdl/CanvasScaler.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quindel {

namespace {

// a and b mixed with b's weight out of 256, every channel on its own. Red
// and blue share one multiplication: their products cannot reach each other.
inline std::uint32_t mix(std::uint32_t a, std::uint32_t b, std::uint32_t weight)
{
    const std::uint32_t keep = 256 - weight;
    const std::uint32_t redBlue = (((a & 0xFF00FFu) * keep + (b & 0xFF00FFu) * weight) >> 8) & 0xFF00FFu;
    const std::uint32_t green = (((a & 0x00FF00u) * keep + (b & 0x00FF00u) * weight) >> 8) & 0x00FF00u;
    return redBlue | green;
}

// out = upper and lower mixed with the lower's weight, alpha added. The
// vector path computes the same sums per channel as mix().
void mixRows(const std::uint32_t* upper, const std::uint32_t* lower, std::uint32_t weight, std::uint32_t alpha,
             std::uint32_t* out, int count)
{
    int i = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    const __m128i lowerWeight = _mm_set1_epi16(static_cast<short>(weight));
    const __m128i upperWeight = _mm_set1_epi16(static_cast<short>(256 - weight));
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(alpha));
    for (; i + 4 <= count; i += 4) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(upper + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lower + i));
        const __m128i low = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(a, zero), upperWeight),
                                                         _mm_mullo_epi16(_mm_unpacklo_epi8(b, zero), lowerWeight)),
                                           8);
        const __m128i high = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(a, zero), upperWeight),
                                                          _mm_mullo_epi16(_mm_unpackhi_epi8(b, zero), lowerWeight)),
                                            8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_or_si128(_mm_packus_epi16(low, high), opaque));
    }
#endif
    for (; i < count; ++i)
        out[i] = mix(upper[i], lower[i], weight) | alpha;
}

void copyRow(const std::uint32_t* from, std::uint32_t alpha, std::uint32_t* out, int count)
{
    if (alpha == 0) {
        std::memcpy(out, from, static_cast<std::size_t>(count) * sizeof *out);
        return;
    }
    for (int i = 0; i < count; ++i)
        out[i] = from[i] | alpha;
}

std::uint32_t* rowOf(SDL_Surface& surface, int y)
{
    return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface.pixels)
                                            + static_cast<std::ptrdiff_t>(y) * surface.pitch);
}

const std::uint32_t* rowOf(const SDL_Surface& surface, int y)
{
    return reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(surface.pixels)
                                                  + static_cast<std::ptrdiff_t>(y) * surface.pitch);
}

}  // namespace

void CanvasScaler::Axis::build(int source, int shown, bool smooth)
{
    first.assign(static_cast<std::size_t>(shown), 0);
    weight.assign(static_cast<std::size_t>(shown), 0);
    for (int i = 0; i < shown; ++i) {
        auto& index = first[static_cast<std::size_t>(i)];
        if (!smooth || source < 2) {
            index = static_cast<int>(static_cast<std::int64_t>(i) * source / shown);
            continue;
        }
        // The centre of shown pixel i among the canvas pixels' centres, in
        // 1/65536 of a pixel.
        const std::int64_t at =
            (static_cast<std::int64_t>(2 * i + 1) * source * 65536) / (2 * static_cast<std::int64_t>(shown)) - 32768;
        if (at <= 0)
            continue;
        index = static_cast<int>(at >> 16);
        auto& second = weight[static_cast<std::size_t>(i)];
        second = static_cast<std::uint32_t>((at >> 8) & 0xFF);
        // Past the last centre the last pixel is held: all of the second
        // of the last two, so a blend never reads past the edge.
        if (index >= source - 1) {
            index = source - 2;
            second = 256;
        }
    }
}

void CanvasScaler::Axis::reach(int from, int to, int& begin, int& end) const
{
    // Both the first canvas pixel and the last one a shown pixel blends
    // grow with it, so each end is a binary search.
    const auto last = [this](std::size_t i) { return first[i] + (weight[i] > 0 ? 1 : 0); };
    std::size_t low = 0;
    std::size_t high = first.size();
    while (low < high) {
        const std::size_t middle = (low + high) / 2;
        if (last(middle) < from)
            low = middle + 1;
        else
            high = middle;
    }
    begin = static_cast<int>(low);
    end = static_cast<int>(std::lower_bound(first.begin(), first.end(), to) - first.begin());
}

CanvasScaler::CanvasScaler(int sourceWidth, int sourceHeight, const SDL_Rect& placement, bool smooth)
    : target(placement), smoothFilter(smooth)
{
    target.w = std::max(target.w, 0);
    target.h = std::max(target.h, 0);
    columns.build(sourceWidth, target.w, smooth);
    rows.build(sourceHeight, target.h, smooth);
    columnWeights.resize(columns.weight.size());
    for (std::size_t i = 0; i < columns.weight.size(); ++i) {
        const auto second = static_cast<std::uint16_t>(columns.weight[i]);
        const auto keep = static_cast<std::uint16_t>(256 - second);
        columnWeights[i] = PairWeights{{keep, keep, keep, keep, second, second, second, second}};
    }
}

SDL_Rect CanvasScaler::reach(const SDL_Rect& sourceArea) const
{
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    columns.reach(sourceArea.x, sourceArea.x + sourceArea.w, left, right);
    rows.reach(sourceArea.y, sourceArea.y + sourceArea.h, top, bottom);
    if (sourceArea.w <= 0 || sourceArea.h <= 0 || right <= left || bottom <= top)
        return SDL_Rect{target.x, target.y, 0, 0};
    return SDL_Rect{target.x + left, target.y + top, right - left, bottom - top};
}

void CanvasScaler::blendRow(const SDL_Surface& source, int row, int begin, int end, std::uint32_t* out) const
{
    const std::uint32_t* from = rowOf(source, row);
    const int* firsts = columns.first.data();
    if (!smoothFilter) {
        for (int i = begin; i < end; ++i)
            *out++ = from[firsts[i]];
        return;
    }
    const std::uint32_t* weights = columns.weight.data();
    int i = begin;
#ifdef __SSE2__
    // Two shown pixels at a time: each one's two canvas pixels widened to
    // 16 bits a channel, weighed, and the halves added: the sums of mix().
    const __m128i zero = _mm_setzero_si128();
    const __m128i colour = _mm_set1_epi32(0xFFFFFF);
    const auto* pairWeights = reinterpret_cast<const __m128i*>(columnWeights.data());
    for (; i + 2 <= end; i += 2) {
        const __m128i pairs =
            _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(from + firsts[i])),
                               _mm_loadl_epi64(reinterpret_cast<const __m128i*>(from + firsts[i + 1])));
        const __m128i left = _mm_mullo_epi16(_mm_unpacklo_epi8(pairs, zero), _mm_load_si128(pairWeights + i));
        const __m128i right = _mm_mullo_epi16(_mm_unpackhi_epi8(pairs, zero), _mm_load_si128(pairWeights + i + 1));
        const __m128i sums =
            _mm_srli_epi16(_mm_add_epi16(_mm_unpacklo_epi64(left, right), _mm_unpackhi_epi64(left, right)), 8);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_and_si128(_mm_packus_epi16(sums, sums), colour));
        out += 2;
    }
#endif
    for (; i < end; ++i) {
        const int x = firsts[i];
        *out++ = mix(from[x], from[x + 1], weights[i]);
    }
}

void CanvasScaler::scale(const SDL_Surface& source, SDL_Surface& picture, const SDL_Rect& area)
{
    const SDL_Rect whole{0, 0, picture.w, picture.h};
    SDL_Rect shown;
    SDL_Rect clipped;
    if (SDL_IntersectRect(&area, &target, &shown) != SDL_TRUE
        || SDL_IntersectRect(&shown, &whole, &clipped) != SDL_TRUE)
        return;
    const int begin = clipped.x - target.x;
    const int end = begin + clipped.w;
    const auto alpha = static_cast<std::uint32_t>(picture.format->Amask);
    // At its own size the canvas is copied row by row.
    const bool unscaled = !smoothFilter && target.w == source.w && target.h == source.h;
    for (std::vector<std::uint32_t>& scratch : scaledRows)
        scratch.resize(static_cast<std::size_t>(clipped.w));
    // Which canvas row each scratch row holds.
    int held[2] = {-1, -1};
    const auto fetch = [&](int row, int keep) {
        for (int slot = 0; slot < 2; ++slot)
            if (held[slot] == row)
                return slot;
        const int slot = held[0] == keep ? 1 : 0;
        blendRow(source, row, begin, end, scaledRows[slot].data());
        held[slot] = row;
        return slot;
    };
    for (int y = clipped.y; y < clipped.y + clipped.h; ++y) {
        const auto local = static_cast<std::size_t>(y - target.y);
        const int upper = rows.first[local];
        const std::uint32_t weight = rows.weight[local];
        const int lower = weight > 0 ? upper + 1 : upper;
        std::uint32_t* out = rowOf(picture, y) + clipped.x;
        if (unscaled) {
            copyRow(rowOf(source, upper) + begin, alpha, out, clipped.w);
            continue;
        }
        const int upperSlot = fetch(upper, lower);
        if (weight == 0) {
            copyRow(scaledRows[upperSlot].data(), alpha, out, clipped.w);
            continue;
        }
        const int lowerSlot = fetch(lower, upper);
        mixRows(scaledRows[upperSlot].data(), scaledRows[lowerSlot].data(), weight, alpha, out, clipped.w);
    }
}

}  // namespace quindel
