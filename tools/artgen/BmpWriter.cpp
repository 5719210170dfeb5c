#include "BmpWriter.h"

#include <fstream>

namespace quindel::artgen {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFFu);
    put16(out, v >> 16);
}

std::vector<std::uint8_t> headers(int width, int height, int bits, std::uint32_t paletteCount, std::uint32_t infoSize,
                                  std::uint32_t imageSize)
{
    std::vector<std::uint8_t> out;
    const std::uint32_t pixelOffset = 14 + infoSize + paletteCount * 4;
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + imageSize);
    put32(out, 0);
    put32(out, pixelOffset);
    put32(out, infoSize);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));  // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, infoSize == 40 ? 0u : 3u);  // BI_RGB, or BI_BITFIELDS for the alpha header
    put32(out, imageSize);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, paletteCount);
    put32(out, 0);
    return out;
}

bool save(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::uint32_t stride(int width, int bytesPerPixel)
{
    return (static_cast<std::uint32_t>(width * bytesPerPixel) + 3u) & ~3u;
}

}  // namespace

bool BmpWriter::write24(const std::string& path, const Image& image)
{
    const std::uint32_t rowBytes = stride(image.width(), 3);
    const std::uint32_t size = rowBytes * static_cast<std::uint32_t>(image.height());
    std::vector<std::uint8_t> out = headers(image.width(), image.height(), 24, 0, 40, size);
    for (int y = image.height() - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < image.width(); ++x) {
            out.push_back(image.channel(x, y, 2));
            out.push_back(image.channel(x, y, 1));
            out.push_back(image.channel(x, y, 0));
            written += 3;
        }
        for (; written < rowBytes; ++written)
            out.push_back(0);
    }
    return save(path, out);
}

bool BmpWriter::write8(const std::string& path, int width, int height, const std::vector<PaletteEntry>& palette,
                       const std::vector<std::uint8_t>& indices)
{
    const std::uint32_t rowBytes = stride(width, 1);
    const std::uint32_t size = rowBytes * static_cast<std::uint32_t>(height);
    std::vector<std::uint8_t> out = headers(width, height, 8, static_cast<std::uint32_t>(palette.size()), 40, size);
    for (const PaletteEntry& e : palette) {
        out.push_back(e.b);
        out.push_back(e.g);
        out.push_back(e.r);
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < width; ++x, ++written) {
            out.push_back(
                indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]);
        }
        for (; written < rowBytes; ++written)
            out.push_back(0);
    }
    return save(path, out);
}

bool BmpWriter::write32(const std::string& path, const Image& image)
{
    const std::uint32_t size = static_cast<std::uint32_t>(image.width() * image.height() * 4);
    std::vector<std::uint8_t> out = headers(image.width(), image.height(), 32, 0, 124, size);
    put32(out, 0x00FF0000u);  // red mask
    put32(out, 0x0000FF00u);
    put32(out, 0x000000FFu);
    put32(out, 0xFF000000u);  // alpha mask
    put32(out, 0x73524742u);  // 'sRGB'
    for (int i = 0; i < 9; ++i)
        put32(out, 0);  // endpoints, unused for sRGB
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);  // gamma
    put32(out, 4);  // LCS_GM_IMAGES
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            out.push_back(image.channel(x, y, 2));
            out.push_back(image.channel(x, y, 1));
            out.push_back(image.channel(x, y, 0));
            out.push_back(image.alpha8(x, y));
        }
    }
    return save(path, out);
}

}  // namespace quindel::artgen
