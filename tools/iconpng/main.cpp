// Turns the icon's renderings, drawn by quindel_artgen as 32-bit BMPs with
// straight alpha, into the PNGs the desktop's icon themes take.
//
//   quindel_iconpng IN.bmp OUT.png [IN.bmp OUT.png ...]

#include <cstdio>
#include <memory>
#include <string>

#include <stb_image.h>
#include <stb_image_write.h>

namespace {

struct PixelsFree final {
    void operator()(unsigned char* pixels) const { stbi_image_free(pixels); }
};

bool convert(const std::string& in, const std::string& out)
{
    int width = 0;
    int height = 0;
    int channels = 0;
    // Always four channels, so a rendering without transparency still gets
    // an opaque alpha channel rather than a different PNG colour type.
    const std::unique_ptr<unsigned char, PixelsFree> pixels(stbi_load(in.c_str(), &width, &height, &channels, 4));
    if (!pixels) {
        std::fprintf(stderr, "quindel_iconpng: cannot read %s: %s\n", in.c_str(), stbi_failure_reason());
        return false;
    }
    // Icon themes file each picture under its size; a rectangle would be
    // stretched by every desktop.
    if (width != height) {
        std::fprintf(stderr, "quindel_iconpng: %s is %d x %d, not square\n", in.c_str(), width, height);
        return false;
    }
    if (stbi_write_png(out.c_str(), width, height, 4, pixels.get(), width * 4) == 0) {
        std::fprintf(stderr, "quindel_iconpng: cannot write %s\n", out.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: quindel_iconpng IN.bmp OUT.png [IN.bmp OUT.png ...]\n");
        return 2;
    }
    bool ok = true;
    for (int i = 1; i + 1 < argc; i += 2)
        ok = convert(argv[i], argv[i + 1]) && ok;
    return ok ? 0 : 1;
}
