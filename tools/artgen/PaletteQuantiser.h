#pragma once

#include <cstdint>
#include <vector>

#include "BmpWriter.h"
#include "Image.h"

namespace quindel::artgen {

// Reduces a picture to a palette by median cut. The colours that other
// pictures are copied onto (the box fills) are given as fixed entries and
// come out exact, so a sprite copied over the background shows no seam.
class PaletteQuantiser final {
public:
    struct Result final {
        std::vector<PaletteEntry> palette;
        std::vector<std::uint8_t> indices;
    };

    static Result quantise(const Image& image, int colours, const std::vector<PaletteEntry>& fixed);
};

}  // namespace quindel::artgen
