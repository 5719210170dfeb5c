#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "CanvasProbe.h"
#include "ColourVision.h"

namespace quindel {
namespace {

using test::ColourVision;
using Sight = ColourVision::Sight;

constexpr std::uint32_t BottleFill = 0xD7F1FF;
constexpr std::uint32_t LevelFill = 0xE2FFD7;
constexpr std::uint32_t TextFill = 0xFFFFD7;
constexpr std::uint32_t GlyphColor = 0x38548C;
constexpr std::uint32_t Ink = 0x262A56;
constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Caption = 0xFFEC96;
constexpr std::uint32_t TitleBlue = 0x223EA8;

bool near(std::uint32_t a, std::uint32_t b, int tolerance)
{
    for (int shift : {0, 8, 16}) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

struct Text {
    const char* what;
    const char* picture;
    std::uint32_t colour;
    int top;
    int bottom;
    // Columns beside the text, in its rows: what it sits on. None for the
    // glyph strips, whose glyphs sit on TextFill.
    std::vector<int> beside;
};

// Every text a picture carries stands at 4.5:1 or more against what it sits
// on: its own colour, found among its pixels, against every pixel of the
// panel beside it on the same rows (a gradient is measured where it is
// lightest or darkest).
TEST(PictureReadability, EveryTextStandsAtFourAndAHalfToOne)
{
    const Text texts[] = {
        {"hall-of-fame letters", "IDB_CHARS", GlyphColor, 0, 13, {}},
        {"score digits", "IDB_NUMBERS", GlyphColor, 0, 27, {}},
        {"PAUSE", "IDB_PAUSE", White, 24, 73, {8, 291}},
        // The pause sign's resume line is written at run time in the hall of
        // fame's letters, on a label of their own paper: the letters' row
        // above holds for it.
        {"LEVEL CLEAR!", "IDB_LEVELCLEAR", White, 18, 116, {8, 271}},
        {"PRESS ENTER", "IDB_LEVELCLEAR", Caption, 139, 155, {40, 240}},
        {"GAME OVER", "IDB_GAMEOVER", White, 16, 113, {8, 291}},
        {"NEXT", "IDB_BACKGROUND", Ink, 44, 59, {84, 178}},
        {"LEVEL", "IDB_BACKGROUND", Ink, 170, 185, {95, 224}},
        {"HALL OF FAME", "IDB_BACKGROUND", Ink, 378, 393, {35, 221}},
        {"SCORE", "IDB_BACKGROUND", Ink, 486, 501, {575, 781}},
        {"TO PLAY CHOOSE", "IDB_TITLESCREEN", Ink, 502, 516, {170, 630}},
        {"GAME > START NEW GAME", "IDB_TITLESCREEN", TitleBlue, 530, 554, {170, 630}},
    };
    std::ostringstream report;
    for (const Text& t : texts) {
        SCOPED_TRACE(t.what);
        SDL_Surface* p = test::decodedPicture(t.picture);
        ASSERT_NE(p, nullptr);
        int found = 0;
        double worst = 21.0;
        for (int y = t.top; y <= t.bottom; ++y) {
            for (int x = 0; x < p->w; ++x)
                found += near(test::picturePixel(p, x, y), t.colour, 6) ? 1 : 0;
            for (int x : t.beside)
                worst = std::min(worst, ColourVision::contrast(t.colour, test::picturePixel(p, x, y)));
        }
        if (t.beside.empty())
            worst = ColourVision::contrast(t.colour, TextFill);
        EXPECT_GE(found, 4) << "the text's colour is not in the picture";
        EXPECT_GE(worst, 4.5);
        report << t.what << ' ' << std::fixed << std::setprecision(2) << worst << ":1; ";
    }
    // The level numbers are drawn in a gradient of greens: the lightest
    // green of their strokes counts.
    double levelWorst = 21.0;
    for (int n = 1; n <= 20; ++n) {
        SDL_Surface* p = test::decodedPicture("IDB_LEVEL" + std::to_string(n));
        ASSERT_NE(p, nullptr);
        for (int y = 0; y < p->h; ++y) {
            for (int x = 0; x < p->w; ++x) {
                const std::uint32_t c = test::picturePixel(p, x, y);
                const int r = static_cast<int>(c >> 16);
                const int g = static_cast<int>((c >> 8) & 0xFF);
                const int b = static_cast<int>(c & 0xFF);
                // The strokes' own greens, not their dark rim, shadow or the fill.
                if (g > r + 40 && g > b + 30 && g < 160)
                    levelWorst = std::min(levelWorst, ColourVision::contrast(c, LevelFill));
            }
        }
    }
    EXPECT_GE(levelWorst, 4.5) << "level numbers";
    report << "level numbers " << std::fixed << std::setprecision(2) << levelWorst << ":1";
    RecordProperty("contrasts", report.str());
}

// The mean colour of a capsule half's body (all but the bottle around it)
// as a sight sees it, in linear light.
ColourVision::Linear meanBody(SDL_Surface* p, Sight sight)
{
    ColourVision::Linear sum{};
    int count = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const std::uint32_t c = test::picturePixel(p, x, y);
            if (c == BottleFill)
                continue;
            const ColourVision::Linear s = ColourVision::seen(ColourVision::linear(c), sight);
            for (std::size_t i = 0; i < 3; ++i)
                sum[i] += s[i];
            ++count;
        }
    }
    for (double& v : sum)
        v /= std::max(1, count);
    return sum;
}

// The mark in the middle of the half: the pixels there clearly darker than
// the half's own tone, however the sight sees the colours.
std::vector<bool> markOf(SDL_Surface* p, Sight sight)
{
    std::vector<double> light;
    for (int y = 8; y < 26; ++y)
        for (int x = 8; x < 26; ++x)
            light.push_back(
                ColourVision::luminance(ColourVision::seen(ColourVision::linear(test::picturePixel(p, x, y)), sight)));
    std::vector<double> sorted = light;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2), sorted.end());
    const double body = sorted[sorted.size() / 2];
    std::vector<bool> mark;
    for (double l : light)
        mark.push_back(l < 0.55 * body);
    return mark;
}

// Capsule halves of the three colours stay apart to every reader: by their
// mean colours (CIEDE2000 of 20 or more) or, where a sight takes the colours
// close together, by the marks they carry: three different silhouettes in
// every sight. The figures land in the test's record.
TEST(PictureReadability, CapsuleHalvesStayApartInEverySight)
{
    const char* colours[] = {"WHITE", "BLUE", "GREEN"};
    const Sight sights[] = {Sight::Normal, Sight::Greyscale, Sight::Protanopia, Sight::Deuteranopia, Sight::Tritanopia};
    EXPECT_NEAR(ColourVision::deltaE2000(ColourVision::linear(White), ColourVision::linear(0)), 100.0, 1e-4);
    std::ostringstream report;
    for (Sight sight : sights) {
        int fewestApart = 1 << 20;
        report << ColourVision::name(sight) << ':';
        for (int a = 0; a < 3; ++a) {
            for (int b = a + 1; b < 3; ++b) {
                double closest = 1e9;
                for (int shape = 0; shape < 5; ++shape) {
                    SCOPED_TRACE(std::string(ColourVision::name(sight)) + " " + colours[a] + "/" + colours[b]
                                 + " shape " + std::to_string(shape));
                    SDL_Surface* pa =
                        test::decodedPicture(std::string("IDB_PILL_") + colours[a] + std::to_string(shape) + "_1");
                    SDL_Surface* pb =
                        test::decodedPicture(std::string("IDB_PILL_") + colours[b] + std::to_string(shape) + "_1");
                    ASSERT_NE(pa, nullptr);
                    ASSERT_NE(pb, nullptr);
                    const double difference = ColourVision::deltaE2000(meanBody(pa, sight), meanBody(pb, sight));
                    closest = std::min(closest, difference);
                    const std::vector<bool> ma = markOf(pa, sight);
                    const std::vector<bool> mb = markOf(pb, sight);
                    const auto inked = [](const std::vector<bool>& m) { return std::count(m.begin(), m.end(), true); };
                    int apart = 0;
                    for (std::size_t i = 0; i < ma.size(); ++i)
                        apart += ma[i] != mb[i] ? 1 : 0;
                    EXPECT_GE(inked(ma), 15);
                    EXPECT_GE(inked(mb), 15);
                    EXPECT_GE(apart, 20) << "marks too alike";
                    fewestApart = std::min(fewestApart, apart);
                    EXPECT_TRUE(difference >= 20.0 || apart >= 20);
                }
                report << ' ' << colours[a][0] << '/' << colours[b][0] << ' ' << std::fixed << std::setprecision(1)
                       << closest;
            }
        }
        report << ", marks apart by " << fewestApart << " px or more; ";
    }
    RecordProperty("delta_e2000", report.str());
    std::cout << "capsule halves, smallest CIEDE2000 of mean colours: " << report.str() << '\n';
}

}  // namespace
}  // namespace quindel
