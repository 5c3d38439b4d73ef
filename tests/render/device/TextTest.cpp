#include "CanvasFixture.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <optional>

namespace {
// The smallest rectangle around pixels that are not white, if any.
std::optional<TRect> InkBounds(const TChartCanvas& c, const TRect& area) {
    std::optional<TRect> b;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (c.GetPixel(x, y) != clWhite) {
                if (!b)
                    b = TRect{x, y, x + 1, y + 1};
                b->left = std::min(b->left, x);
                b->top = std::min(b->top, y);
                b->right = std::max(b->right, x + 1);
                b->bottom = std::max(b->bottom, y + 1);
            }
    return b;
}
} // namespace

class Text : public CanvasFixture {
protected:
    void SetUp() override {
        Begin2D();
        canvas.SelectFont(font);
    }
    TChartFont font;
};

TEST_F(Text, DefaultFontIsArialEightPointsThatIsElevenPixels) {
    EXPECT_EQ(canvas.Font().pixelSize(), 11);
    EXPECT_EQ(QFontInfo(canvas.Font()).family(), "Liberation Sans");
    const QFontMetrics fm(canvas.Font());
    EXPECT_EQ(canvas.TextPixelHeight("anything"), fm.height());
    EXPECT_EQ(canvas.TextLineHeight(), fm.height());
    EXPECT_EQ(canvas.TextPixelWidth("Vreme"), fm.horizontalAdvance("Vreme"));
    EXPECT_GT(canvas.TextPixelWidth("WWW"), canvas.TextPixelWidth("iii"));

    TChartFont mono;
    mono.SetName("Courier New");
    canvas.SelectFont(mono);
    EXPECT_EQ(QFontInfo(canvas.Font()).family(), "Liberation Mono");
    EXPECT_EQ(canvas.TextPixelWidth("iii"), canvas.TextPixelWidth("WWW"));
}

TEST_F(Text, FontZoomAndCharacterSpacingChangeTheMetrics) {
    const int plain = canvas.TextPixelWidth("abcd");
    canvas.SetFontZoom(200);
    canvas.SelectFont(font);
    EXPECT_EQ(canvas.FontSize(), 16);
    EXPECT_EQ(canvas.Font().pixelSize(), 21);

    canvas.SetFontZoom(100);
    font.SetInterCharSize(3);
    canvas.SelectFont(font);
    EXPECT_EQ(canvas.TextPixelWidth("abcd"), plain + 12);

    font.SetInterCharSize(0);
    font.Shadow().SetHorizSize(-2);
    font.Shadow().SetVertSize(3);
    canvas.SelectFont(font);
    EXPECT_EQ(canvas.TextPixelWidth("abcd"), plain + 2);
    EXPECT_EQ(canvas.TextLineHeight(), QFontMetrics(canvas.Font()).height() + 3);
}

TEST_F(Text, AlignmentPlacesTheTextCellAroundTheReferencePoint) {
    const std::string s = "Hg";
    const int w = canvas.TextPixelWidth(s);
    const int h = canvas.TextLineHeight();
    struct Case {
        unsigned align;
        TRect cell; // text cell for reference point (100, 70)
    };
    const Case cases[] = {
        {taLeft | taTop, {100, 70, 100 + w, 70 + h}},
        {taRight | taTop, {100 - w, 70, 100, 70 + h}},
        {taCenter | taBottom, {100 - w / 2, 70 - h, 100 - w / 2 + w, 70}},
    };
    for (const Case& c : cases) {
        canvas.SetBrushColor(clWhite);
        canvas.FillRect({0, 0, W, H});
        canvas.SetTextAlign(c.align);
        canvas.TextOut(100, 70, s);
        const auto ink = InkBounds(canvas, {0, 0, W, H});
        ASSERT_TRUE(ink) << c.align;
        EXPECT_GE(ink->left, c.cell.left) << c.align;
        EXPECT_LE(ink->right, c.cell.right) << c.align;
        EXPECT_GE(ink->top, c.cell.top) << c.align;
        EXPECT_LE(ink->bottom, c.cell.bottom) << c.align;
        EXPECT_GT(ink->Height(), h / 2) << c.align; // the glyphs fill most of the cell
    }
}

TEST_F(Text, OpaqueBackgroundFillsTheWholeCell) {
    canvas.SetBackMode(cbmOpaque);
    canvas.SetBackColor(clYellow);
    canvas.TextOut(10, 10, "x");
    EXPECT_EQ(Px(10, 10), clYellow);
    const int w = canvas.TextPixelWidth("x");
    const int h = canvas.TextLineHeight();
    EXPECT_EQ(Px(10 + w - 1, 10 + h - 1), clYellow);
    EXPECT_EQ(Px(10 + w, 10), clWhite);
    EXPECT_EQ(Px(10, 10 + h), clWhite);
}

TEST_F(Text, RotatedTextTurnsCounterClockwiseAroundItsReferencePoint) {
    const std::string s = "Reakcija";
    const int w = canvas.TextPixelWidth(s);
    const int h = canvas.TextLineHeight();
    canvas.RotatedTextOut(100, 120, s, 90 + 360); // reduced to 90: reads bottom to top
    const auto ink = InkBounds(canvas, {0, 0, W, H});
    ASSERT_TRUE(ink);
    // The cell now runs up from the reference point, its top edge facing left.
    EXPECT_GE(ink->left, 100);
    EXPECT_LE(ink->right, 100 + h);
    EXPECT_LE(ink->bottom, 120 + 1);
    EXPECT_GE(ink->top, 120 - w - 1);
    EXPECT_GT(ink->Height(), w * 3 / 4);
    EXPECT_EQ(canvas.BrushStyle(), bsClear);
}

TEST_F(Text, TextAtDepthFollowsTheProjectionAndTheZoom) {
    options.SetZoom(200);
    Begin3D();
    canvas.SelectFont(font);
    canvas.TextAtDepth(100, 75, 10, "M"); // lands at (120, 55) under zoom 2
    const auto ink = InkBounds(canvas, {0, 0, W, H});
    ASSERT_TRUE(ink);
    EXPECT_GE(ink->left, 120);
    EXPECT_GE(ink->top, 55);
    // Drawn at 16 points (21 pixels): the glyph is taller than anything an 11-pixel font makes.
    EXPECT_GT(ink->Height(), 11);
    EXPECT_EQ(canvas.FontSize(), 8); // the zoomed font was for that text only
}
