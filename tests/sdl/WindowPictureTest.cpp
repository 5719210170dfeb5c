// What the window is shown, a piece at a time: the canvas scaled piecewise
// gives the pixels of scaling it whole, and a run of partial frames (moves,
// a clearing, a menu and a dialog opened and closed, a resize) leaves the
// window with the pixels of one whole frame of the same canvas, counting
// only what each frame sent.

#include "sdl/WindowPicture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "messages/MessagePump.h"
#include "render/Canvas.h"
#include "sdl/CanvasScaler.h"
#include "sdl/SdlPlatform.h"

#include "SdlSession.h"
#include "widgets/CommandIds.h"
#include "widgets/DialogHost.h"
#include "widgets/DialogOwner.h"
#include "widgets/DialogProcedure.h"
#include "widgets/DialogTemplate.h"

namespace quindel {
namespace {

struct SurfaceFree final {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

Surface blank(int width, int height)
{
    return Surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_XRGB8888));
}

// Every pixel different from its neighbours, so a blend that reaches one
// pixel too few or too many shows.
Surface noise(int width, int height, std::mt19937& random)
{
    Surface surface = blank(width, height);
    auto* pixels = static_cast<std::uint32_t*>(surface->pixels);
    for (int i = 0; i < width * height; ++i)
        pixels[i] = random() & 0xFFFFFFu;
    return surface;
}

// The colours of a picture, row by row (whatever its spare byte holds).
std::vector<std::uint32_t> coloursOf(const SDL_Surface& surface, const SDL_Rect& area)
{
    std::vector<std::uint32_t> colours;
    for (int y = area.y; y < area.y + area.h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(surface.pixels)
                                                                 + static_cast<std::ptrdiff_t>(y) * surface.pitch);
        for (int x = area.x; x < area.x + area.w; ++x)
            colours.push_back(row[x] & 0xFFFFFFu);
    }
    return colours;
}

TEST(CanvasScaler, AnyChangedPieceScalesToThePixelsOfScalingTheWhole)
{
    struct Case {
        SDL_Rect placement;
        bool smooth;
    };
    const Case cases[] = {
        {{0, 19, 800, 600}, false},       // the original window
        {{560, 256, 1600, 1200}, false},  // integer scaling
        {{0, 47, 1280, 960}, true},      {{262, 33, 1396, 1047}, true}, {{524, 66, 2792, 2094}, true},  // 3840 x 2160
        {{3, 5, 1001, 751}, true},       {{0, 0, 640, 480}, true},  // a screen smaller than the canvas
    };
    std::mt19937 random(19);
    for (const Case& c : cases) {
        const std::string name = std::to_string(c.placement.w) + "x" + std::to_string(c.placement.h);
        Surface canvas = noise(Canvas::Width, Canvas::Height, random);
        const int width = c.placement.x + c.placement.w + 7;
        const int height = c.placement.y + c.placement.h + 3;
        Surface piecewise = blank(width, height);
        Surface whole = blank(width, height);
        CanvasScaler scaler(Canvas::Width, Canvas::Height, c.placement, c.smooth);
        scaler.scale(*canvas, *piecewise, SDL_Rect{0, 0, width, height});
        // Squares, rows, columns, the edges and the corners of the canvas.
        std::vector<SDL_Rect> changes{{272, 44, 32, 32}, {0, 0, 1, 1},      {799, 599, 1, 1}, {0, 300, 800, 1},
                                      {400, 0, 1, 600},  {797, 10, 3, 590}, {5, 597, 790, 3}};
        for (int i = 0; i < 8; ++i) {
            const int x = static_cast<int>(random() % 790);
            const int y = static_cast<int>(random() % 590);
            changes.push_back(
                SDL_Rect{x, y, 1 + static_cast<int>(random() % (800 - x)), 1 + static_cast<int>(random() % 10)});
        }
        for (const SDL_Rect& change : changes) {
            Surface picture = noise(change.w, change.h, random);
            SDL_Rect at = change;
            SDL_BlitSurface(picture.get(), nullptr, canvas.get(), &at);
            scaler.scale(*canvas, *piecewise, scaler.reach(change));
        }
        scaler.scale(*canvas, *whole, SDL_Rect{0, 0, width, height});
        EXPECT_TRUE(coloursOf(*piecewise, SDL_Rect{0, 0, width, height})
                    == coloursOf(*whole, SDL_Rect{0, 0, width, height}))
            << name;
        // Nothing is written outside the placement.
        EXPECT_EQ(coloursOf(*whole, SDL_Rect{0, height - 1, width, 1}), std::vector<std::uint32_t>(width, 0)) << name;
        EXPECT_EQ(scaler.reach(SDL_Rect{-10, 0, 5, 5}).w, 0) << name;
    }
}

TEST(CanvasScaler, WholeFactorsMakeSquaresAndSmoothScalingHoldsFlatColoursAndCorners)
{
    std::mt19937 random(7);
    Surface canvas = noise(Canvas::Width, Canvas::Height, random);
    Surface shown = blank(2400, 1800);
    CanvasScaler(Canvas::Width, Canvas::Height, SDL_Rect{0, 0, 2400, 1800}, false)
        .scale(*canvas, *shown, SDL_Rect{0, 0, 2400, 1800});
    for (const auto& [x, y] : {std::pair{0, 0}, {2, 2}, {3, 0}, {1199, 899}, {2399, 1799}}) {
        EXPECT_EQ(coloursOf(*shown, SDL_Rect{x, y, 1, 1}), coloursOf(*canvas, SDL_Rect{x / 3, y / 3, 1, 1}))
            << x << "," << y;
    }
    CanvasScaler smooth(Canvas::Width, Canvas::Height, SDL_Rect{0, 0, 1396, 1047}, true);
    smooth.scale(*canvas, *shown, SDL_Rect{0, 0, 1396, 1047});
    EXPECT_EQ(coloursOf(*shown, SDL_Rect{0, 0, 1, 1}), coloursOf(*canvas, SDL_Rect{0, 0, 1, 1}));
    EXPECT_EQ(coloursOf(*shown, SDL_Rect{1395, 1046, 1, 1}), coloursOf(*canvas, SDL_Rect{799, 599, 1, 1}));
    SDL_FillRect(canvas.get(), nullptr, 0xC08040u);
    smooth.scale(*canvas, *shown, SDL_Rect{0, 0, 1396, 1047});
    EXPECT_TRUE(coloursOf(*shown, SDL_Rect{0, 0, 1396, 1047}) == std::vector<std::uint32_t>(1396 * 1047, 0xC08040u));
}

class NoProcedure final : public DialogProcedure {
public:
    void initDialog(DialogHost&) override {}
    void command(DialogHost&, int) override {}
    void destroy(DialogHost&) override {}
};

// The window a dialog is opened over: nothing but the platform and a pump.
class BareOwner final : public DialogOwner {
public:
    explicit BareOwner(SdlPlatform& platform) : shownOn(platform), messages(platform.clock(), platform)
    {
        platform.attach(messages);
    }
    MessagePump& pump() override { return messages; }
    UiPlatform& platform() override { return shownOn; }
    void forward(const Message&) override {}

private:
    SdlPlatform& shownOn;
    MessagePump messages;
};

class WindowPictureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        platform = test::dummyPlatform(canvas, error);
        ASSERT_TRUE(platform) << error;
        owner = std::make_unique<BareOwner>(*platform);
        // What the window was sent, rectangle by rectangle.
        platform->picture().watchSent([this](const std::vector<SDL_Rect>& areas) {
            const SDL_Surface& pixels = *SDL_GetWindowSurface(platform->window());
            if (sent == nullptr || sent->w != pixels.w || sent->h != pixels.h)
                sent = blank(pixels.w, pixels.h);
            for (SDL_Rect area : areas)
                SDL_BlitSurface(const_cast<SDL_Surface*>(&pixels), &area, sent.get(), &area);
        });
        canvas.copy(noise(Canvas::Width, Canvas::Height, random).get(), 0, 0, Canvas::Width, Canvas::Height, 0, 0);
        platform->present();
        handleEvents();
    }

    void handleEvents()
    {
        SDL_PumpEvents();
        while (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
            platform->waitEvent(std::nullopt);
    }

    void key(SDL_Keycode sym, Uint16 mods = KMOD_NONE)
    {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = sym;
        event.key.keysym.mod = mods;
        SDL_PushEvent(&event);
        handleEvents();
    }

    // New squares of the bottle, each a picture of its own.
    void squares(const std::vector<std::pair<int, int>>& cells)
    {
        for (const auto& [column, row] : cells)
            patch(SDL_Rect{272 + 32 * column, 44 + 32 * row, 32, 32});
        platform->present();
    }

    void patch(const SDL_Rect& area)
    {
        canvas.copy(noise(area.w, area.h, random).get(), 0, 0, area.w, area.h, area.x, area.y);
    }

    std::vector<std::uint32_t> windowColours() const
    {
        const SDL_Surface& pixels = *SDL_GetWindowSurface(platform->window());
        return coloursOf(pixels, SDL_Rect{0, 0, pixels.w, pixels.h});
    }

    std::mt19937 random{5};
    Canvas canvas;
    std::unique_ptr<SdlPlatform> platform;
    std::unique_ptr<BareOwner> owner;
    Surface sent;
};

TEST_F(WindowPictureTest, PartialFramesLeaveTheWindowAsOneWholeFrameOfTheSameCanvasWould)
{
    NoProcedure procedure;
    for (const auto& [width, height] : {std::pair{800, 619}, {1100, 850}}) {
        SDL_SetWindowSize(platform->window(), width, height);
        handleEvents();
        EXPECT_EQ(platform->layout().smooth(), width != 800);
        ASSERT_TRUE(platform->picture().piecewise());

        // A move sends one piece around the square it changed, and a frame
        // that changed nothing sends nothing.
        squares({{3, 2}});
        ASSERT_EQ(platform->picture().sent().size(), 1u) << width;
        const SDL_Rect moved = platform->picture().sent().front();
        const float scale = platform->layout().canvasScale();
        EXPECT_LE(moved.w, static_cast<int>(32 * scale) + 4) << width;
        EXPECT_LE(moved.h, static_cast<int>(32 * scale) + 4) << width;
        platform->present();
        EXPECT_TRUE(platform->picture().sent().empty()) << width;

        squares({{3, 3}, {4, 3}});
        squares({{0, 15}, {1, 15}, {2, 15}, {3, 15}, {7, 8}, {7, 9}, {7, 10}, {7, 11}, {2, 0}, {3, 0}});
        // A menu opened over the picture, which changes under it; then
        // closed with its bar.
        key(SDLK_g, KMOD_LALT);
        patch(SDL_Rect{10, 5, 60, 40});
        platform->present();
        key(SDLK_ESCAPE);
        key(SDLK_ESCAPE);
        DialogHost dialog(*owner, *DialogTemplate::find(dialog::NewGame), procedure);
        platform->dialogOpened(dialog);
        platform->present();
        squares({{3, 7}, {4, 7}, {5, 7}, {6, 7}});
        platform->dialogClosed(dialog);
        platform->present();
        squares({{0, 14}});

        ASSERT_NE(sent, nullptr);
        const std::vector<std::uint32_t> drawn = windowColours();
        const std::vector<std::uint32_t> wasSent = coloursOf(*sent, SDL_Rect{0, 0, sent->w, sent->h});
        // Integer scaling on and off again: a whole frame of the same canvas.
        platform->toggleIntegerScaling();
        platform->toggleIntegerScaling();
        EXPECT_EQ(platform->picture().sent().size(), 1u);
        const std::vector<std::uint32_t> whole = windowColours();
        ASSERT_EQ(drawn.size(), whole.size());
        EXPECT_TRUE(drawn == whole) << width << "x" << height << ": the window's pixels differ";
        EXPECT_TRUE(wasSent == whole) << width << "x" << height << ": what was sent differs";
    }
}

}  // namespace
}  // namespace quindel
