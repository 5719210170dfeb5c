// Gathers the icon's renderings, drawn by quindel_artgen as 32-bit BMPs with
// straight alpha, into one Windows icon file for the executable's resources:
// the small sizes as 32-bit bitmaps, which every Windows draws, the large
// ones as PNGs, which keep the file small.
//
//   quindel_iconico OUT.ico IN.bmp [IN.bmp ...]

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <stb_image.h>
#include <stb_image_write.h>

namespace {

using Bytes = std::vector<unsigned char>;

// Above this size an entry is stored as a PNG.
constexpr int LargestBitmap = 48;

struct PixelsFree final {
    void operator()(unsigned char* pixels) const { stbi_image_free(pixels); }
};

void put16(Bytes& out, unsigned value)
{
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void put32(Bytes& out, std::uint32_t value)
{
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

// A bitmap entry: a BITMAPINFOHEADER of twice the height (the colours, then
// the transparency mask), rows bottom-up, colours as BGRA.
Bytes bitmapEntry(const unsigned char* rgba, int size)
{
    const int maskRowBytes = (size + 31) / 32 * 4;
    Bytes out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(size));
    put32(out, static_cast<std::uint32_t>(size * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(size * size * 4 + maskRowBytes * size));
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const unsigned char* p = rgba + (y * size + x) * 4;
            out.insert(out.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    // The mask is for systems that ignore alpha: a set bit is transparent.
    for (int y = size - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(maskRowBytes), 0);
        for (int x = 0; x < size; ++x)
            if (rgba[(y * size + x) * 4 + 3] == 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<unsigned char>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

Bytes pngEntry(const unsigned char* rgba, int size)
{
    Bytes out;
    const auto append = [](void* context, void* data, int length) {
        auto* bytes = static_cast<Bytes*>(context);
        const auto* begin = static_cast<const unsigned char*>(data);
        bytes->insert(bytes->end(), begin, begin + length);
    };
    if (stbi_write_png_to_func(append, &out, size, size, 4, rgba, size * 4) == 0)
        out.clear();
    return out;
}

struct Entry final {
    int size = 0;
    Bytes image;
};

bool load(const std::string& in, Entry& entry)
{
    int width = 0;
    int height = 0;
    int channels = 0;
    const std::unique_ptr<unsigned char, PixelsFree> pixels(stbi_load(in.c_str(), &width, &height, &channels, 4));
    if (!pixels) {
        std::fprintf(stderr, "quindel_iconico: cannot read %s: %s\n", in.c_str(), stbi_failure_reason());
        return false;
    }
    // The icon directory has one byte per side, 0 standing for 256.
    if (width != height || width < 1 || width > 256) {
        std::fprintf(stderr, "quindel_iconico: %s is %d x %d, not a square of 1 to 256 pixels\n", in.c_str(), width,
                     height);
        return false;
    }
    entry.size = width;
    entry.image = width <= LargestBitmap ? bitmapEntry(pixels.get(), width) : pngEntry(pixels.get(), width);
    if (entry.image.empty()) {
        std::fprintf(stderr, "quindel_iconico: cannot encode %s\n", in.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: quindel_iconico OUT.ico IN.bmp [IN.bmp ...]\n");
        return 2;
    }
    std::vector<Entry> entries(static_cast<std::size_t>(argc - 2));
    for (int i = 2; i < argc; ++i)
        if (!load(argv[i], entries[static_cast<std::size_t>(i - 2)]))
            return 1;

    Bytes out;
    put16(out, 0);
    put16(out, 1);  // an icon, not a cursor
    put16(out, static_cast<unsigned>(entries.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
    for (const Entry& entry : entries) {
        out.push_back(static_cast<unsigned char>(entry.size % 256));
        out.push_back(static_cast<unsigned char>(entry.size % 256));
        out.push_back(0);  // no palette
        out.push_back(0);
        put16(out, 1);
        put16(out, 32);
        put32(out, static_cast<std::uint32_t>(entry.image.size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(entry.image.size());
    }
    for (const Entry& entry : entries)
        out.insert(out.end(), entry.image.begin(), entry.image.end());

    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file.flush()) {
        std::fprintf(stderr, "quindel_iconico: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
