#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "Image.h"

namespace quindel::artgen {

struct PaletteEntry final {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

// Writes uncompressed Windows bitmaps, bottom-up, rows padded to 4 bytes.
class BmpWriter final {
public:
    static bool write24(const std::string& path, const Image& image);
    // 8 bits per pixel with as many palette entries as given (biClrUsed).
    static bool write8(const std::string& path, int width, int height, const std::vector<PaletteEntry>& palette,
                       const std::vector<std::uint8_t>& indices);
    // 32 bits with straight alpha and a BITMAPV5 header that names the masks,
    // which is what SDL needs to keep the alpha channel.
    static bool write32(const std::string& path, const Image& image);
};

}  // namespace quindel::artgen
