// The dialogs' text in the fonts the real window rasterises, at several
// window sizes: the dialog font has the base units the templates are measured
// in, and every label, button and radio button text stands inside its
// rectangle, as under Windows.

#include "render/Canvas.h"
#include "sdl/SdlPlatform.h"

#include "SdlSession.h"

#include <gtest/gtest.h>

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "widgets/DialogTemplate.h"
#include "widgets/DialogView.h"

namespace quindel {
namespace {

// From the left of the first glyph's box to the right of the last glyph's
// ink, in the units the dialogs are laid out in: what the player sees.
float inkWidth(const ImFont& font, float scale, std::string_view text)
{
    float pen = 0.0f;
    float right = 0.0f;
    for (const char c : text) {
        const ImFontGlyph* glyph = font.FindGlyph(static_cast<ImWchar>(static_cast<unsigned char>(c)));
        right = std::max(right, pen + glyph->X1);
        pen += glyph->AdvanceX;
    }
    return right * scale;
}

class DialogTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string error;
        platform = test::dummyPlatform(canvas, error);
        ASSERT_TRUE(platform) << error;
    }

    void resize(int width, int height)
    {
        SDL_SetWindowSize(platform->window(), width, height);
        SDL_PumpEvents();
        while (SDL_PeepEvents(nullptr, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
            platform->waitEvent(std::nullopt);
    }

    // The dialog font as the next frame draws it: the atlas is built then.
    const ImFont* dialogFont()
    {
        ImFontAtlas& atlas = *ImGui::GetIO().Fonts;
        if (!atlas.IsBuilt())
            atlas.Build();
        return platform->dialogTextFont();
    }

    Canvas canvas;
    std::unique_ptr<SdlPlatform> platform;
};

TEST_F(DialogTextTest, TheDialogFontIsAsWideAndAsHighAsTheTemplatesBaseUnits)
{
    const ImFont* font = dialogFont();
    ASSERT_NE(font, nullptr);
    // Windows' own rule: the letters' width over 26, halved and rounded.
    const std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const float scale = ImGui::GetIO().FontGlobalScale;
    const auto width = static_cast<int>(
        font->CalcTextSizeA(font->FontSize * scale, 1e6f, 0.0f, letters.data(), letters.data() + letters.size()).x);
    EXPECT_EQ((width / 26 + 1) / 2, DialogView::unitsToPixelsX(4));
    const float lineHeight = font->FontSize * scale;
    EXPECT_LE(lineHeight, static_cast<float>(DialogView::unitsToPixelsY(8)));
    EXPECT_GE(lineHeight, static_cast<float>(DialogView::unitsToPixelsY(8)) - 3.0f);
}

TEST_F(DialogTextTest, EveryTextStandsInsideItsRectangleAtEveryWindowSize)
{
    struct Size {
        int width, height;
    };
    const Size sizes[] = {{800, 619},   {1000, 760},  {1280, 1024}, {1600, 1238},
                          {1920, 1080}, {2560, 1440}, {3840, 2160}};
    for (const Size& size : sizes) {
        resize(size.width, size.height);
        const ImFont* font = dialogFont();
        ASSERT_NE(font, nullptr);
        // Rasterised at the window's pixels, shown in the dialogs' units.
        const float scale = ImGui::GetIO().FontGlobalScale;
        const float fontSize = font->FontSize * scale;
        const std::string at = std::to_string(size.width) + "x" + std::to_string(size.height);
        for (const int id : {115, 116, 117, 118}) {
            const DialogTemplate* dialog = DialogTemplate::find(id);
            ASSERT_NE(dialog, nullptr) << id;
            for (const ControlTemplate& control : dialog->controls) {
                if (control.text.empty())
                    continue;
                const auto width = static_cast<float>(DialogView::unitsToPixelsX(control.rect.width));
                const auto height = static_cast<float>(DialogView::unitsToPixelsY(control.rect.height));
                float room = width;
                switch (control.kind) {
                case ControlKind::RadioButton:
                    room -= DialogView::radioParts(height, fontSize).textLeft;
                    break;
                case ControlKind::DefaultPushButton:
                case ControlKind::PushButton:
                    // Inside the heavier frame of a default button.
                    room -= 4.0f;
                    break;
                case ControlKind::GroupBox:
                    // Its frame's corners on either side of the caption.
                    room -= 18.0f;
                    break;
                case ControlKind::TrackBar:
                    // Its name is for the window system, never drawn.
                    continue;
                default:
                    break;
                }
                const float ink = inkWidth(*font, scale, control.text);
                if (control.kind != ControlKind::StaticText) {
                    EXPECT_LE(ink, room) << at << ": \"" << control.text << "\" in dialog " << id;
                    continue;
                }
                // A label ends inside its rectangle, if need be moved left
                // to, and never runs into the control beside it.
                const float advance =
                    std::floor(font->CalcTextSizeA(fontSize, 1e6f, 0.0f, control.text.c_str()).x + 0.95f);
                const float left = DialogView::labelLeft(*dialog, control, advance);
                const auto rectLeft = static_cast<float>(DialogView::unitsToPixelsX(control.rect.x));
                EXPECT_LE(left + ink, rectLeft + width) << at << ": \"" << control.text << "\" in dialog " << id;
                EXPECT_GE(left, 0.0f) << at << ": \"" << control.text << "\" in dialog " << id;
                for (const ControlTemplate& other : dialog->controls) {
                    const DialogRect& r = other.rect;
                    if (other.kind == ControlKind::StaticText || r.x < control.rect.x
                        || r.y >= control.rect.y + control.rect.height || r.y + r.height <= control.rect.y)
                        continue;
                    EXPECT_LT(left + ink, static_cast<float>(DialogView::unitsToPixelsX(r.x)))
                        << at << ": \"" << control.text << "\" runs into " << other.id;
                }
                if (control.kind == ControlKind::StaticText || control.kind == ControlKind::RadioButton) {
                    EXPECT_LE(fontSize, height) << at << ": \"" << control.text << "\" in dialog " << id;
                }
            }
        }
    }
}

TEST(DialogRadioButtons, StandInTheirOwnRowsAtEveryFontSize)
{
    // The difficulty group's buttons, 9 units apart and 10 high: each circle
    // and label inside its own rectangle, no circle reaching the next one.
    const DialogTemplate* newGame = DialogTemplate::find(116);
    ASSERT_NE(newGame, nullptr);
    std::vector<const ControlTemplate*> radios;
    for (const ControlTemplate& control : newGame->controls)
        if (control.kind == ControlKind::RadioButton)
            radios.push_back(&control);
    ASSERT_EQ(radios.size(), 3u);
    for (int menuPixels = 13; menuPixels <= 60; ++menuPixels) {
        const float fontSize =
            static_cast<float>(DialogView::fontPixelsFor(menuPixels)) * 13.0f / static_cast<float>(menuPixels);
        float previousBottom = -1.0f;
        for (const ControlTemplate* radio : radios) {
            const auto top = static_cast<float>(DialogView::unitsToPixelsY(radio->rect.y));
            const auto height = static_cast<float>(DialogView::unitsToPixelsY(radio->rect.height));
            const DialogView::RadioParts parts = DialogView::radioParts(height, fontSize);
            EXPECT_GE(parts.circleTop, 0.0f) << menuPixels;
            EXPECT_LE(parts.circleTop + parts.diameter, height) << menuPixels;
            EXPECT_GE(parts.diameter, fontSize) << menuPixels;
            EXPECT_GE(parts.textTop, 0.0f) << menuPixels;
            EXPECT_LE(parts.textTop + fontSize, height) << menuPixels;
            EXPECT_GT(parts.textLeft, parts.diameter) << menuPixels;
            EXPECT_LT(previousBottom, top + parts.circleTop) << menuPixels << " " << radio->text;
            previousBottom = top + parts.circleTop + parts.diameter;
        }
    }
}

}  // namespace
}  // namespace quindel
