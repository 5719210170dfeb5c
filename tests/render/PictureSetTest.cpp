#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CanvasProbe.h"
#include "render/PictureData.h"

namespace quindel {
namespace {

constexpr std::uint32_t BottleFill = 0xD7F1FF;
constexpr std::uint32_t LevelFill = 0xE2FFD7;
constexpr std::uint32_t TextFill = 0xFFFFD7;
constexpr std::uint32_t GlyphColor = 0x38548C;

struct Expected {
    std::string name;
    int width;
    int height;
    int bits;
    int paletteColours;  // 0 for direct colour
};

std::vector<Expected> everyPicture()
{
    std::vector<Expected> all{
        {"IDB_BACKGROUND", 800, 600, 8, 256}, {"IDB_TITLESCREEN", 800, 600, 8, 128}, {"IDB_PAUSE", 300, 121, 8, 256},
        {"IDB_LEVELCLEAR", 280, 178, 8, 256}, {"IDB_GAMEOVER", 300, 178, 24, 0},     {"IDB_EMPTY", 32, 32, 24, 0},
        {"IDB_CHARS", 288, 14, 24, 0},        {"IDB_NUMBERS", 200, 28, 24, 0},
    };
    for (int n = 1; n <= 20; ++n) {
        all.push_back({"IDB_LEVEL" + std::to_string(n), 107, 107, 24, 0});
    }
    for (const char* colour : {"WHITE", "BLUE", "GREEN"}) {
        for (int phase = 0; phase < 4; ++phase) {
            all.push_back({std::string("IDB_VIRUS_") + colour + std::to_string(phase), 32, 32, 24, 0});
        }
        for (int shape = 0; shape < 5; ++shape) {
            for (int phase = 1; phase <= 4; ++phase) {
                all.push_back({std::string("IDB_PILL_") + colour + std::to_string(shape) + "_" + std::to_string(phase),
                               32, 32, 24, 0});
            }
        }
    }
    return all;
}

std::vector<std::string> sprites()
{
    std::vector<std::string> names{"IDB_EMPTY"};
    for (const Expected& e : everyPicture()) {
        if (e.name.starts_with("IDB_VIRUS_") || e.name.starts_with("IDB_PILL_")) {
            names.push_back(e.name);
        }
    }
    return names;
}

SDL_Surface* rawPicture(const std::string& name)
{
    const auto data = findPicture(name);
    return data ? SDL_LoadBMP_RW(SDL_RWFromConstMem(data->bytes, static_cast<int>(data->size)), 1) : nullptr;
}

TEST(PictureSet, EveryPictureLoadsByNameWithItsSizeAndDepth)
{
    const std::vector<Expected> all = everyPicture();
    ASSERT_EQ(all.size(), 100u);
    for (const Expected& e : all) {
        SCOPED_TRACE(e.name);
        SDL_Surface* picture = rawPicture(e.name);
        ASSERT_NE(picture, nullptr) << SDL_GetError();
        EXPECT_EQ(picture->w, e.width);
        EXPECT_EQ(picture->h, e.height);
        EXPECT_EQ(picture->format->BitsPerPixel, e.bits);
        if (e.paletteColours > 0) {
            ASSERT_NE(picture->format->palette, nullptr);
            EXPECT_EQ(picture->format->palette->ncolors, e.paletteColours);
        }
        SDL_FreeSurface(picture);
    }
    EXPECT_FALSE(findPicture("IDB_LEVEL21").has_value());
    EXPECT_FALSE(findPicture("").has_value());
}

TEST(PictureSet, IconCarriesAlpha)
{
    SDL_Surface* icon = rawPicture("IDC_GHOST");
    ASSERT_NE(icon, nullptr) << SDL_GetError();
    EXPECT_EQ(icon->w, 32);
    EXPECT_EQ(icon->h, 32);
    ASSERT_NE(icon->format->Amask, 0u);
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(icon, SDL_PIXELFORMAT_ARGB8888, 0);
    auto alphaAt = [argb](int x, int y) {
        return static_cast<const std::uint32_t*>(argb->pixels)[y * argb->pitch / 4 + x] >> 24;
    };
    EXPECT_EQ(alphaAt(0, 0), 0u);
    EXPECT_EQ(alphaAt(16, 18), 255u);
    SDL_FreeSurface(argb);
    SDL_FreeSurface(icon);
}

// Every copy is opaque, so a sprite shows a seam unless its surround is exactly the box's fill.
TEST(PictureSet, SpritesAndLevelPicturesCarryTheirBoxFillInTheCorners)
{
    std::vector<std::pair<std::string, std::uint32_t>> cases;
    for (const std::string& s : sprites()) {
        cases.emplace_back(s, BottleFill);
    }
    for (int n = 1; n <= 20; ++n) {
        cases.emplace_back("IDB_LEVEL" + std::to_string(n), LevelFill);
    }
    for (const auto& [name, fill] : cases) {
        SCOPED_TRACE(name);
        SDL_Surface* p = test::decodedPicture(name);
        ASSERT_NE(p, nullptr);
        const int r = p->w - 1;
        const int b = p->h - 1;
        for (auto [x, y] : {std::pair{0, 0}, {1, 1}, {r, 0}, {r - 1, 1}, {0, b}, {1, b - 1}, {r, b}, {r - 1, b - 1}}) {
            EXPECT_EQ(test::picturePixel(p, x, y), fill) << "at " << x << "," << y;
        }
    }
    SDL_Surface* empty = test::decodedPicture("IDB_EMPTY");
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_EQ(test::picturePixel(empty, x, y), BottleFill);
        }
    }
}

// The signs are copied whole over the bottle at 250,200: their corners,
// outside the rounded panel, show the screen that is there, not dark squares.
TEST(PictureSet, SignCornersShowTheScreenBeneathThem)
{
    SDL_Surface* screen = test::decodedPicture("IDB_BACKGROUND");
    ASSERT_NE(screen, nullptr);
    for (const char* sign : {"IDB_PAUSE", "IDB_LEVELCLEAR", "IDB_GAMEOVER"}) {
        SCOPED_TRACE(sign);
        SDL_Surface* p = test::decodedPicture(sign);
        ASSERT_NE(p, nullptr);
        const int r = p->w - 1;
        const int b = p->h - 1;
        for (auto [x, y] : {std::pair{0, 0}, {2, 1}, {r, 0}, {r - 1, 2}, {0, b}, {1, b - 2}, {r, b}, {r - 2, b - 1}}) {
            const std::uint32_t want = test::picturePixel(screen, 250 + x, 200 + y);
            const std::uint32_t got = test::picturePixel(p, x, y);
            // Within what the signs' 256-colour palettes give; a dark square
            // would be a hundred off.
            for (int shift : {0, 8, 16}) {
                EXPECT_NEAR(static_cast<int>((got >> shift) & 0xFF), static_cast<int>((want >> shift) & 0xFF), 10)
                    << "at " << x << "," << y;
            }
        }
    }
}

struct Strip {
    const char* name;
    int glyphs;
    int width;
    int height;
};

// A glyph copied from x = width * k must find all of its ink inside that cell:
// its corners are the box fill, its ink is centred in the cell, and no two
// glyphs look alike.
TEST(PictureSet, GlyphStripsHoldEachGlyphInItsOwnCell)
{
    for (const Strip& strip : {Strip{"IDB_CHARS", 36, 8, 14}, Strip{"IDB_NUMBERS", 10, 20, 28}}) {
        SCOPED_TRACE(strip.name);
        SDL_Surface* p = test::decodedPicture(strip.name);
        ASSERT_NE(p, nullptr);
        std::vector<std::vector<std::uint32_t>> seen;
        for (int k = 0; k < strip.glyphs; ++k) {
            SCOPED_TRACE(k);
            const int x0 = strip.width * k;
            std::vector<std::uint32_t> cell;
            double inkX = 0.0;
            double ink = 0.0;
            bool exactGlyphColour = false;
            for (int y = 0; y < strip.height; ++y) {
                for (int x = 0; x < strip.width; ++x) {
                    const std::uint32_t c = test::picturePixel(p, x0 + x, y);
                    cell.push_back(c);
                    // Red falls from the fill's 255 to the glyph's 56 with the ink.
                    const double amount = static_cast<double>(255 - (c >> 16)) / (255 - 56);
                    inkX += amount * x;
                    ink += amount;
                    exactGlyphColour = exactGlyphColour || c == GlyphColor;
                }
            }
            EXPECT_TRUE(exactGlyphColour);
            ASSERT_GT(ink, 0.0);
            EXPECT_NEAR(inkX / ink, (strip.width - 1) / 2.0, strip.width / 5.0);
            for (auto [x, y] :
                 {std::pair{0, 0}, {strip.width - 1, 0}, {0, strip.height - 1}, {strip.width - 1, strip.height - 1}}) {
                EXPECT_EQ(test::picturePixel(p, x0 + x, y), TextFill);
            }
            for (const auto& other : seen) {
                EXPECT_NE(other, cell);
            }
            seen.push_back(cell);
        }
    }
}

struct Region {
    const char* what;
    int x;
    int y;
    int w;
    int h;
    std::uint32_t fill;
};

TEST(PictureSet, BackgroundBoxesAreFilledWhereTheDrawingsLand)
{
    SDL_Surface* p = test::decodedPicture("IDB_BACKGROUND");
    ASSERT_NE(p, nullptr);
    for (const Region& r :
         {Region{"bottle", 272, 44, 256, 512, BottleFill}, Region{"preview", 99, 78, 64, 32, BottleFill},
          Region{"level", 106, 210, 107, 107, LevelFill}, Region{"hall of fame", 48, 420, 160, 133, TextFill},
          Region{"score, eight digits", 600, 531, 167, 28, TextFill}}) {
        SCOPED_TRACE(r.what);
        int wrong = 0;
        for (int y = r.y; y < r.y + r.h; ++y) {
            for (int x = r.x; x < r.x + r.w; ++x) {
                wrong += test::picturePixel(p, x, y) != r.fill;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

}  // namespace
}  // namespace quindel
