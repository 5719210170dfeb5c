#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <SDL.h>

namespace quindel {

// Scales the canvas into a rectangle of the window's pixels, a piece at a
// time. Every window pixel is worked out from the canvas alone, the same way
// whichever piece it is scaled with, so scaling only what changed gives
// exactly the pixels that scaling everything would.
//
// Smooth scaling blends the two nearest canvas pixels each way (bilinear,
// pixel centres on pixel centres, edges held), so one changed canvas pixel
// reaches every window pixel within a canvas pixel of it. Without smoothing
// (a whole factor both ways) each canvas pixel becomes a square.
class CanvasScaler final {
public:
    CanvasScaler() = default;
    // source: the canvas's size; placement: where the whole of it goes.
    CanvasScaler(int sourceWidth, int sourceHeight, const SDL_Rect& placement, bool smooth);

    const SDL_Rect& placement() const { return target; }
    // The window pixels a change of the canvas's area reaches; empty (zero
    // width) when it reaches none.
    SDL_Rect reach(const SDL_Rect& sourceArea) const;
    // Writes the window pixels of area that lie in the placement and on the
    // picture, from the canvas. Both are 32-bit with red, green and blue in
    // the same places; a picture with alpha gets opaque pixels.
    void scale(const SDL_Surface& source, SDL_Surface& picture, const SDL_Rect& area);

private:
    // For each window column (or row) of the placement: the first of the
    // canvas pixels it blends and the weight of the second, out of 256.
    struct Axis final {
        std::vector<int> first;
        std::vector<std::uint32_t> weight;

        void build(int source, int shown, bool smooth);
        // The window pixels in [begin, end) whose canvas pixels meet [from, to).
        void reach(int from, int to, int& begin, int& end) const;
    };

    // Canvas row `row`, blended across the columns [begin, end) of the
    // placement.
    void blendRow(const SDL_Surface& source, int row, int begin, int end, std::uint32_t* out) const;

    // The weights of a column's two canvas pixels, once for each channel.
    struct alignas(16) PairWeights final {
        std::array<std::uint16_t, 8> weights;
    };

    SDL_Rect target{0, 0, 0, 0};
    bool smoothFilter = false;
    Axis columns;
    Axis rows;
    std::vector<PairWeights> columnWeights;
    // Two canvas rows scaled across, each reused by the window rows between
    // them.
    std::vector<std::uint32_t> scaledRows[2];
};

}  // namespace quindel
