// The arithmetic of the program's look: frame rectangles, the caption strip,
// gradients, the progress bar and the texture's tiles.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ui/caption_layout.h"
#include "ui/frame_shapes.h"
#include "ui/gradient.h"
#include "ui/progress_layout.h"
#include "ui/texture_layout.h"
#include "ui/window_placement.h"

namespace {

using Rects = std::vector<std::vector<int>>; // brush, x, y, width, height

Rects listed(const FrameLines& frame)
{
    Rects out;
    for (int i = 0; i < frame.count; ++i) {
        const FrameLine& r = frame.rects[i];
        out.push_back({r.brush, r.x, r.y, r.width, r.height});
    }
    return out;
}

enum { TL = 1, FILL = 2, BR = 3, BASE = 4 };

TEST(FrameShapes, Rings)
{
    FrameLines frame;
    ring_rects(0, 0, 9, 4, TL, FILL, BR, &frame);
    EXPECT_EQ((Rects{{TL, 0, 0, 10, 1}, {TL, 0, 0, 1, 4}, {BR, 0, 4, 9, 1}, {BR, 9, 1, 1, 4},
                     {FILL, 1, 1, 8, 3}}),
              listed(frame));
    ring_rects(2, 3, 9, 4, 0, 0, BR, &frame); // missing brushes draw nothing
    EXPECT_EQ((Rects{{BR, 2, 4, 7, 1}, {BR, 9, 4, 1, 1}}), listed(frame));

    thick_ring_rects(0, 0, 10, 6, BR, TL, FILL, &frame);
    EXPECT_EQ((Rects{{TL, 0, 0, 10, 2}, {TL, 0, 0, 2, 6}, {BR, 0, 6, 10, 1}, {BR, 10, 1, 1, 6},
                     {BR, 1, 5, 9, 1}, {BR, 9, 2, 1, 4}, {FILL, 2, 2, 7, 3}}),
              listed(frame));
    thick_ring_rects(0, 0, 4, 6, BR, TL, FILL, &frame); // under 5 wide: one pixel thick
    EXPECT_EQ((Rects{{TL, 0, 0, 4, 1}, {TL, 0, 0, 1, 6}, {BR, 0, 6, 4, 1}, {BR, 4, 1, 1, 6},
                     {FILL, 1, 1, 3, 5}}),
              listed(frame));
}

TEST(FrameShapes, DoubleRings)
{
    enum { DARK = 1, LIGHT = 2 };
    FrameLines frame;
    double_ring_rects(0, 0, 9, 5, DARK, LIGHT, 0, BASE, &frame);
    EXPECT_EQ((Rects{{BASE, 1, 1, 7, 1}, {BASE, 1, 1, 1, 3}, {BASE, 8, 1, 1, 3}, {BASE, 1, 4, 8, 1},
                     {LIGHT, 0, 0, 10, 1}, {LIGHT, 0, 0, 1, 5}, {LIGHT, 2, 3, 6, 1},
                     {LIGHT, 7, 2, 1, 3}, {DARK, 0, 5, 9, 1}, {DARK, 9, 1, 1, 5},
                     {DARK, 2, 2, 6, 1}, {DARK, 2, 2, 1, 1}}),
              listed(frame));
    // Without a light brush the rings move out by one and the dark lines grow.
    double_ring_rects(0, 0, 9, 5, DARK, 0, FILL, BASE, &frame);
    EXPECT_EQ((Rects{{BASE, 0, 0, 7, 1}, {BASE, 0, 0, 1, 4}, {BASE, 8, 1, 1, 4}, {BASE, 0, 5, 9, 1},
                     {DARK, 0, 5, 9, 1}, {DARK, 9, 0, 1, 5}, {DARK, 1, 1, 8, 1},
                     {DARK, 1, 1, 1, 3}, {FILL, 2, 2, 6, 2}}),
              listed(frame));
}

TEST(FrameShapes, BevelWorksInwardAndStopsAtZero)
{
    FrameLines frame;
    // The progress control's outer frame: no inner ring, no fill.
    const int frame_brushes[BEVEL_BRUSHES] = {1, 1, 0, 2, 3, 0, 0};
    bevel_rects(0, 0, 10, 6, frame_brushes, &frame);
    EXPECT_EQ((Rects{{1, 0, 0, 11, 1}, {1, 0, 0, 1, 7}, {2, 1, 6, 10, 1}, {2, 10, 1, 1, 6},
                     {1, 1, 1, 9, 1}, {1, 1, 1, 1, 5}, {3, 2, 5, 8, 1}, {3, 9, 2, 1, 4}}),
              listed(frame));

    const int all[BEVEL_BRUSHES] = {1, 2, 3, 4, 5, 6, 7};
    bevel_rects(0, 0, 2, 1, all, &frame); // h reaches 0 after the first step
    EXPECT_EQ((Rects{{1, 0, 0, 3, 1}, {1, 0, 0, 1, 2}}), listed(frame));
    bevel_rects(4, 4, 0, 20, all, &frame); // a bar at 0 % draws nothing
    EXPECT_EQ(0, frame.count);

    // A missing step takes no room: the fill starts where the last ring ended.
    const int fill_only[BEVEL_BRUSHES] = {0, 0, 0, 0, 0, 0, 7};
    bevel_rects(3, 3, 5, 5, fill_only, &frame);
    EXPECT_EQ((Rects{{7, 3, 3, 6, 6}}), listed(frame));
}

TEST(ProgressLayout, BarAndText)
{
    // A control w wide at 57 % covers x = 4 to 4 + 57 * (w - 9) / 100.
    EXPECT_EQ(57 * (195 - 9) / 100, progress_bar_width(57, 195 - 1));
    EXPECT_EQ(0, progress_bar_width(0, 194));
    EXPECT_EQ(186, progress_bar_width(100, 194));
    EXPECT_EQ(0, progress_bar_width(50, 5)); // too narrow for a bar
    EXPECT_EQ(97 - 12, progress_text_x(194, 25));
    EXPECT_EQ(19 - 7, progress_text_y(39, 15));
}

const CaptionMetrics metrics = {4, 4, 3, 3, 1, 1, 18, 19};

struct CaptionCase {
    const char* what;
    unsigned long style, ex_style;
    int border, buttons, menu_box, strip_left, strip_right, text_right;
};

const CaptionCase caption_cases[] = {
    {"thick frame, system menu", 0x00CF0000ul, 0, 3, 3, 1, 22, 244, 242},
    {"dialog frame, modal, no edge", 0x80C80000ul, 0x1, 4, 1, 0, 5, 277, 273},
    {"dialog frame with window edge", 0x80C80000ul, 0x101, 2, 1, 0, 3, 279, 275},
    {"caption without system menu", 0x00C00000ul, 0x100, 2, 0, 0, 3, 297, 295},
    {"thin border only", 0x00800000ul, 0, 2, 0, 0, 3, 297, 295},
};

TEST(CaptionLayout, GeometryFromStylesAndMetrics)
{
    for (const CaptionCase& c : caption_cases) {
        SCOPED_TRACE(c.what);
        CaptionGeometry g;
        caption_geometry(c.style, c.ex_style, 300, metrics, &g);
        EXPECT_EQ(c.border, g.border_x);
        EXPECT_EQ(c.border, g.border_y);
        EXPECT_EQ(c.buttons, g.buttons);
        EXPECT_EQ(c.menu_box, g.menu_box);
        EXPECT_EQ(c.border + 1, g.strip_top);
        EXPECT_EQ(18, g.strip_height);
        EXPECT_EQ(16, g.button_width);
        EXPECT_EQ(c.strip_left, g.strip_left);
        EXPECT_EQ(c.strip_right, g.strip_right);
        EXPECT_EQ(c.strip_left + 2, g.text_left);
        EXPECT_EQ(c.text_right, g.text_right);
    }
}

using Blits = std::vector<std::vector<int>>; // x, y, width, height, source x, source y

Blits listed(const CaptionBlits& blits)
{
    Blits out;
    for (int i = 0; i < blits.count; ++i) {
        const CaptionBlit& b = blits.blits[i];
        out.push_back({b.x, b.y, b.width, b.height, b.source_x, b.source_y});
    }
    return out;
}

TEST(CaptionLayout, StripAndMarginsFromTheBitmap)
{
    CaptionGeometry g;
    caption_geometry(0x00CF0000ul, 0, 300, metrics, &g);
    CaptionBlits blits;
    caption_blits(g, 1, 640, &blits);
    EXPECT_EQ((Blits{{22, 4, 222, 18, 19, 2},
                     // system-menu box: rows at top and bottom, a column at its left
                     {4, 4, 18, 2, 0, 2}, {4, 20, 18, 2, 0, 18}, {4, 4, 2, 16, 0, 2},
                     // three caption buttons
                     {244, 4, 52, 2, 241, 2}, {244, 20, 52, 2, 241, 18},
                     {276, 6, 2, 14, 273, 4}, {294, 6, 2, 14, 291, 4}}),
              listed(blits));

    caption_blits(g, 0, 100, &blits); // inactive, and a bitmap narrower than the strip
    EXPECT_EQ((std::vector<int>{22, 4, 81, 18, 19, 30}), listed(blits)[0]);
    EXPECT_EQ((std::vector<int>{103, 4, 100, 18, 0, 30}), listed(blits)[1]);
    EXPECT_EQ((std::vector<int>{203, 4, 41, 18, 0, 30}), listed(blits)[2]);

    caption_geometry(0x80C80000ul, 0x1, 300, metrics, &g); // close button only
    caption_blits(g, 1, 640, &blits);
    EXPECT_EQ((Blits{{5, 5, 272, 18, 1, 2}, {275, 5, 20, 2, 271, 2}, {275, 21, 20, 2, 271, 18},
                     {293, 7, 2, 14, 289, 4}}),
              listed(blits));

    caption_geometry(0x00C00000ul, 0x100, 300, metrics, &g); // no margins without buttons
    caption_blits(g, 1, 640, &blits);
    EXPECT_EQ((Blits{{3, 3, 294, 18, 1, 2}}), listed(blits));
}

TEST(Gradient, ColumnColours)
{
    struct Case {
        int scheme, x, width, band;
        uint32_t colour;
    } cases[] = {
        {GRADIENT_RED, 128, 256, 0, 0x00007F},   {GRADIENT_GREEN, 255, 256, 0, 0x00FE00},
        {GRADIENT_BLUE, 0, 256, 0, 0x000000},    {GRADIENT_GREY, 128, 256, 0, 0x7F7F7F},
        {GRADIENT_BANDS, 128, 256, 1, 0x007F00}, {GRADIENT_BANDS, 128, 256, 2, 0x7F0000},
        {GRADIENT_HUES, 5, 60, 0, 0x007DFF},     {GRADIENT_HUES, 15, 60, 0, 0x00FF82},
        {GRADIENT_HUES, 59, 60, 0, 0x1E00FF},
        {GRADIENT_HUES, 8, 10, 0, 0xFF00F4},     // t = 500 wraps to 244
        {GRADIENT_HUES, 4, 5, 0, 0xFF0000},      // too narrow for a sector: t = 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "scheme " << c.scheme << " x " << c.x);
        uint32_t colour = 0;
        ASSERT_EQ(1, gradient_colour(c.scheme, c.x, c.width, c.band, &colour));
        EXPECT_EQ(c.colour, colour);
    }
    uint32_t colour = 0;
    EXPECT_EQ(0, gradient_colour(6, 1, 10, 0, &colour));
    EXPECT_EQ(0, gradient_colour(GRADIENT_RED, 0, 0, 0, &colour));
    EXPECT_EQ(3, gradient_band_top(1, 10));
    EXPECT_EQ(6, gradient_band_top(2, 10));
    EXPECT_EQ(4, gradient_band_rows(10));
}

void collect(void* context, int x, int y)
{
    static_cast<std::vector<std::pair<int, int>>*>(context)->push_back({x, y});
}

TEST(TextureLayout, StaggeredTilesContinueUnderControls)
{
    using Tiles = std::vector<std::pair<int, int>>;
    Tiles tiles;
    texture_tiles(0, 0, 400, 400, 192, 192, collect, &tiles);
    EXPECT_EQ((Tiles{{0, 0}, {192, 0}, {384, 0}, {-96, 192}, {96, 192}, {288, 192},
                     {0, 384}, {192, 384}, {384, 384}}),
              tiles);
    // A control at (100, 200) of its dialog sees the same tiles, moved.
    tiles.clear();
    texture_tiles(100, 200, 195, 40, 192, 192, collect, &tiles);
    EXPECT_EQ((Tiles{{-4, -8}, {188, -8}}), tiles);
    tiles.clear();
    texture_tiles(0, 0, 0, 10, 192, 192, collect, &tiles);
    EXPECT_TRUE(tiles.empty());
}

TEST(TextureLayout, LightColour)
{
    EXPECT_EQ(0xE0E0E0u, texture_light_colour(0xE0E0E0, 0xC0C0C0, 0xFFFFFF));
    EXPECT_EQ(0xDFDFDFu, texture_light_colour(0xC0C0C0, 0xC0C0C0, 0xFFFFFF));
    EXPECT_EQ(0x208F40u, texture_light_colour(0x102030, 0x102030, 0x30FF50));
}

TEST(WindowPlacement, CentredOverTheReferenceAndKeptOnTheScreen)
{
    struct Case {
        const char* what;
        int width, height;
        bool over_reference;
        PlacementRect reference;
        int x, y;
    } cases[] = {
        {"over the screen", 300, 200, false, {}, 362, 284},
        {"over a reference", 100, 50, true, {100, 100, 401, 301}, 200, 175},
        {"odd differences truncate toward zero", 100, 50, true, {0, 0, 99, 49}, 0, 0},
        {"past the right and bottom edge", 200, 100, true, {900, 700, 1100, 800}, 824, 668},
        {"a reference off the top left", 100, 100, true, {-300, -300, -100, -100}, 0, 0},
        {"a window larger than the screen", 1200, 900, false, {}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int x = -1, y = -1;
        centre_position(c.width, c.height, 1024, 768, c.over_reference ? &c.reference : nullptr,
                        &x, &y);
        EXPECT_EQ(c.x, x);
        EXPECT_EQ(c.y, y);
    }
}

} // namespace
